#include <QApplication>

#include "app/frm_velquora.h"
#include "app/screen_fit.h"
#include "app/window_slot.h"

int main(int argc, char* argv[]) {
  // Layouts are in physical units: the desktop's scale factor is taken as it
  // is (150 % stays 150 %), lowered only where the menu would not fit.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  velquora::AjustaEscalaATela(argc, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  velquora::Mostra<velquora::FrmVelquora>();
  return QApplication::exec();
}
