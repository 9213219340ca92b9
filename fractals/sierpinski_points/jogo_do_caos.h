#pragma once
// The chaos game of the two points windows: from a random
// start point, move halfway towards a corner of the triangle chosen at random,
// again and again, and plot each point in the colour of its corner. Every
// coordinate is brought down to a whole pixel after each move.
//
// The fields of the points windows are the members of this struct; a points
// window is one of these and plays its batches through it.

#include <cstdint>

#include "fractals/sierpinski_points/fonte_aleatoria.h"
#include "surface/canvas.h"

namespace velquora {

struct JogoDoCaos {
  // The size of the drawing surface in twips divided by 3.5, rounded to the
  // nearest integer (a half going to the even one). Set at load.
  std::int16_t Largura = 0;
  std::int16_t Altura = 0;
  // The batch bound and the iteration counter of the batch.
  std::int32_t NumPontos = 0;
  std::int32_t Contador = 0;
  // The current point, in whole pixels.
  std::int16_t PX = 0;
  std::int16_t PY = 0;
  // The colour of the corner moved towards last.
  std::int16_t Vermelho = 0;
  std::int16_t Verde = 0;
  std::int16_t Azul = 0;

  // The triangle of the game: base a = floor(0.2 Largura), height b =
  // floor(0.2 Altura). Its corners are (0, 0), (a, 0) and (a / 2, b), and
  // every point is plotted shifted by (0.05 a, 0.05 b).
  struct Triangulo {
    double a;
    double b;
  };
  Triangulo TrianguloDoJogo() const;

  // Largura and Altura from the surface's width and height in twips.
  void MedeSuperficie(double larguraTwips, double alturaTwips);

  // The start point from two successive draws r, r': PX = floor(100 r), PY =
  // floor(75 r'), so PX lies in 0..99 and PY in 0..74.
  void SorteiaInicio(FonteAleatoria& fonte);

  // The batch: Contador runs from 1 while it is below NumPontos; each turn
  // draws k = floor(3 r), moves the point towards corner k, takes its colour,
  // and from the 21st turn on plots the point with PSet. So NumPontos - 1
  // moves and NumPontos - 21 points.
  void JogaPontos(Canvas& superficie, FonteAleatoria& fonte);
};

// The colours of the three corners: red upper left, green upper right, blue
// lower apex.
inline constexpr Cor CorDoCanto[3] = {RGB(200, 10, 10), RGB(10, 200, 10), RGB(10, 10, 200)};

}  // namespace velquora
