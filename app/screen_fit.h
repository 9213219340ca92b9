#pragma once
// The program's scale at start. Layouts are measured in pixels at 96 dots per
// inch, and the desktop's scale factor (150 %, 125 %) is honoured as it is, so
// every window keeps its physical size. On a screen whose available area is
// too small for the largest window at that factor, the program takes a lower
// one, just low enough for that window to fit.

#include <QSize>
#include <QSizeF>

namespace velquora {

// Room a window manager takes around a window's client area, in logical
// pixels: the caption bar and the borders.
inline constexpr QSize MolduraDaJanela{16, 40};

struct EscalaDoPrograma {
  // Qt's scale factor: device pixels to a logical pixel.
  double fator = 1;
  // The program's own scale of its layouts (see EscalaDoLeiaute).
  double leiaute = 1;
};

// The scale at which a window whose client area is `janela` logical pixels,
// with a frame of `moldura` around it, fits an available area of
// `disponivel` device pixels. The desktop's `fatorDaTela` when the window
// fits at it; else the largest factor at which it fits, but not below 1,
// for Qt's widgets draw nothing sound below it; and where even 1 is too
// much, the layouts shrink instead, just enough.
EscalaDoPrograma EscalaQueCabe(QSizeF janela, QSizeF moldura, QSizeF disponivel, double fatorDaTela);

// Run before the application object is made: asks the primary screen for its
// available area and factor and, when the main menu would not fit, sets
// QT_SCALE_FACTOR and the layout scale so that it does. Any QT_SCALE_FACTOR
// given by the user is kept as a multiplier.
void AjustaEscalaATela(int& argc, char** argv);

}  // namespace velquora
