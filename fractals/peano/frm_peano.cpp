#include "frm_peano.h"

#include "fractals/peano/peano.h"
#include "fractals/shell/acessibilidade.h"
#include "fractals/shell/caixa_erro.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Curva de Peano",
    .areaCliente = {10770, 8820},
    .figura = {60, 60, 10635, 7515},
    .frame1 = {0, 7620, 10815, 1155},
    .label1 = {3300, 240, 975, 435},
    .labNivel = {4320, 240, 675, 435},
    .brNivel = {3240, 660, 1515, 255},
    .botGerar = {4860, 360, 1575, 495},
    .botApagar = {6420, 360, 1575, 495},
    .nivelMaximo = 6,
};

}  // namespace

FrmPeano::FrmPeano() : SingleLevelWindow(Layout) {
  ordemTab({BrNivel, botGerar, Figura, botApagar});
  Form_Load();
}

void FrmPeano::Form_Load() {
  setCentraAoMostrar(false);
  move(0, 0);
  Figura->setScaleMode(0);
  Figura->Scale(-300, 215, 300, -255);
}

void FrmPeano::botGerar_Click() {
  ComArmadilha(this, [this] {
    Figura->Cls();
    const auto [ax, ay, bx, by] = Inicio;
    Nivel = static_cast<std::int16_t>(BrNivel->value());
    if (Nivel == 0) {
      Figura->Line(Simples(ax), Simples(ay), Simples(bx), Simples(by));
      return;
    }
    DesenhaPeano(ax, ay, bx, by, 0, Nivel, [this](double x1, double y1, double x2, double y2) {
      Figura->Line(Simples(x1), Simples(y1), Simples(x2), Simples(y2));
    });
  });
}

QString FrmPeano::descricaoDaFigura() const {
  return DescreveFigura(FiguraDoNivel("Curva de Peano", Nivel), Potencia(9, Nivel), "segmento", "segmentos");
}

}  // namespace velquora
