#pragma once
// Qt's own texts (the scroll bar's context menu, the buttons of a message
// box) in Brazilian Portuguese, as every text of the program is, whatever
// the user's locale.

#include <QCoreApplication>

namespace velquora {

// Loads Qt's Brazilian Portuguese translation into the application. Without
// the translation files the program goes on with Qt's English texts; the
// result says whether they were found.
bool CarregaTraducaoDoQt(QCoreApplication& app);

}  // namespace velquora
