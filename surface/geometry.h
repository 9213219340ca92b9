#pragma once
// Geometry and colour helpers shared by every fractal of the program.

#include <cstdint>

namespace velquora {

// A 24-bit colour value: red + 256 * green + 65536 * blue.
using Cor = std::uint32_t;

// Builds a colour from its components. A component above 255 counts as 255,
// one below 0 as 0 (the tree passes greens above 255 for its deep branches).
constexpr Cor RGB(int vermelho, int verde, int azul) {
  auto limita = [](int c) { return static_cast<Cor>(c < 0 ? 0 : c > 255 ? 255 : c); };
  return limita(vermelho) + 256 * limita(verde) + 65536 * limita(azul);
}

constexpr int Vermelho(Cor c) { return static_cast<int>(c & 0xFF); }
constexpr int Verde(Cor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Azul(Cor c) { return static_cast<int>((c >> 16) & 0xFF); }

// Direction of the vector (dx, dy), in radians; the vertical component comes
// first. The constants are the program's decimal values of pi, 2 pi and 3 pi,
// so a vector along +x gives 6.283185308, not 0, and one along -y (or the zero
// vector) gives 9.424777962 / 2.
double AnguloDirecao(double dy, double dx);

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t ArredondaPar(double valor);

}  // namespace velquora
