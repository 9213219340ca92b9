#include "cantor.h"

#include <cmath>

#include "surface/geometry.h"

namespace velquora {

void RodadaCantor(QString& cadeia) {
  cadeia.replace(QStringLiteral("0"), QStringLiteral("000"));
  cadeia.replace(QStringLiteral("1"), QStringLiteral("101"));
}

std::int32_t CelulasCantor(std::int32_t nivel) {
  return static_cast<std::int32_t>(ArredondaPar(std::pow(3.0, nivel)));
}

bool ConjuntoCantor::Substituir(std::int32_t nivel) {
  const int desenho = desenhos_;
  QString cadeia = QStringLiteral("1");
  Cadeia = cadeia;
  for (std::int32_t k = 1; k <= nivel; ++k) {
    RodadaCantor(cadeia);
    Cadeia = cadeia;
    if (!janela_.Cede()) return false;
    if (desenhos_ != desenho && dados_ == DadosDoDesenho::Correntes) return true;
  }
  Cadeia = cadeia;
  return true;
}

void ConjuntoCantor::DesenhaCantor(std::int32_t nivel) {
  ++desenhos_;
  NumSegmentos = CelulasCantor(nivel);
  Divisao.assign(static_cast<std::size_t>(NumSegmentos) + 1, 0.0);
  for (std::int32_t i = 0; i < NumSegmentos; ++i) {
    Divisao[static_cast<std::size_t>(i)] = XInicio + static_cast<double>(i) / NumSegmentos * (XFim - XInicio);
  }
  Divisao[static_cast<std::size_t>(NumSegmentos)] = XFim;
  Divisao[0] = XInicio;
  const std::vector<double> divisao = Divisao;
  if (!Substituir(nivel)) return;
  const std::int32_t numSegmentos = CelulasCantor(nivel);
  const QString cadeia = Cadeia;
  const bool proprios = dados_ == DadosDoDesenho::Proprios;

  // Unless the drawing keeps its own data, NumSegmentos, Cadeia and Divisao
  // are read at every step: a drawing nested in a yield may have replaced
  // them. The last round (i = NumSegmentos) has no character and draws
  // nothing.
  for (std::int32_t i = 0; i <= (proprios ? numSegmentos : NumSegmentos); ++i) {
    if (!janela_.Cede()) return;
    const QString& c = proprios ? cadeia : Cadeia;
    const std::vector<double>& d = proprios ? divisao : Divisao;
    const auto celula = static_cast<std::size_t>(i);
    if (celula < static_cast<std::size_t>(c.size()) && celula + 1 < d.size() && c[i] == QLatin1Char('1')) {
      XB = d[celula + 1];
      XA = d[celula];
      TracaSegmento(nivel);
    }
  }
}

}  // namespace velquora
