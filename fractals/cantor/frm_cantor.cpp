#include "frm_cantor.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Conjunto de Cantor",
    .areaCliente = {10410, 8085},
    .figura = {60, 60, 10275, 6675},
    .frame1 = {0, 6780, 10455, 1275},
    .label1 = {3420, 420, 975, 435},
    .labNivel = {4440, 420, 675, 435},
    .brNivel = {3360, 840, 1515, 255},
    .botGerar = {4980, 540, 1575, 495},
    .botApagar = {6540, 540, 1575, 495},
    .nivelMaximo = 6,
};

// The figure's line, in the twips of Figura (its unit from the layout).
constexpr double Y = 3200;

}  // namespace

frmCantor::frmCantor() : SingleLevelWindow(Layout), ConjuntoCantor(static_cast<Form&>(*this)) {
  ordemTab({botGerar, BrNivel, Figura, botApagar});
}

void frmCantor::botGerar_Click() {
  Figura->Cls();
  XInicio = 500;
  XFim = 9750;
  const std::int32_t nivel = BrNivel->value();
  if (nivel == 0) {
    Figura->setDrawWidth(2);
    Figura->Line(500, Y, 9750, Y);
    return;
  }
  DesenhaCantor(nivel);
}

void frmCantor::TracaSegmento(std::int32_t) {
  Figura->setDrawWidth(2);
  Figura->Line(static_cast<float>(XA), Y, static_cast<float>(XB), Y);
}

}  // namespace velquora
