#include "frm_floco_de_neve.h"

#include "fractals/koch_snowflake/floco_de_neve.h"
#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Floco de Neve de Koch",
    .areaCliente = {10485, 8865},
    .figura = {60, 60, 10335, 7455},
    .frame1 = {0, 7560, 10455, 1275},
    .label1 = {3420, 420, 975, 435},
    .labNivel = {4440, 420, 675, 435},
    .brNivel = {3360, 840, 1515, 255},
    .botGerar = {4980, 540, 1575, 495},
    .botApagar = {6540, 540, 1575, 495},
    .nivelMaximo = 6,
};

}  // namespace

FrmFlocoDeNeve::FrmFlocoDeNeve() : SingleLevelWindow(Layout) { Form_Load(); }

void FrmFlocoDeNeve::Form_Load() {
  Figura->setScaleMode(0);
  Figura->Scale(-200, 90, 200, -175);
}

void FrmFlocoDeNeve::botGerar_Click() {
  Figura->Cls();
  Nivel = static_cast<std::int16_t>(BrNivel->value());
  DesenhaFlocoDeNeve(Nivel, [this](double x1, double y1, double x2, double y2) { Figura->Line(x1, y1, x2, y2); });
}

QString FrmFlocoDeNeve::descricaoDaFigura() const {
  return DescreveFigura(FiguraDoNivel("Floco de Neve de Koch", Nivel), 3 * Potencia(4, Nivel), "segmento", "segmentos");
}

}  // namespace velquora
