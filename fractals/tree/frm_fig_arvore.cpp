#include "frm_fig_arvore.h"

#include "fractals/shell/acessibilidade.h"
#include "fractals/tree/arvore.h"
#include "fractals/tree/frm_arvore.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Árvore Bifurcada - Ângulo de Bifurcação = 90º",
    .areaCliente = {10140, 7740},
    .paineis = {{
        {{120, 60, 4875, 3735}, "Nível 0", {3840, 3360, 975, 315}, 0},
        {{5100, 60, 4875, 3735}, "Nível 1", {3840, 3360, 1035, 375}, 1},
        {{120, 3900, 4875, 3735}, "Nível 2", {3840, 3360, 1035, 375}, 2},
        {{5100, 3900, 4875, 3735}, "Nível 10", {3660, 3360, 1155, 315}, 10},
    }},
};

constexpr double AnguloFixo = 90;

}  // namespace

FrmFigArvore::FrmFigArvore() : LevelSequenceWindow(Layout) {
  ordemTab({Fig4, Lb4, Fig3, Lb3, Fig2, Lb2, Fig1, Lb1});
  Form_Load();
}

void FrmFigArvore::Form_Load() {
  for (PictureBox* fig : {Fig1, Fig2, Fig3, Fig4}) {
    fig->setScaleMode(0);
    fig->Scale(-200, 115, 200, -155);
    fig->setDrawWidth(static_cast<int>(ArredondaPar(1.5)));
  }
}

void FrmFigArvore::DesenhaNivel() {
  Nivel = NivelAtual;
  const CorDaProfundidade tronco(0);
  TracaSegmento(NivelAtual, TroncoX1, TroncoY1, TroncoX2, TroncoY2, tronco.vermelho, tronco.verde, tronco.azul);
  if (Nivel > 0) {
    DesenhaArvore(
        TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, Nivel, [] { return AnguloFixo; },
        [this](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) {
          TracaSegmento(NivelAtual, x1, y1, x2, y2, c.vermelho, c.verde, c.azul);
        });
  }
}

void FrmFigArvore::TracaSegmento(std::int16_t level, double x1, double y1, double x2, double y2, std::int16_t red,
                                 std::int16_t green, std::int16_t blue) {
  painelDoNivel(level)->Line(x1, y1, x2, y2, RGB(red, green, blue));
}

QString FrmFigArvore::descricaoDoPainel(int i) const { return ArvoreDescrita(valorDoRotulo(i), AnguloFixo); }

}  // namespace velquora
