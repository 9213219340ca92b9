#include "frm_curva_koch.h"

#include "fractals/koch_curve/koch.h"
#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Curva de Koch",
    .areaCliente = {10425, 8880},
    .figura = {120, 120, 10155, 7395},
    .frame1 = {0, 7560, 10455, 1275},
    .label1 = {3420, 420, 975, 435},
    .labNivel = {4440, 420, 675, 435},
    .brNivel = {3360, 840, 1515, 255},
    .botGerar = {4980, 540, 1575, 495},
    .botApagar = {6540, 540, 1575, 495},
    .nivelMaximo = 6,
};

}  // namespace

FrmCurvaKoch::FrmCurvaKoch() : SingleLevelWindow(Layout) { Form_Load(); }

void FrmCurvaKoch::Form_Load() {
  Figura->setScaleMode(0);
  Figura->Scale(-200, 115, 200, -155);
}

void FrmCurvaKoch::botGerar_Click() {
  Figura->Cls();
  Nivel = static_cast<std::int16_t>(BrNivel->value());
  if (Nivel == 0) {
    Figura->Line(-150, -50, 150, -50);
    return;
  }
  DesenhaKoch(-150, -50, 150, -50, 0, Nivel,
              [this](double x1, double y1, double x2, double y2) { Figura->Line(x1, y1, x2, y2); });
}

QString FrmCurvaKoch::descricaoDaFigura() const {
  return DescreveFigura(FiguraDoNivel("Curva de Koch", Nivel), Potencia(4, Nivel), "segmento", "segmentos");
}

}  // namespace velquora
