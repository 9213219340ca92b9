#include "form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "surface/picture_box.h"

namespace velquora {

Form::Form(const QString& legenda, TamanhoTwips areaCliente) : QWidget(nullptr) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(legenda);
  setFixedSize(areaCliente.pixels());
}

void Form::mostra() {
  if (isVisible()) {
    if (isMinimized()) showNormal();
    if (!isActiveWindow()) raise();
    activateWindow();
    return;
  }
  const bool primeiraVez = !jaMostrado_;
  jaMostrado_ = true;
  if (primeiraVez && centra_) centra();
  show();
  // The frame is known once the window is shown; centre the framed window.
  if (primeiraVez && centra_) centra();
  activateWindow();
}

void Form::centra() {
  if (const QScreen* tela = QGuiApplication::primaryScreen()) {
    const QSize moldurada = frameGeometry().size();
    move(tela->availableGeometry().center() - QPoint(moldurada.width() / 2, moldurada.height() / 2));
  }
}

void Form::closeEvent(QCloseEvent* evento) {
  QWidget::closeEvent(evento);
  if (evento->isAccepted()) fechado_ = true;
}

bool Form::Cede() {
  // While events run inside a handler, a close must not destroy the window
  // under that handler: destruction is held back until the last yield ends.
  if (cedendo_++ == 0) {
    apagaAoFechar_ = testAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  const QPointer<Form> vivo(this);
  QCoreApplication::processEvents();
  if (vivo.isNull()) return false;  // destroyed by some other means: touch nothing
  if (--cedendo_ == 0) {
    if (fechado_ && apagaAoFechar_) {
      deleteLater();
    } else {
      setAttribute(Qt::WA_DeleteOnClose, apagaAoFechar_);
    }
  }
  return !fechado_;
}

void Form::paintEvent(QPaintEvent*) {
  // A thin line around each drawing box of the window, just outside it: one
  // logical pixel wide in whole device pixels, laid along the device edges
  // the box itself covers, so no side is lost under the box.
  QPainter p(this);
  const QTransform t = p.deviceTransform();
  const qreal r = t.m11();
  const double largura = std::max(1, ImageCanvas::emDispositivo(EscalaDoLeiaute(), r));
  const auto faixa = [&](double x1, double y1, double x2, double y2) {
    p.fillRect(QRectF((x1 - t.dx()) / r, (y1 - t.dy()) / r, (x2 - x1) / r, (y2 - y1) / r), QColor(128, 128, 128));
  };
  for (const PictureBox* caixa : findChildren<PictureBox*>(Qt::FindDirectChildrenOnly)) {
    if (!caixa->temMoldura() || !caixa->isVisible()) continue;
    const QRect a = caixa->areaNaJanela();
    const double esquerda = a.left(), topo = a.top(), direita = a.right() + 1.0, baixo = a.bottom() + 1.0;
    faixa(esquerda - largura, topo - largura, direita + largura, topo);
    faixa(esquerda - largura, baixo, direita + largura, baixo + largura);
    faixa(esquerda - largura, topo, esquerda, baixo);
    faixa(direita, topo, direita + largura, baixo);
  }
}

void Form::ordemTab(std::initializer_list<QWidget*> controles) {
  QWidget* anterior = nullptr;
  for (QWidget* c : controles) {
    if (anterior != nullptr) QWidget::setTabOrder(anterior, c);
    anterior = c;
  }
}

}  // namespace velquora
