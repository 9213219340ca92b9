#include "fonte_aleatoria.h"

namespace velquora {

float FonteAleatoria::Rnd() {
  x_ = x_ * 1664525u + 1013904223u;  // modulo 2^32 by unsigned overflow
  return static_cast<float>(x_ >> 8) / static_cast<float>(1u << 24);
}

FonteAleatoria& FonteDoPrograma() {
  static FonteAleatoria fonte;
  return fonte;
}

}  // namespace velquora
