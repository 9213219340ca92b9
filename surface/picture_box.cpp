#include "picture_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "surface/twips.h"

namespace velquora {

PictureBox::PictureBox(QWidget* pai) : QWidget(pai) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setArea(this);
  auto* copiar = new QAction(QStringLiteral("Copiar figura"), this);
  copiar->setShortcut(QKeySequence::Copy);
  copiar->setShortcutContext(Qt::WidgetShortcut);
  connect(copiar, &QAction::triggered, this, &PictureBox::copiaFigura);
  addAction(copiar);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

QImage PictureBox::figuraMostrada() {
  // Taken from the window, so that what lies on top of the box (the boxes a
  // window stacks on a white panel) is copied as it shows.
  QRect visivel = visibleRegion().boundingRect();
  if (visivel.isEmpty()) visivel = rect();
  return window()->grab(QRect(mapTo(window(), visivel.topLeft()), visivel.size())).toImage();
}

void PictureBox::copiaFigura() { QGuiApplication::clipboard()->setImage(figuraMostrada()); }

double PictureBox::pixelsPorUnidade() const {
  const auto* caixa = dynamic_cast<const PictureBox*>(parentWidget());
  if (caixa != nullptr && caixa->ScaleMode() == UnidadePixels) return EscalaDoLeiaute();
  return EscalaDoLeiaute() / TwipsPorPixel;
}

QSize PictureBox::tamanhoDaArea() const {
  const double k = EscalaDoLeiaute();
  if (k == 1) return size();
  return QSize(static_cast<int>(ArredondaPar(width() / k)), static_cast<int>(ArredondaPar(height() / k)));
}

int PictureBox::emPixels(double valor) const {
  return static_cast<int>(ArredondaPar(valor * pixelsPorUnidade()));
}

double PictureBox::Width() const { return width() / pixelsPorUnidade(); }
double PictureBox::Height() const { return height() / pixelsPorUnidade(); }

void PictureBox::setWidth(double largura) { resize(emPixels(largura), height()); }
void PictureBox::setHeight(double altura) { resize(width(), emPixels(altura)); }

void PictureBox::Move(double esquerda, double topo) { move(emPixels(esquerda), emPixels(topo)); }

void PictureBox::Move(double esquerda, double topo, double largura, double altura) {
  setGeometry(emPixels(esquerda), emPixels(topo), emPixels(largura), emPixels(altura));
}

QRect PictureBox::emLogico(const QRect& dispositivo) const {
  // Device pixels of the image to a logical pixel of the widget.
  const qreal r = razaoMedida_ / EscalaDoLeiaute();
  if (r == 1) return dispositivo;
  // The image may sit up to a device pixel off the box's logical corner.
  const int x0 = static_cast<int>(std::floor(dispositivo.left() / r)) - 1;
  const int y0 = static_cast<int>(std::floor(dispositivo.top() / r)) - 1;
  const int x1 = static_cast<int>(std::ceil((dispositivo.right() + 1) / r)) + 1;
  const int y1 = static_cast<int>(std::ceil((dispositivo.bottom() + 1) / r)) + 1;
  return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)).intersected(rect());
}

// Told only when what changed since the last paint grows: most primitives
// fall inside what is already waiting to be repainted.
void PictureBox::desenhou(const QRect& alterado) { update(emLogico(alterado)); }

void PictureBox::mostraAgora() {
  if (!alterado().isEmpty()) repaint(emLogico(alterado()));
}

QRect PictureBox::areaNaJanela() const {
  const qreal r = devicePixelRatioF();
  const QPoint o = mapTo(window(), QPoint(0, 0));
  const int esquerda = emDispositivo(o.x(), r);
  const int topo = emDispositivo(o.y(), r);
  return QRect(QPoint(esquerda, topo),
               QPoint(emDispositivo(o.x() + width(), r) - 1, emDispositivo(o.y() + height(), r) - 1));
}

void PictureBox::mede() const {
  razaoMedida_ = devicePixelRatioF() * EscalaDoLeiaute();
  dispositivoMedido_ = areaNaJanela().size();
  tamanhoMedido_ = size();
  lugarMedido_ = pos();
}

qreal PictureBox::razaoDaArea() const {
  if (size() != tamanhoMedido_ || pos() != lugarMedido_) mede();
  return razaoMedida_;
}

QSize PictureBox::tamanhoNoDispositivo() const {
  if (size() != tamanhoMedido_ || pos() != lugarMedido_) mede();
  return dispositivoMedido_;
}

bool PictureBox::event(QEvent* evento) {
  // A new screen may bring a new ratio; a new parent, a new place.
  if (evento->type() == QEvent::ScreenChangeInternal || evento->type() == QEvent::ParentChange ||
      evento->type() == QEvent::Show) {
    mede();
    remede();
  }
  return QWidget::event(evento);
}

void PictureBox::paintEvent(QPaintEvent* evento) {
  mede();
  // Read where it is, not copied: drawing goes on into it afterwards.
  const QImage& quadro = imagemParaMostrar();
  mostrouTudo();
  QPainter p(this);
  const QTransform t = p.deviceTransform();
  const qreal r = t.m11();
  if (r == 1 && quadro.devicePixelRatio() == 1) {
    const QRect area = evento->rect().intersected(quadro.rect());
    p.drawImage(area.topLeft(), quadro, area);
    return;
  }
  // Copied pixel for pixel: the image's first device pixel goes where the
  // box's first whole device pixel is, which may lie half a pixel off its
  // logical corner.
  const double esquerda = std::floor(t.dx() + 0.5);
  const double topo = std::floor(t.dy() + 0.5);
  // A grab of the box alone may place it a pixel differently from its
  // window: what the image does not reach is background.
  if (std::floor(t.dx() + width() * r + 0.5) - esquerda > quadro.width() ||
      std::floor(t.dy() + height() * r + 0.5) - topo > quadro.height()) {
    p.fillRect(rect(), QColor(Vermelho(BackColor()), Verde(BackColor()), Azul(BackColor())));
  }
  const QPointF canto((esquerda - t.dx()) / r, (topo - t.dy()) / r);
  if (r != std::floor(r) || quadro.devicePixelRatio() != r) {
    p.drawImage(QRectF(canto, QSizeF(quadro.size()) / r), quadro);
    return;
  }
  // At a whole ratio, only the part asked for: logical pixels are whole
  // device pixels of the image.
  const QRect area = evento->rect().intersected(rect());
  const QRect fonte = QRect(area.topLeft() * r, area.size() * r).intersected(quadro.rect());
  p.drawImage(QRectF(canto + QPointF(fonte.topLeft()) / r, QSizeF(fonte.size()) / r), quadro, fonte);
}

}  // namespace velquora
