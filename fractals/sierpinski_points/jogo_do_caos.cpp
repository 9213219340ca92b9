#include "jogo_do_caos.h"

#include <cmath>

#include "surface/geometry.h"

namespace velquora {

JogoDoCaos::Triangulo JogoDoCaos::TrianguloDoJogo() const {
  return {std::floor(0.2 * Largura), std::floor(0.2 * Altura)};
}

void JogoDoCaos::MedeSuperficie(double larguraTwips, double alturaTwips) {
  Largura = static_cast<std::int16_t>(ArredondaPar(larguraTwips / 3.5));
  Altura = static_cast<std::int16_t>(ArredondaPar(alturaTwips / 3.5));
}

void JogoDoCaos::SorteiaInicio(FonteAleatoria& fonte) {
  const double r = fonte.Rnd();
  const double r2 = fonte.Rnd();
  PX = static_cast<std::int16_t>(std::floor(r * 100));
  PY = static_cast<std::int16_t>(std::floor(r2 * 75));
}

void JogoDoCaos::JogaPontos(Canvas& superficie, FonteAleatoria& fonte) {
  const auto [a, b] = TrianguloDoJogo();
  auto cor = [this](int vermelho, int verde, int azul) {
    Vermelho = static_cast<std::int16_t>(vermelho);
    Verde = static_cast<std::int16_t>(verde);
    Azul = static_cast<std::int16_t>(azul);
  };
  auto metade = [](double v) { return static_cast<std::int16_t>(std::floor(v / 2)); };
  Contador = 1;
  while (Contador < NumPontos) {
    const int k = static_cast<int>(std::floor(static_cast<double>(fonte.Rnd()) * 3));
    if (k == 0) {
      PX = metade(PX);
      PY = metade(PY);
      cor(200, 10, 10);
    } else if (k == 1) {
      PX = metade(a + PX);
      PY = metade(PY);
      cor(10, 200, 10);
    } else if (k == 2) {
      PX = metade(a / 2 + PX);
      PY = metade(PY + b);
      cor(10, 10, 200);
    }
    if (Contador > 20) {
      superficie.PSet(static_cast<float>(0.05 * a + PX), static_cast<float>(0.05 * b + PY), RGB(Vermelho, Verde, Azul));
    }
    Contador = Contador + 1;
  }
}

}  // namespace velquora
