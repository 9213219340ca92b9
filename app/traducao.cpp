#include "traducao.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velquora {

bool CarregaTraducaoDoQt(QCoreApplication& app) {
  auto* traducao = new QTranslator(&app);
  // qtbase holds the texts of the widgets and dialogs the program uses.
  if (!traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traducao;
    return false;
  }
  return QCoreApplication::installTranslator(traducao);
}

}  // namespace velquora
