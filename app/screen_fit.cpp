#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/frm_velquora.h"

namespace velquora {

double FatorQueCabe(QSizeF janela, QSizeF disponivel, double fatorDaTela, double minimo) {
  if (janela.isEmpty()) return fatorDaTela;
  const double cabe = std::min(disponivel.width() / janela.width(), disponivel.height() / janela.height());
  return std::max(minimo, std::min(fatorDaTela, cabe));
}

void AjustaEscalaATela(int& argc, char** argv) {
  double fator = 0;
  QSizeF disponivel;
  {
    // A first, windowless look at the screen; the application proper starts
    // afresh with the factor chosen.
    const QGuiApplication sonda(argc, argv);
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (tela == nullptr) return;
    fator = tela->devicePixelRatio();
    disponivel = QSizeF(tela->availableGeometry().size()) * fator;
  }
  const QSizeF menu = FrmVelquora::AreaCliente.pixels() + MolduraDaJanela;
  const double escolhido = FatorQueCabe(menu, disponivel, fator);
  if (escolhido == fator) return;
  const double doUsuario = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
  qputenv("QT_SCALE_FACTOR", QByteArray::number((doUsuario > 0 ? doUsuario : 1.0) * escolhido / fator, 'g', 6));
}

}  // namespace velquora
