#pragma once
// The Peano construction: a segment replaced by nine segments a third as
// long, running along it with one square detour above its middle third and
// one below, laid out by quarter turns relative to the segment's direction.

#include <cmath>
#include <cstdint>

#include "fractals/shell/erro_execucao.h"
#include "surface/geometry.h"

namespace velquora {

// The segment both windows start the curve from, A = (-150, -25) to
// B = (150, -25).
struct SegmentoPeano {
  double x1, y1, x2, y2;
};
inline constexpr SegmentoPeano InicioPeano{-150, -25, 150, -25};

// Replaces the segment (x1, y1)-(x2, y2) at depth n by its nine pieces and
// recurses while n + 1 < Nivel; only the deepest calls draw, handing each
// piece to traca(x1, y1, x2, y2) in the order the curve runs. Called with
// n = 0 and Nivel >= 1, it draws 9^Nivel segments. A length that overflows
// raises run-time error 6.
template <class Traca>
void DesenhaPeano(double x1, double y1, double x2, double y2, std::int16_t n, std::int16_t Nivel, Traca&& traca) {
  // The turn before each of the eight steps, relative to the previous step:
  // straight on, left, straight, right, (right), back, left, straight.
  static constexpr double Volta[9] = {0,
                                      0,
                                      3.141592654 / 2,
                                      -3.141592654 / 2,
                                      -3.141592654 / 2,
                                      0,
                                      9.424777962 / 2,
                                      -3.141592654 / 2,
                                      -3.141592654 / 2};
  double x[11];
  double y[11];
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double L = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2)) / 3;
  if (!std::isfinite(L)) throw ErroExecucao(ErroEstouro);
  x[0] = x1;
  y[0] = y1;
  double teta = AnguloDirecao(dy, dx);
  for (int k = 1; k <= 8; ++k) {
    teta = teta + Volta[k];
    x[k] = x[k - 1] + L * std::cos(teta);
    y[k] = y[k - 1] + L * std::sin(teta);
  }
  // The end point is the argument itself, so the pieces join exactly.
  x[9] = x2;
  y[9] = y2;
  if (n + 1 < Nivel) {
    for (int i = 0; i <= 8; ++i) {
      DesenhaPeano(x[i], y[i], x[i + 1], y[i + 1], static_cast<std::int16_t>(n + 1), Nivel, traca);
    }
  } else {
    for (int i = 0; i <= 8; ++i) traca(x[i], y[i], x[i + 1], y[i + 1]);
  }
}

}  // namespace velquora
