#pragma once
// The Koch snowflake: the Koch construction of the Koch curve applied to the three
// sides of an equilateral triangle. The triangle is walked clockwise on the
// screen, so the left of every side, where DesenhaKoch raises its thirds, is
// the outside: the raised thirds point out and the figure is the star.

#include <cstdint>

#include "fractals/koch_curve/koch.h"

namespace velquora {

// The start triangle, points 0 to 3 (index 4 is unused, as in the program):
// lower left, apex, lower right, and the lower left again to close it.
// 58.5640646 is -80 + 80 * sqrt(3) written to seven decimals.
struct TrianguloFloco {
  double x[5] = {-80, 0, 80, -80, 0};
  double y[5] = {-80, 58.5640646, -80, -80, 0};
};

// Draws the snowflake of level Nivel (0 to 6), handing each segment to
// traca(x1, y1, x2, y2) in drawing order: level 0 is the three sides in the
// order left, right, base; level N >= 1 is 3 * 4^N segments, the three sides
// in that order, each replaced by DesenhaKoch from its first end to its
// second, depth first.
template <class Traca>
void DesenhaFlocoDeNeve(std::int16_t Nivel, Traca&& traca) {
  const TrianguloFloco t;
  if (Nivel == 0) {
    for (int i = 0; i < 3; ++i) traca(t.x[i], t.y[i], t.x[i + 1], t.y[i + 1]);
    return;
  }
  for (int i = 0; i < 3; ++i) DesenhaKoch(t.x[i], t.y[i], t.x[i + 1], t.y[i + 1], 0, Nivel, traca);
}

}  // namespace velquora
