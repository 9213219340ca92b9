#include <QApplication>

#include "app/frm_velquora.h"
#include "app/linha_de_comando.h"
#include "app/window_slot.h"

int main(int argc, char* argv[]) {
  if (const auto fim = velquora::ConfereLinhaDeComando(argc, argv)) return *fim;
  // Layouts are in pixels at 96 dots per inch; a screen of twice that density
  // doubles them, one close to it keeps them as they are.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  if (const auto fim = velquora::PartidaConcluida(argc, argv)) return *fim;
  QApplication::setStyle(QStringLiteral("Fusion"));
  velquora::Mostra<velquora::FrmVelquora>();
  return QApplication::exec();
}
