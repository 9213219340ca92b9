#include "frm_fig_circular.h"

#include "fractals/shell/acessibilidade.h"
#include "fractals/tetracirculo/tetracirculo.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Tetracírculo",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        // 975 twips wide rather than 915: the ink of the "5" needs one pixel more.
        {{5100, 3900, 4875, 3735}, "Nível 5", {3840, 3360, 975, 315}, 5},
    }},
};

}  // namespace

FrmFigCircular::FrmFigCircular() : LevelSequenceWindow(Layout) { Form_Load(); }

void FrmFigCircular::Form_Load() {
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) fig->setScaleMode(3);
}

void FrmFigCircular::DesenhaNivel() {
  PictureBox* fig = painelDoNivel(NivelAtual);
  const double cx = fig->Width() / 30;
  const double cy = fig->Height() / 30;
  const double R = cx / 1.5;
  fig->setFillStyle(0);
  fig->setFillColor(CorDoCirculoInicial);
  fig->Circle(cx, cy, R);
  if (NivelAtual > 0) Gera(cx, cy, R, NivelAtual);
}

void FrmFigCircular::Gera(double x, double y, double r, std::int16_t level) {
  GeraTetracirculo(*painelDoNivel(NivelAtual), x, y, r, level);
}

QString FrmFigCircular::descricaoDoPainel(int i) const {
  const int nivel = valorDoRotulo(i);
  return DescreveFigura(FiguraDoNivel("Tetracírculo", nivel), (Potencia(4, nivel + 1) - 1) / 3, "círculo", "círculos");
}

}  // namespace velquora
