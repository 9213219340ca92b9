#pragma once
// The program's icon and how the desktop knows the program by: the window
// icon and the desktop entry's name, which the menus, task bars and the
// installed files share.

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace velquora {

// The emblem's three snowflakes on a rounded square of the menu's colour,
// filling the square `area`. Drawn as vectors, so the same routine makes the
// SVG icon and a sharp picture at every size.
void DesenhaIcone(QPainter& pintor, const QRectF& area);

// The icon at whatever size and device pixel ratio it is asked for.
QIcon Icone();

// Gives the application its window icon and its desktop entry's name
// (VELQUORA_APP_ID, as installed in share/applications). Call once the
// QApplication exists.
void IdentificaPrograma();

}  // namespace velquora
