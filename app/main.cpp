#include <QApplication>

#include "app/frm_velquora.h"
#include "app/icon.h"
#include "app/window_slot.h"

int main(int argc, char* argv[]) {
  // Layouts are in pixels at 96 dots per inch; a screen of twice that density
  // doubles them, one close to it keeps them as they are.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  velquora::IdentificaPrograma();
  QApplication::setStyle(QStringLiteral("Fusion"));
  velquora::Mostra<velquora::FrmVelquora>();
  return QApplication::exec();
}
