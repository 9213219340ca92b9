#pragma once
// What a fractal generator may do to the surface it draws on, and nothing
// more: lines, circles, points and pixel polygons, with the fill and pen state
// they use. Generators see only this interface; the picture boxes of the
// windows implement it on an image, and tests implement it to record calls.

#include <cstdint>
#include <optional>

#include "geometry.h"

namespace velquora {

// A point in device pixels: x to the right, y down, origin at the upper-left
// corner of the drawing area.
struct PontoPixel {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const PontoPixel&, const PontoPixel&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Coordinates are in the surface's own coordinate system and are taken in
  // single precision: the double-precision values of the generators narrow
  // on the way in.

  // A segment in the pen of DrawWidth, in the foreground colour unless a
  // colour is given.
  void Line(float x1, float y1, float x2, float y2) { desenhaLinha(x1, y1, x2, y2, std::nullopt); }
  void Line(float x1, float y1, float x2, float y2, Cor cor) { desenhaLinha(x1, y1, x2, y2, cor); }

  // A circle whose radius is measured along the horizontal axis. With
  // FillStyle 0 it is filled with FillColor; the outline is in the colour
  // given, or in the foreground colour.
  void Circle(float x, float y, float raio) { desenhaCirculo(x, y, raio, std::nullopt); }
  void Circle(float x, float y, float raio, Cor cor) { desenhaCirculo(x, y, raio, cor); }

  // Sets one point to the colour.
  void PSet(float x, float y, Cor cor) { desenhaPonto(x, y, cor); }

  // A polygon in device pixels, filled with FillColor (with FillStyle 0) and
  // outlined in the foreground colour.
  void Polygon(const PontoPixel* pontos, int quantos) { desenhaPoligono(pontos, quantos); }

  // 0 = solid fill, 1 = transparent (the start value).
  virtual void setFillStyle(int estilo) = 0;
  virtual void setFillColor(Cor cor) = 0;
  // Pen width in pixels; 1 at the start.
  virtual void setDrawWidth(int largura) = 0;
  // Shows what has been drawn so far at once.
  virtual void Refresh() = 0;

 protected:
  virtual void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) = 0;
  virtual void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) = 0;
  virtual void desenhaPonto(float x, float y, Cor cor) = 0;
  virtual void desenhaPoligono(const PontoPixel* pontos, int quantos) = 0;
};

}  // namespace velquora
