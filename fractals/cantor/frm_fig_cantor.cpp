#include "frm_fig_cantor.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Cantor",
    .areaCliente = {10095, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        // 975 wide, as "Nível 0": the ink of "Nível 5" needs one pixel more than 915 gives.
        {{5100, 3900, 4875, 3735}, "Nível 5", {3840, 3360, 975, 315}, 5},
    }},
};

// The figure's line, in the twips of a panel (its unit from the layout).
constexpr double Y = 1800;

}  // namespace

FrmFigCantor::FrmFigCantor()
    : LevelSequenceWindow(Layout), ConjuntoCantor(static_cast<Form&>(*this), DadosDoDesenho::Proprios) {}

void FrmFigCantor::DesenhaNivel() {
  XInicio = 2500.0 / 3;
  XFim = 11750.0 / 3;
  if (NivelAtual != 0) {
    DesenhaCantor(NivelAtual);
    return;
  }
  Fig1->Line(2500.0 / 3, Y, 11750.0 / 3, Y);
}

void FrmFigCantor::TracaSegmento(std::int32_t nivel) {
  // The panel of the drawing's own level, whatever label was clicked since.
  PictureBox* painel = nivel == 1 ? Fig2 : nivel == 2 ? Fig3 : Fig4;
  painel->Line(static_cast<float>(XA), Y, static_cast<float>(XB), Y);
}

}  // namespace velquora
