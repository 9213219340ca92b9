#include "picture_box.h"

#include <QPaintEvent>
#include <QPainter>

#include "surface/twips.h"

namespace velquora {

PictureBox::PictureBox(QWidget* pai) : QWidget(pai) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setArea(this);
}

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

// Told only when what changed since the last paint grows: most primitives
// fall inside what is already waiting to be repainted.
void PictureBox::desenhou(const QRect& area) { update(area); }

void PictureBox::mostraAgora() {
  if (!alterado().isEmpty()) repaint(alterado());
}

void PictureBox::paintEvent(QPaintEvent* evento) {
  mostrouTudo();
  const QImage& quadro = imagemParaMostrar();
  QPainter p(this);
  const QRect area = evento->rect().intersected(quadro.rect());
  p.drawImage(area.topLeft(), quadro, area);
}

}  // namespace velquora
