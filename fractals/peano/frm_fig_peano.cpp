#include "frm_fig_peano.h"

#include "fractals/peano/peano.h"
#include "fractals/shell/acessibilidade.h"
#include "fractals/shell/caixa_erro.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Curva de Peano",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        // 975 wide, as "Nível 0": the ink of "Nível 5" needs one pixel more than 915 gives.
        {{5100, 3900, 4875, 3735}, "Nível 5", {3840, 3360, 975, 315}, 5},
    }},
};

}  // namespace

FrmFigPeano::FrmFigPeano() : LevelSequenceWindow(Layout) { Form_Load(); }

void FrmFigPeano::Form_Load() {
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) {
    fig->setScaleMode(0);
    fig->Scale(-230, 155, 230, -195);
  }
}

void FrmFigPeano::DesenhaNivel() {
  ComArmadilha(this, [this] {
    const auto [ax, ay, bx, by] = Inicio;
    Nivel = NivelAtual;
    if (Nivel == 0) {
      Fig1->Line(Simples(ax), Simples(ay), Simples(bx), Simples(by), RGB(0, 0, 0));
      return;
    }
    // The panel is chosen again for every piece, from NivelAtual.
    DesenhaPeano(ax, ay, bx, by, 0, Nivel, [this](double x1, double y1, double x2, double y2) {
      painelDoNivel(NivelAtual)->Line(Simples(x1), Simples(y1), Simples(x2), Simples(y2));
    });
  });
}

QString FrmFigPeano::descricaoDoPainel(int i) const {
  const int nivel = valorDoRotulo(i);
  return DescreveFigura(FiguraDoNivel("Curva de Peano", nivel), Potencia(9, nivel), "segmento", "segmentos");
}

}  // namespace velquora
