#pragma once
// Aliased drawing written straight into a 32-bit image, for exactly the
// primitives the figures are made of: lines of a whole number of pixels,
// filled and outlined circles, filled and outlined polygons, and squares.
// Qt's painter draws the same shapes through general paths, at several times
// the cost; these follow its rules for aliased drawing (a pixel is covered
// when its centre is) closely enough that the two differ only in some edge
// pixels.
//
// Everything here is in device pixels of the image: (0, 0) is the upper-left
// corner of the upper-left pixel, whose centre is (0.5, 0.5). Every call
// returns the rectangle of pixels it may have changed, clipped to the image.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <cstdint>

namespace velquora {

// floor for values well inside the int range, without a library call.
inline int piso(double v) {
  const int i = static_cast<int>(v);
  return i - (v < i);
}

class Rasteriser {
 public:
  Rasteriser() = default;
  // Draws into the image from now on. The image must be 32-bit and stay
  // alive, unshared and unresized while it is drawn into.
  explicit Rasteriser(QImage& imagem);

  // A segment with square ends. Width 1 is one pixel per step along the
  // segment's major axis, at the row (or column) where the segment crosses
  // that step's pixel centre; a wider one covers the rectangle of the segment
  // lengthened by half the width at either end.
  QRect linha(double x1, double y1, double x2, double y2, int largura, QRgb cor);
  // The same, for a caller that knows already what it may change.
  void traca(double x1, double y1, double x2, double y2, int largura, QRgb cor);
  // The same, for a segment whose ends and pen lie wholly inside the image.
  void tracaDentro(double x1, double y1, double x2, double y2, int largura, QRgb cor) {
    if (largura <= 1) {
      linhaFina(x1, y1, x2, y2, cor);
    } else {
      linhaLarga(x1, y1, x2, y2, largura, cor);
    }
  }

  // A circle of centre (cx, cy) and radius r: filled with *preenchimento when
  // it is given, then outlined in `contorno` with a line of `largura` pixels.
  QRect circulo(double cx, double cy, double r, const QRgb* preenchimento, QRgb contorno, int largura);
  // The same, for a caller that knows already what it may change.
  void tracaCirculo(double cx, double cy, double r, const QRgb* preenchimento, QRgb contorno, int largura);

  // A polygon: filled with *preenchimento when it is given, then outlined
  // with lines of `largura` pixels from each corner to the next and from the
  // last to the first.
  QRect poligono(const QPointF* cantos, int quantos, const QRgb* preenchimento, QRgb contorno, int largura);

  // The square of `lado` pixels whose upper-left pixel is (x, y).
  QRect quadrado(int x, int y, int lado, QRgb cor);

 private:
  void ponto(int x, int y, QRgb cor) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(largura_) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(altura_)) {
      linhaDaImagem(y)[x] = cor;
    }
  }
  QRgb* linhaDaImagem(int y) const { return reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * passo_); }
  // Pixels x0..x1 of row y, clipped.
  void trecho(int y, int x0, int x1, QRgb cor);
  QRect recorta(double x0, double y0, double x1, double y1) const;
  void linhaFina(double x1, double y1, double x2, double y2, QRgb cor);
  void linhaLarga(double x1, double y1, double x2, double y2, double largura, QRgb cor);

  static constexpr int MaxCantos = 16;  // corners kept on the stack

  uchar* bits_ = nullptr;
  std::ptrdiff_t passo_ = 0;
  int largura_ = 0;
  int altura_ = 0;
};

}  // namespace velquora
