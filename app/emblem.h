#pragma once

#include <QImage>

namespace velquora {

// The main menu's emblem, 166 x 110 pixels: a Koch snowflake of level 3 on
// the menu's dark background. Drawn at the device pixel ratio given: an image
// of that many device pixels to a pixel, carrying the ratio.
QImage Emblema(qreal razao = 1);

}  // namespace velquora
