#include "frm_circulo.h"

#include "fractals/shell/acessibilidade.h"
#include "fractals/tetracirculo/tetracirculo.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Tetracírculo",
    .areaCliente = {10425, 8400},
    .figura = {60, 60, 10275, 7035},
    .frame1 = {0, 7080, 10455, 1275},
    .label1 = {3420, 420, 975, 435},
    .labNivel = {4440, 420, 675, 435},
    .brNivel = {3360, 840, 1515, 255},
    .botGerar = {4980, 540, 1575, 495},
    .botApagar = {6540, 540, 1575, 495},
    .nivelMaximo = 5,
};

}  // namespace

FrmCirculo::FrmCirculo() : SingleLevelWindow(Layout) { Form_Load(); }

void FrmCirculo::Form_Load() { Figura->setScaleMode(3); }

void FrmCirculo::botGerar_Click() {
  Figura->Cls();
  // The box's outer size in twips over 30 is its centre in pixels.
  const double cx = Figura->Width() / 30;
  const double cy = Figura->Height() / 30;
  const double R = cx / 1.5;
  const auto L = static_cast<std::int16_t>(BrNivel->value());
  Figura->setFillStyle(0);
  Figura->setFillColor(CorDoCirculoInicial);
  Figura->Circle(cx, cy, R);
  if (L > 0) Gera(cx, cy, R, L);
}

void FrmCirculo::Gera(double x, double y, double r, std::int16_t level) { GeraTetracirculo(*Figura, x, y, r, level); }

// Every circle holds four of the next generation: 1 + 4 + ... + 4^L.
QString FrmCirculo::descricaoDaFigura() const {
  const int nivel = BrNivel->value();
  return DescreveFigura(FiguraDoNivel("Tetracírculo", nivel), (Potencia(4, nivel + 1) - 1) / 3, "círculo", "círculos");
}

}  // namespace velquora
