#include <QApplication>

#include "app/frm_velquora.h"
#include "app/traducao.h"
#include "app/window_slot.h"

int main(int argc, char* argv[]) {
  // Layouts are in pixels at 96 dots per inch; a screen of twice that density
  // doubles them, one close to it keeps them as they are.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  velquora::CarregaTraducaoDoQt(app);
  velquora::Mostra<velquora::FrmVelquora>();
  return QApplication::exec();
}
