#pragma once
// Window layouts are written in twips (1/1440 inch); the screen is taken at
// 96 dots per inch, so 15 twips make one pixel.

#include <QRect>
#include <QSize>

#include "geometry.h"

namespace velquora {

inline constexpr int TwipsPorPixel = 15;

// The program's own scale of its layouts, 1 unless the screen is too small
// for the main menu even at 100 %: then every window, control, font and
// drawing box is that much smaller (the figures in them follow through the
// device pixel ratio of their surfaces). Set once, before any window.
namespace detalhe {
inline double escalaDoLeiaute = 1;
}
inline double EscalaDoLeiaute() { return detalhe::escalaDoLeiaute; }
inline void setEscalaDoLeiaute(double escala) { detalhe::escalaDoLeiaute = escala > 0 && escala <= 1 ? escala : 1; }

inline int Pixels(double twips) { return static_cast<int>(ArredondaPar(twips / TwipsPorPixel * EscalaDoLeiaute())); }

// A control's place in its container as a layout gives it: left, top, width
// and height in twips.
struct Twips {
  int esquerda = 0;
  int topo = 0;
  int largura = 0;
  int altura = 0;

  constexpr bool vazio() const { return largura == 0 && altura == 0; }
  QRect pixels() const { return QRect(Pixels(esquerda), Pixels(topo), Pixels(largura), Pixels(altura)); }
};

// A client area in twips.
struct TamanhoTwips {
  int largura = 0;
  int altura = 0;

  QSize pixels() const { return QSize(Pixels(largura), Pixels(altura)); }
};

// Font sizes are given in points; at 96 dots per inch a point is 4/3 pixel
// (14.25 pt -> 19 px, 18 pt -> 24 px).
inline int PixelsDaFonte(double pontos) {
  return static_cast<int>(ArredondaPar(pontos * 96 / 72 * EscalaDoLeiaute()));
}

}  // namespace velquora
