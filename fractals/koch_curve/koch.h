#pragma once
// The Koch construction: a segment replaced by four segments of a third of
// its length, the middle third raised to the left of the segment's direction
// into the two sides of an equilateral triangle.

#include <cmath>
#include <cstdint>

#include "surface/geometry.h"

namespace velquora {

// Replaces the segment (x1, y1)-(x2, y2) at depth n by its four thirds and
// recurses while n + 1 < Nivel; only the deepest calls draw, handing each
// segment to traca(x1, y1, x2, y2) in order along the curve. Called with
// n = 0 and Nivel >= 1, it draws 4^Nivel segments.
template <class Traca>
void DesenhaKoch(double x1, double y1, double x2, double y2, std::int16_t n, std::int16_t Nivel, Traca&& traca) {
  double x[6];
  double y[6];
  const double L = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)) / 3;
  x[0] = x1;
  y[0] = y1;
  double a = AnguloDirecao(y2 - y1, x2 - x1);
  x[1] = x[0] + L * std::cos(a);
  y[1] = y[0] + L * std::sin(a);
  a = a + 3.141592654 / 3;
  x[2] = x[1] + L * std::cos(a);
  y[2] = y[1] + L * std::sin(a);
  a = a - 6.283185308 / 3;
  x[3] = x[2] + L * std::cos(a);
  y[3] = y[2] + L * std::sin(a);
  // The end point is the argument itself, so the pieces join exactly.
  x[4] = x2;
  y[4] = y2;
  if (n + 1 < Nivel) {
    for (int i = 0; i < 4; ++i) {
      DesenhaKoch(x[i], y[i], x[i + 1], y[i + 1], static_cast<std::int16_t>(n + 1), Nivel, traca);
    }
  } else {
    for (int i = 0; i < 4; ++i) traca(x[i], y[i], x[i + 1], y[i + 1]);
  }
}

}  // namespace velquora
