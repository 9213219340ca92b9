#pragma once
// The Tetracírculo: inside a circle of radius r, four equal circles of radius
// r / (sqrt 2 + 1) that touch one another and the circle holding them, and so
// on inward. Each generation has its fill colour, counted from the innermost.

#include <cstdint>

#include "surface/canvas.h"

namespace velquora {

// Fill of the level-0 circle.
inline constexpr Cor CorDoCirculoInicial = RGB(255, 120, 60);

// Fill of a circle inside which n generations are still to be drawn; 0 or
// less is the innermost generation.
Cor CorDaGeracao(int n);

// Draws the four children of the circle (x, y), r already on the surface, in
// the order lower left, lower right, upper right, upper left (pixels, y
// down), and, depth-first, the level - 1 generations inside each of them.
// The innermost generation is outlined in the foreground colour, the others
// in the colour value of the generations still to come.
void GeraTetracirculo(Canvas& tela, double x, double y, double r, std::int16_t level);

}  // namespace velquora
