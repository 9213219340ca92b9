#pragma once
// The picture box of a window: a widget that shows an ImageCanvas. Drawing
// goes into the image and stays there (persistent drawing) until Cls; the
// widget only copies the image to the screen.

#include <QWidget>

#include "image_canvas.h"

namespace velquora {

class PictureBox : public QWidget, public ImageCanvas {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* pai = nullptr);

  // Outer size and position in the unit of the container: pixels inside a
  // picture box whose ScaleMode is 3, twips anywhere else. Sizes are brought
  // to whole pixels, a half going to the even neighbour.
  double Width() const;
  double Height() const;
  void setWidth(double largura);
  void setHeight(double altura);
  void Move(double esquerda, double topo);
  void Move(double esquerda, double topo, double largura, double altura);

  using ImageCanvas::setBackColor;

  // Whether the window frames the box with a thin line just outside it. The
  // box itself is all drawing area.
  bool temMoldura() const { return moldura_; }
  void setMoldura(bool moldura) { moldura_ = moldura; }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  QSize tamanhoDaArea() const override { return size(); }
  void desenhou(const QRect& area) override;
  void mostraAgora() override;

 private:
  double pixelsPorUnidade() const;
  int emPixels(double valor) const;

  bool moldura_ = true;
};

}  // namespace velquora
