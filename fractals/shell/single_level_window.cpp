#include "single_level_window.h"

#include <QPointer>

#include "fractals/shell/acessibilidade.h"

namespace velquora {

SingleLevelWindow::SingleLevelWindow(const LayoutUmNivel& layout)
    : Form(QString::fromUtf8(layout.legenda), layout.areaCliente) {
  if (!layout.figura.vazio()) {
    Figura = new PictureBox(this);
    Figura->setObjectName(QStringLiteral("Figura"));
    Figura->setGeometry(layout.figura.pixels());
    TornaAcessivel(Figura, QStringLiteral("Figura"));
  }

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(layout.frame1.pixels());
  if (layout.corDeFundo) {
    // The frame has its own background, the system colour, not the window's.
    QPalette doQuadro = Frame1->palette();
    doQuadro.setColor(QPalette::Window, doQuadro.color(QPalette::Window));
    Frame1->setPalette(doQuadro);
    Frame1->setAutoFillBackground(true);
    const Cor c = *layout.corDeFundo;
    QPalette daJanela = palette();
    daJanela.setColor(QPalette::Window, QColor(Vermelho(c), Verde(c), Azul(c)));
    setPalette(daJanela);
    setAutoFillBackground(true);
  }

  Label1 = CriaRotulo(Frame1, "Label1", QString::fromUtf8(layout.textoLabel1), layout.label1, 18);
  LabNivel = CriaRotulo(Frame1, "LabNivel", QStringLiteral("0"), layout.labNivel, 18, RGB(255, 0, 0));
  if (!layout.brNivel.vazio()) {
    BrNivel = CriaBarra(Frame1, "BrNivel", layout.brNivel, 0, layout.nivelMaximo, Label1);
    connect(BrNivel, &QScrollBar::valueChanged, this, [this] { BrNivel_Change(); });
  }
  botGerar = new BotaoComando(Frame1, "botGerar", QStringLiteral("Gerar"), layout.botGerar, 18);
  botApagar = new BotaoComando(Frame1, "botApagar", QStringLiteral("Apagar"), layout.botApagar, 18);
  connect(botGerar, &QPushButton::clicked, this, &SingleLevelWindow::gerar);
  connect(botApagar, &QPushButton::clicked, this, &SingleLevelWindow::apagar);

  if (Figura != nullptr && BrNivel != nullptr) {
    ordemTab({Figura, botApagar, BrNivel, botGerar});
  } else if (BrNivel != nullptr) {
    ordemTab({botApagar, BrNivel, botGerar});
  } else {
    ordemTab({botApagar, botGerar});
  }
}

void SingleLevelWindow::gerar() {
  const QPointer<Form> viva(this);
  botGerar_Click();
  // A drawing that yields may see its window closed; then nothing is left
  // to describe.
  if (viva.isNull() || fechado()) return;
  if (PictureBox* caixa = caixaDaFigura()) Descreve(caixa, descricaoDaFigura());
}

void SingleLevelWindow::apagar() {
  botApagar_Click();
  if (PictureBox* caixa = caixaDaFigura()) Descreve(caixa, DescricaoVazia());
}

void SingleLevelWindow::botApagar_Click() {
  if (Figura != nullptr) Figura->Cls();
}

void SingleLevelWindow::BrNivel_Change() { LabNivel->setText(QString::number(BrNivel->value())); }

}  // namespace velquora
