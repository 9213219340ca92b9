#include "frm_fig_floco_neve.h"

#include "fractals/koch_snowflake/floco_de_neve.h"
#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

// The layout of the Koch curve sequence window under the
// snowflake's caption.
const LayoutSequencia Layout{
    .legenda = "Floco de Neve de Koch",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        {{5100, 3900, 4875, 3735}, "Nível 6", {3840, 3360, 915, 315}, 6},
    }},
};

}  // namespace

FrmFigFlocoNeve::FrmFigFlocoNeve() : LevelSequenceWindow(Layout) { Form_Load(); }

void FrmFigFlocoNeve::Form_Load() {
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) {
    fig->setScaleMode(0);
    fig->Scale(-200, 90, 200, -175);
  }
}

void FrmFigFlocoNeve::DesenhaNivel() {
  Nivel = NivelAtual;
  DesenhaFlocoDeNeve(Nivel, [this](double x1, double y1, double x2, double y2) { TracaSegmento(x1, y1, x2, y2); });
}

void FrmFigFlocoNeve::TracaSegmento(double x1, double y1, double x2, double y2) {
  painelDoNivel(NivelAtual)->Line(x1, y1, x2, y2);
}

QString FrmFigFlocoNeve::descricaoDoPainel(int i) const {
  const int nivel = valorDoRotulo(i);
  return DescreveFigura(FiguraDoNivel("Floco de Neve de Koch", nivel), 3 * Potencia(4, nivel), "segmento", "segmentos");
}

}  // namespace velquora
