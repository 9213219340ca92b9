#include "frm_fig_ponto_sierpinski.h"

#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    // The program's caption, "Contrução" as it is written there.
    .legenda = "Triângulo de Sierpinski - Contrução por Pontos",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "2.500 Pontos", {2940, 3360, 1995, 315}, 2500},
        {{5100, 60, 4875, 3735}, "5.000 Pontos", {2940, 3360, 2235, 375}, 5000},
        {{120, 3900, 4875, 3735}, "25.000 Pontos", {2760, 3360, 2235, 375}, 25000},
        {{5100, 3900, 4875, 3735}, "50.000 Pontos", {2760, 3360, 2475, 315}, 50000},
    }},
};

}  // namespace

FrmFigPontoSierpinski::FrmFigPontoSierpinski() : LevelSequenceWindow(Layout) { Form_Load(); }

void FrmFigPontoSierpinski::Form_Load() {
  // Fig1's size serves all four panels.
  MedeSuperficie(Fig1->Width(), Fig1->Height());
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) fig->setScaleMode(ImageCanvas::UnidadePixels);
}

void FrmFigPontoSierpinski::rotuloClicado(int i) {
  pontosNoPainel_[static_cast<std::size_t>(i)] += valorDoRotulo(i);
  PontosPedidos = valorDoRotulo(i);
  GeraPontos();
}

void FrmFigPontoSierpinski::GeraPontos() {
  SorteiaInicio(fonte());
  NumPontos = PontosPedidos;
  JogaPontos(*painel(IndicePainelDaContagem(PontosPedidos)), fonte());
}

// The panel is never cleared: it shows every batch played in it.
QString FrmFigPontoSierpinski::descricaoDoPainel(int i) const {
  return DescreveFigura(QStringLiteral("Triângulo de Sierpinski por pontos"),
                        pontosNoPainel_[static_cast<std::size_t>(i)], "ponto", "pontos");
}

}  // namespace velquora
