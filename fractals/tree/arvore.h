#pragma once
// The bifurcating tree: every segment forks at its end into two branches 0.6
// times its length, turned half the branching angle either way.

#include <cmath>
#include <cstdint>

#include "surface/geometry.h"

namespace velquora {

// The colour components of a depth, as the drawing routines hand them on:
// greens above 255 are kept here and count as 255 in RGB.
struct CorDaProfundidade {
  std::int16_t vermelho;
  std::int16_t verde;
  std::int16_t azul;

  explicit CorDaProfundidade(std::int16_t n)
      : vermelho(n == 0 ? 65 : 0),
        verde(n == 0 ? 65 : static_cast<std::int16_t>(20 * n + 70)),
        azul(n == 0 ? 33 : 0) {}

  Cor cor() const { return RGB(vermelho, verde, azul); }
};

// The trunk, from A = (0, -140) up to B = (0, -40); it is drawn in the colour
// of depth 0 before the forks.
inline constexpr double TroncoX1 = 0, TroncoY1 = -140, TroncoX2 = 0, TroncoY2 = -40;

// Forks the segment (x1, y1)-(x2, y2) of depth n at its end and, while
// n + 1 <= Nivel, draws the subtree of the clockwise branch, then that of the
// counter-clockwise one, then this call's own three segments (the segment
// and its two branches) through traca(x1, y1, x2, y2, CorDaProfundidade) in
// the colour of depth n. angulo() gives the branching angle in degrees and
// is read anew at every fork. Called on the trunk with n = 0 and Nivel >= 1,
// it draws 3 * (2^Nivel - 1) segments.
template <class Angulo, class Traca>
void DesenhaArvore(double x1, double y1, double x2, double y2, std::int16_t n, std::int16_t Nivel,
                   Angulo&& angulo, Traca&& traca) {
  const CorDaProfundidade cor(n);
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double L = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2)) * 0.6;
  const double a = angulo();
  const double delta = -(a * 3.141592654 / 360) - 3.141592654 / 2;
  const double teta = AnguloDirecao(dy, dx);
  const double fi1 = teta + delta;
  const double fi2 = teta - delta;
  double x[4];
  double y[4];
  x[0] = x1;
  y[0] = y1;
  x[1] = x2;
  y[1] = y2;
  x[2] = x2 - std::sin(fi1) * L;
  y[2] = y2 + std::cos(fi1) * L;
  x[3] = x2 + std::sin(fi2) * L;
  y[3] = y2 - std::cos(fi2) * L;
  if (n + 1 <= Nivel) {
    const auto filho = static_cast<std::int16_t>(n + 1);
    DesenhaArvore(x[1], y[1], x[2], y[2], filho, Nivel, angulo, traca);
    DesenhaArvore(x[1], y[1], x[3], y[3], filho, Nivel, angulo, traca);
    traca(x[0], y[0], x[1], y[1], cor);
    traca(x[1], y[1], x[2], y[2], cor);
    traca(x[1], y[1], x[3], y[3], cor);
  }
}

}  // namespace velquora
