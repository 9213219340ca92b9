#pragma once

#include <QImage>
#include <QPointF>
#include <array>
#include <cstdint>
#include <vector>

#include "surface/geometry.h"

namespace velquora {

// One of the emblem's three nested snowflakes: its side in the emblem's user
// units (the menu's picture spans (-151, 100)-(151, -100)), level and colour.
struct FlocoEmblema {
  double lado;
  std::int16_t nivel;
  Cor cor;
};

// Outermost first, each drawn over the one before.
inline constexpr std::array<FlocoEmblema, 3> FlocosEmblema{{
    {160, 4, RGB(40, 110, 200)},
    {105, 3, RGB(90, 170, 240)},
    {55, 2, RGB(235, 245, 255)},
}};

// The emblem's background, the menu's own.
inline constexpr Cor FundoEmblema = RGB(64, 64, 64);

// The closed outline of a Koch snowflake of that side and level centred on
// the origin, y up, in the order the generator draws it. It fits within a
// circle of radius lado / sqrt(3).
std::vector<QPointF> ContornoFloco(double lado, std::int16_t nivel);

// The main menu's emblem, 166 x 110 pixels: a Koch snowflake of level 3 on
// the menu's dark background. Drawn at the device pixel ratio given: an image
// of that many device pixels to a pixel, carrying the ratio.
QImage Emblema(qreal razao = 1);

}  // namespace velquora
