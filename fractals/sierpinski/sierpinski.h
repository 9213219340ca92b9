#pragma once
// The Sierpinski triangle by the corner table, shared by
// its two windows. The figure is worked out in device pixels: a black
// triangle 400 pixels wide, apex down, and then, level by level, a white hole
// cut out of the middle of every black triangle left. The table `Cantos`
// holds the upper-left corner of every black triangle of the level being cut;
// the holes of a level are cut in table order before the next level is
// recorded.
//
// The generator is told the scale it draws at (full size for the single-level
// window, half size for the sequence window) and hands every hole to the
// window's own routine RetiraTriangulo, which decides the surface it goes on.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "surface/canvas.h"

namespace velquora {

// A point of the corner table, in single precision as the program keeps it.
struct Canto {
  float x = 0;
  float y = 0;
  friend bool operator==(const Canto&, const Canto&) = default;
};

// The corner table Cantos(i, j): level i from 0 to the top level, triangle j
// from 1 to the triangle count. Sizing it sets every entry to (0, 0).
class TabelaCantos {
 public:
  void Redimensiona(int niveis, std::int32_t triangulos);
  Canto& operator()(int i, std::int32_t j) { return cantos_[indice(i, j)]; }
  const Canto& operator()(int i, std::int32_t j) const { return cantos_[indice(i, j)]; }
  int niveis() const { return niveis_; }
  std::int32_t triangulos() const { return triangulos_; }

 private:
  std::size_t indice(int i, std::int32_t j) const;

  int niveis_ = -1;
  std::int32_t triangulos_ = 0;
  std::vector<Canto> cantos_;
};

// Three device points, in the order they are handed to Polygon.
using TrianguloPixel = std::array<PontoPixel, 3>;

// The hole routine of a window: (p, q) is the upper apex of the hole, r its
// side, in full-size pixels. Taken by reference, as the program does, and
// left unchanged.
using RetiraTrianguloFn = std::function<void(const float& p, const float& q, const float& r)>;

class GeradorSierpinski {
 public:
  // The side of the black triangle at level 0, in pixels.
  static constexpr float LadoInicial = 400;

  // divisor 1 draws at full size (the single-level window), 2 at half size
  // (the level-sequence window): every drawn coordinate is divided by it
  // before it is rounded. The corner table is computed at full size either
  // way.
  explicit GeradorSierpinski(double divisor) : divisor_(divisor) {}

  double divisor() const { return divisor_; }

  // The size a drawing box is given before the figure: Lado * sqrt(3) / 2 +
  // y + 1 high and Lado + x + 1 wide, with Lado = 400 and (x, y) = Cantos(1,
  // 1) = (0, 0): 347.41016 and 401 pixels, at either scale.
  static double AlturaDaCaixa();
  static double LarguraDaCaixa();

  // The level-0 triangle with upper-left corner (0, 0) and side 400: (Lado +
  // x, y), (Lado / 2 + x, Lado * sqrt(3) / 2 + y), (x, y), each divided by the
  // divisor and rounded to the nearest pixel, a half going to the even one.
  // (400, 0), (200, 346), (0, 0) at full size; (200, 0), (100, 173), (0, 0)
  // at half size.
  TrianguloPixel CantosDoTriangulo() const;

  // The corners of the hole with upper apex (p, q) and side r: (p + r / 2, q
  // + r * sqrt(3) / 2), (p - r / 2, q + r * sqrt(3) / 2), (p, q), each
  // divided by the divisor and rounded as above.
  TrianguloPixel CantosDoBuraco(float p, float q, float r) const;

  // The holes of levels 1 to L (L >= 1), in drawing order: for i = 1 to L the
  // side is halved and the 3^(i-1) triangles of the table are visited in
  // order; each gets RetiraTriangulo(Lado + x, y, Lado), and, below the last
  // level, its three remaining triangles are recorded as 3j - 2 (upper left),
  // 3j - 1 (upper right) and 3j (lower). (3^L - 1) / 2 calls in all.
  static void RetiraTriangulos(std::int16_t L, const RetiraTrianguloFn& RetiraTriangulo);

 private:
  double divisor_;
};

// Fills the triangle with `cor` and outlines it in the foreground colour: the
// steps of the program before each Polygon call (FillColor, FillStyle 0) and
// the call itself, with three points and a count of 3.
void PreencheTriangulo(Canvas& superficie, const TrianguloPixel& pontos, Cor cor);

// Holes a level-L figure has: (3^L - 1) / 2.
constexpr std::int32_t BuracosDoNivel(int L) {
  std::int32_t potencia = 1;
  for (int i = 0; i < L; ++i) potencia *= 3;
  return (potencia - 1) / 2;
}

}  // namespace velquora
