#include "screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "app/frm_velquora.h"

namespace velquora {

EscalaDoPrograma EscalaQueCabe(QSizeF janela, QSizeF moldura, QSizeF disponivel, double fatorDaTela) {
  EscalaDoPrograma e;
  e.fator = fatorDaTela;
  if (janela.isEmpty()) return e;
  const QSizeF inteira = janela + moldura;
  const double cabe = std::min(disponivel.width() / inteira.width(), disponivel.height() / inteira.height());
  if (cabe >= fatorDaTela) return e;
  e.fator = std::max(1.0, cabe);
  if (cabe < e.fator) {
    // The frame keeps its size; only the client area shrinks.
    const double folgaX = disponivel.width() / e.fator - moldura.width();
    const double folgaY = disponivel.height() / e.fator - moldura.height();
    e.leiaute = std::clamp(std::min(folgaX / janela.width(), folgaY / janela.height()), 0.25, 1.0);
  }
  return e;
}

void AjustaEscalaATela(int& argc, char** argv) {
  double fator = 0;
  QSizeF disponivel;
  {
    // A first, windowless look at the screen; the application proper starts
    // afresh with the factor chosen.
    // It gets a copy of the arguments: it takes Qt's own out of what it is
    // given, and the application proper must still see them.
    std::vector<char*> copia(argv, argv + argc);
    copia.push_back(nullptr);
    int quantos = argc;
    const QGuiApplication sonda(quantos, copia.data());
    const QScreen* tela = QGuiApplication::primaryScreen();
    if (tela == nullptr) return;
    fator = tela->devicePixelRatio();
    disponivel = QSizeF(tela->availableGeometry().size()) * fator;
  }
  const EscalaDoPrograma e = EscalaQueCabe(FrmVelquora::AreaCliente.pixels(), MolduraDaJanela, disponivel, fator);
  setEscalaDoLeiaute(e.leiaute);
  if (e.fator == fator) return;
  const double doUsuario = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
  qputenv("QT_SCALE_FACTOR", QByteArray::number((doUsuario > 0 ? doUsuario : 1.0) * e.fator / fator, 'g', 6));
}

}  // namespace velquora
