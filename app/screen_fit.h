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

// The scale factor at which a window of `janela` logical pixels, frame
// included, fits an available area of `disponivel` device pixels: the
// desktop's `fatorDaTela` when it fits at it, else the largest that fits,
// but never below `minimo` (Qt widgets draw nothing sound below 1).
double FatorQueCabe(QSizeF janela, QSizeF disponivel, double fatorDaTela, double minimo = 1.0);

// Run before the application object is made: asks the primary screen for its
// available area and factor and, when the main menu would not fit, sets
// QT_SCALE_FACTOR so that it does. Any QT_SCALE_FACTOR given by the user is
// kept as a multiplier.
void AjustaEscalaATela(int& argc, char** argv);

}  // namespace velquora
