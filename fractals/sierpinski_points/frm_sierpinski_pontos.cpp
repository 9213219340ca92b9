#include "frm_sierpinski_pontos.h"

#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Triângulo de Sierpinski - Construção por Pontos",
    .areaCliente = {10470, 8790},
    .figura = {60, 60, 10335, 7455},
    .frame1 = {0, 7500, 10455, 1275},
    .label1 = {1140, 540, 3375, 435},
    .labNivel = {4500, 540, 1455, 435},
    .brNivel = {},  // no level
    .botGerar = {6000, 540, 1575, 495},
    .botApagar = {7560, 540, 1575, 495},
    .nivelMaximo = 0,
    .textoLabel1 = "Número de Pontos:",
    .corDeFundo = RGB(255, 255, 255),
};

}  // namespace

frmSierpinski_Pontos::frmSierpinski_Pontos() : SingleLevelWindow(Layout) {
  ordemTab({botApagar, botGerar, Figura});
  Form_Load();
}

void frmSierpinski_Pontos::Form_Load() {
  MedeSuperficie(Figura->Width(), Figura->Height());
  Figura->setScaleMode(ImageCanvas::UnidadePixels);
}

void frmSierpinski_Pontos::botGerar_Click() {
  // The count is read back from the label, which only ever holds what this
  // window wrote there.
  if (LabNivel->text().toLongLong() >= LimiteDePontos) return;
  SorteiaInicio(fonte());
  NumPontos = 10000;
  // Raised before any point is plotted.
  LabNivel->setText(QString::number(LabNivel->text().toLongLong() + NumPontos));
  JogaPontos(*Figura, fonte());
}

void frmSierpinski_Pontos::botApagar_Click() {
  Figura->Cls();
  LabNivel->setText(QStringLiteral("0"));
}

// The count the window announces, as its label shows it.
QString frmSierpinski_Pontos::descricaoDaFigura() const {
  return DescreveFigura(QStringLiteral("Triângulo de Sierpinski por pontos"), LabNivel->text().toLongLong(), "ponto",
                        "pontos");
}

}  // namespace velquora
