#pragma once
// The picture box of a window: a widget that shows an ImageCanvas. Drawing
// goes into the image and stays there (persistent drawing) until Cls; the
// widget only copies the image to the screen. Its context menu (and Ctrl+C
// while it has focus) offers "Copiar figura", which puts what the box shows
// on the clipboard at the screen's device resolution.

#include <QWidget>

#include "image_canvas.h"

namespace velquora {

class PictureBox : public QWidget, public ImageCanvas {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* pai = nullptr);

  // Outer size and position in the unit of the container: pixels inside a
  // picture box whose ScaleMode is 3, twips anywhere else. Sizes are brought
  // to whole pixels, a half going to the even neighbour. Pixels are the
  // program's: with a layout scale below 1 the widget is that much smaller,
  // and the drawing follows through its ratio.
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

  // What the box shows on the screen, whatever lies on it included, cut to
  // the part its containers let through, in device pixels; and that put on
  // the clipboard.
  QImage figuraMostrada();
  void copiaFigura();

  // The device pixels the box covers in its window's backing store: its
  // logical edges, each brought to the nearest device edge as the window
  // system does, so that boxes and frames meet without gap or overlap at any
  // ratio.
  QRect areaNaJanela() const;

 protected:
  bool event(QEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  QSize tamanhoDaArea() const override;
  qreal razaoDaArea() const override;
  QSize tamanhoNoDispositivo() const override;
  void desenhou(const QRect& alterado) override;
  void mostraAgora() override;

 private:
  double pixelsPorUnidade() const;
  int emPixels(double valor) const;
  // Measures the ratio and the device area again; what is drawn follows at
  // the next drawing or repaint.
  void mede() const;

  // The logical rectangle of the box that device pixels of the image cover.
  QRect emLogico(const QRect& dispositivo) const;

  bool moldura_ = true;

  // The window's ratio and the box's device size, measured for this logical
  // size and place: asking the window for them at every line would cost more
  // than the line.
  mutable QSize tamanhoMedido_{-1, -1};
  mutable QPoint lugarMedido_;
  mutable qreal razaoMedida_ = 1;
  mutable QSize dispositivoMedido_;
};

}  // namespace velquora
