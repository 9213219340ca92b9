#include "tetracirculo.h"

#include <cmath>

namespace velquora {

Cor CorDaGeracao(int n) {
  switch (n) {
    case 1: return RGB(100, 180, 80);
    case 2: return RGB(250, 120, 200);
    case 3: return RGB(250, 220, 0);
    case 4: return RGB(80, 200, 200);
    case 5: return RGB(120, 240, 0);
    default: return n <= 0 ? RGB(240, 200, 160) : RGB(0, 20, 160);
  }
}

void GeraTetracirculo(Canvas& tela, double x, double y, double r, std::int16_t level) {
  const double d = r / (std::sqrt(2.0) + 1);
  const auto n = static_cast<std::int16_t>(level - 1);
  const double xs[4] = {x - d, x + d, x + d, x - d};
  const double ys[4] = {y + d, y + d, y - d, y - d};
  for (int i = 0; i < 4; ++i) {
    tela.setFillStyle(0);
    tela.setFillColor(CorDaGeracao(n));
    if (n <= 0) {
      tela.Circle(xs[i], ys[i], d);
    } else {
      // A small colour value: RGB(n, 0, 0), a black to the eye.
      tela.Circle(xs[i], ys[i], d, static_cast<Cor>(n));
      GeraTetracirculo(tela, xs[i], ys[i], d, n);
    }
  }
}

}  // namespace velquora
