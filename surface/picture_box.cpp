#include "picture_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include "surface/twips.h"

namespace velquora {

PictureBox::PictureBox(QWidget* pai) : QWidget(pai) {
  setAttribute(Qt::WA_OpaquePaintEvent);
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
  if (caixa != nullptr && caixa->ScaleMode() == UnidadePixels) return 1.0;
  return 1.0 / TwipsPorPixel;
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

void PictureBox::desenhou() {
  if (!repinturaPedida_) {
    repinturaPedida_ = true;
    update();
  }
}

void PictureBox::mostraAgora() { repaint(); }

void PictureBox::paintEvent(QPaintEvent* evento) {
  repinturaPedida_ = false;
  const QImage quadro = image();
  QPainter p(this);
  const QRect area = evento->rect().intersected(quadro.rect());
  p.drawImage(area.topLeft(), quadro, area);
}

}  // namespace velquora
