#include "frm_fig_curva_koch.h"

#include "fractals/koch_curve/koch.h"
#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Curva de Koch",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        {{5100, 3900, 4875, 3735}, "Nível 6", {3840, 3360, 915, 315}, 6},
    }},
};

}  // namespace

FrmFigCurvaKoch::FrmFigCurvaKoch() : LevelSequenceWindow(Layout) { Form_Load(); }

void FrmFigCurvaKoch::Form_Load() {
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) {
    fig->setScaleMode(0);
    fig->Scale(-200, 115, 200, -155);
  }
}

void FrmFigCurvaKoch::DesenhaNivel() {
  Nivel = NivelAtual;
  if (Nivel == 0) {
    TracaSegmento(-150, -50, 150, -50);
    return;
  }
  DesenhaKoch(-150, -50, 150, -50, 0, Nivel,
              [this](double x1, double y1, double x2, double y2) { TracaSegmento(x1, y1, x2, y2); });
}

void FrmFigCurvaKoch::TracaSegmento(double x1, double y1, double x2, double y2) {
  painelDoNivel(NivelAtual)->Line(x1, y1, x2, y2);
}

QString FrmFigCurvaKoch::descricaoDoPainel(int i) const {
  const int nivel = valorDoRotulo(i);
  return DescreveFigura(FiguraDoNivel("Curva de Koch", nivel), Potencia(4, nivel), "segmento", "segmentos");
}

}  // namespace velquora
