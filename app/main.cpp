#include <QApplication>

#include "app/frm_velquora.h"
#include "app/icon.h"
#include "app/linha_de_comando.h"
#include "app/screen_fit.h"
#include "app/traducao.h"
#include "app/window_slot.h"

int main(int argc, char* argv[]) {
  if (const auto fim = velquora::ConfereLinhaDeComando(argc, argv)) return *fim;
  // Layouts are in physical units: the desktop's scale factor is taken as it
  // is (150 % stays 150 %), lowered only where the menu would not fit.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  velquora::AjustaEscalaATela(argc, argv);
  QApplication app(argc, argv);
  if (const auto fim = velquora::PartidaConcluida(argc, argv)) return *fim;
  velquora::IdentificaPrograma();
  QApplication::setStyle(QStringLiteral("Fusion"));
  velquora::CarregaTraducaoDoQt(app);
  velquora::Mostra<velquora::FrmVelquora>();
  return QApplication::exec();
}
