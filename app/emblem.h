#pragma once

#include <QImage>

namespace velquora {

// The main menu's emblem, 166 x 110 pixels: a Koch snowflake of level 3 on
// the menu's dark background.
QImage Emblema();

}  // namespace velquora
