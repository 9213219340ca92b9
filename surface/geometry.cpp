#include "geometry.h"

#include <cmath>

namespace velquora {

double AnguloDirecao(double dy, double dx) {
  if (dx != 0) {
    double a = std::atan(dy / dx);
    if (dx <= 0) {
      a = a + 3.141592654;
    } else if (dy <= 0) {
      a = a + 6.283185308;
    }
    return a;
  }
  return dy > 0 ? 3.141592654 / 2 : 9.424777962 / 2;
}

std::int64_t ArredondaPar(double valor) {
  // The default floating-point environment rounds to nearest, ties to even.
  return static_cast<std::int64_t>(std::nearbyint(valor));
}

}  // namespace velquora
