#include "controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace velquora {

namespace {

bool eEnter(const QKeyEvent* evento) { return evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter; }

// No Shift, Ctrl or Alt held; the keypad's own flag does not count.
bool semModificador(const QKeyEvent* evento) { return (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier; }

// A frame in the highlight colour just inside the control's rectangle, as
// the style frames a focused button: only once the keyboard has moved the
// focus in the window.
void desenhaFoco(QWidget* controle) {
  if (!controle->window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
  QPainter p(controle);
  p.setPen(controle->palette().color(QPalette::Highlight));
  p.setBrush(Qt::NoBrush);
  p.drawRect(controle->rect().adjusted(0, 0, -1, -1));
}

}  // namespace

QFont Arial(double pontos) {
  QFont fonte(QStringLiteral("Arial"));
  fonte.setBold(true);
  fonte.setPixelSize(PixelsDaFonte(pontos));
  return fonte;
}

QLabel* CriaRotulo(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos, Cor corTexto,
                   Qt::Alignment alinhamento) {
  auto* rotulo = new QLabel(texto, pai);
  rotulo->setObjectName(QLatin1String(nome));
  rotulo->setGeometry(lugar.pixels());
  rotulo->setFont(Arial(pontos));
  rotulo->setAlignment(alinhamento);
  QPalette paleta = rotulo->palette();
  paleta.setColor(QPalette::WindowText, QColor(Vermelho(corTexto), Verde(corTexto), Azul(corTexto)));
  rotulo->setPalette(paleta);
  return rotulo;
}

BotaoComando::BotaoComando(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos)
    : QPushButton(texto, pai) {
  setObjectName(QLatin1String(nome));
  setGeometry(lugar.pixels());
  setFont(Arial(pontos));
  setAutoDefault(false);
}

QRect BotaoComando::areaDaLegenda() const {
  QStyleOptionButton opcao;
  initStyleOption(&opcao);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, this).adjusted(2, 0, -2, 0);
}

QStringList BotaoComando::linhasDaLegenda() const {
  const QString legenda = text();
  QTextLayout leiaute(legenda, font());
  QTextOption opcao;
  opcao.setWrapMode(QTextOption::WordWrap);
  leiaute.setTextOption(opcao);
  QStringList linhas;
  leiaute.beginLayout();
  for (QTextLine linha = leiaute.createLine(); linha.isValid(); linha = leiaute.createLine()) {
    linha.setLineWidth(areaDaLegenda().width());
    linhas << legenda.mid(linha.textStart(), linha.textLength()).trimmed();
  }
  leiaute.endLayout();
  return linhas;
}

void BotaoComando::keyPressEvent(QKeyEvent* evento) {
  if (eEnter(evento) && semModificador(evento)) {
    if (!evento->isAutoRepeat()) click();
    evento->accept();
    return;
  }
  QPushButton::keyPressEvent(evento);
}

void BotaoComando::paintEvent(QPaintEvent*) {
  // The style draws the button without its text; the caption is laid out
  // here, each line centred and the block centred in the button.
  QStylePainter p(this);
  QStyleOptionButton opcao;
  initStyleOption(&opcao);
  opcao.text.clear();
  p.drawControl(QStyle::CE_PushButton, opcao);
  const QRect area = areaDaLegenda();
  const QStringList linhas = linhasDaLegenda();
  const int alturaLinha = fontMetrics().height();
  QRect linha(area.left(), area.top() + (area.height() - alturaLinha * static_cast<int>(linhas.size())) / 2,
              area.width(), alturaLinha);
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  for (const QString& texto : linhas) {
    p.drawText(linha, Qt::AlignCenter, texto);
    linha.translate(0, alturaLinha);
  }
}

BarraHorizontal::BarraHorizontal(QWidget* pai) : QScrollBar(Qt::Horizontal, pai) {}

void BarraHorizontal::keyPressEvent(QKeyEvent* evento) {
  const bool esquerda = evento->key() == Qt::Key_Left;
  if ((esquerda || evento->key() == Qt::Key_Right) && semModificador(evento)) {
    // In a right-to-left layout the bar's arrows swap sides, and so do the keys.
    const bool desce = esquerda != isRightToLeft();
    triggerAction(desce ? SliderSingleStepSub : SliderSingleStepAdd);
    evento->accept();
    return;
  }
  QScrollBar::keyPressEvent(evento);
}

void BarraHorizontal::paintEvent(QPaintEvent* evento) {
  QScrollBar::paintEvent(evento);
  if (hasFocus()) desenhaFoco(this);
}

QScrollBar* CriaBarra(QWidget* pai, const char* nome, Twips lugar, int minimo, int maximo, QLabel* rotulo) {
  auto* barra = new BarraHorizontal(pai);
  barra->setObjectName(QLatin1String(nome));
  barra->setGeometry(lugar.pixels());
  barra->setRange(minimo, maximo);
  barra->setSingleStep(1);
  barra->setPageStep(1);
  barra->setTracking(false);
  barra->setFocusPolicy(Qt::StrongFocus);
  if (rotulo != nullptr) rotulo->setBuddy(barra);
  return barra;
}

RotuloClicavel::RotuloClicavel(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos)
    : QLabel(texto, pai) {
  setObjectName(QLatin1String(nome));
  setGeometry(lugar.pixels());
  setFont(Arial(pontos));
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, Qt::white);
  paleta.setColor(QPalette::WindowText, Qt::black);
  setPalette(paleta);
}

void RotuloClicavel::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton) pressionado_ = true;
  evento->accept();
}

void RotuloClicavel::mouseReleaseEvent(QMouseEvent* evento) {
  // A click is a press and a release of the left button on the label.
  const bool clique = pressionado_ && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
  pressionado_ = false;
  evento->accept();
  if (clique) emit clicked();
}

void RotuloClicavel::keyPressEvent(QKeyEvent* evento) {
  if ((evento->key() == Qt::Key_Space || eEnter(evento)) && semModificador(evento)) {
    evento->accept();
    if (!evento->isAutoRepeat()) emit clicked();
    return;
  }
  QLabel::keyPressEvent(evento);
}

void RotuloClicavel::paintEvent(QPaintEvent* evento) {
  QLabel::paintEvent(evento);
  if (hasFocus()) desenhaFoco(this);
}

}  // namespace velquora
