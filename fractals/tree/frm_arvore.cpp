#include "frm_arvore.h"

#include "fractals/shell/acessibilidade.h"
#include "fractals/tree/arvore.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Árvore Bifurcada",
    .areaCliente = {10425, 8925},
    .figura = {120, 120, 10155, 7395},
    .frame1 = {0, 7560, 10455, 1335},
    .label1 = {3660, 420, 975, 435},
    .labNivel = {4680, 420, 675, 435},
    .brNivel = {3600, 840, 1935, 255},
    .botGerar = {5760, 600, 1575, 495},
    .botApagar = {7320, 600, 1575, 495},
    .nivelMaximo = 15,
};

// The angle controls, relative to Frame1.
constexpr Twips LugarLabel2{1500, 420, 1455, 435};
constexpr Twips LugarLbAng{2880, 420, 675, 435};
constexpr Twips LugarBrAng{1440, 840, 1935, 255};

}  // namespace

FrmArvore::FrmArvore() : SingleLevelWindow(Layout) {
  Label2 = CriaRotulo(Frame1, "Label2", QStringLiteral("Ângulo:"), LugarLabel2, 18);
  LbAng = CriaRotulo(Frame1, "LbAng", QStringLiteral("0"), LugarLbAng, 18, RGB(255, 0, 0));
  BrAng = CriaBarra(Frame1, "BrAng", LugarBrAng, 0, 360, Label2);
  connect(BrAng, &QScrollBar::valueChanged, this, [this] { BrAng_Change(); });
  ordemTab({Figura, botApagar, BrNivel, botGerar, BrAng});
  Form_Load();
}

void FrmArvore::Form_Load() {
  Figura->setScaleMode(0);
  Figura->Scale(-200, 115, 200, -155);
}

void FrmArvore::BrAng_Change() { LbAng->setText(QString::number(BrAng->value())); }

void FrmArvore::botGerar_Click() {
  Figura->Cls();
  Figura->setDrawWidth(static_cast<int>(ArredondaPar(1.5)));
  Nivel = static_cast<std::int16_t>(BrNivel->value());
  Figura->Line(TroncoX1, TroncoY1, TroncoX2, TroncoY2, CorDaProfundidade(0).cor());
  if (Nivel > 0) {
    DesenhaArvore(
        TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, Nivel, [this] { return BrAng->value(); },
        [this](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) {
          Figura->Line(x1, y1, x2, y2, c.cor());
        });
  }
}

// The trunk, and three segments at every fork of the N levels.
QString ArvoreDescrita(int nivel, int angulo) {
  return DescreveFigura(FiguraDoNivel("Árvore Bifurcada", nivel) + QStringLiteral(", ângulo de %1°").arg(angulo),
                        1 + 3 * (Potencia(2, nivel) - 1), "segmento", "segmentos");
}

QString FrmArvore::descricaoDaFigura() const { return ArvoreDescrita(Nivel, BrAng->value()); }

}  // namespace velquora
