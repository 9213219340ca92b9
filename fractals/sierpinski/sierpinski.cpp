#include "sierpinski.h"

#include <cmath>

#include "surface/geometry.h"

namespace velquora {

namespace {

std::int32_t pixel(double v) { return static_cast<std::int32_t>(ArredondaPar(v)); }

// 3^e computed in double precision and rounded, as the program counts.
std::int32_t potenciaDeTres(int e) { return static_cast<std::int32_t>(ArredondaPar(std::pow(3.0, e))); }

}  // namespace

void TabelaCantos::Redimensiona(int niveis, std::int32_t triangulos) {
  niveis_ = niveis;
  triangulos_ = triangulos;
  cantos_.assign(static_cast<std::size_t>(niveis + 1) * static_cast<std::size_t>(triangulos + 1), Canto{});
}

std::size_t TabelaCantos::indice(int i, std::int32_t j) const {
  return static_cast<std::size_t>(i) * static_cast<std::size_t>(triangulos_ + 1) + static_cast<std::size_t>(j);
}

double GeradorSierpinski::AlturaDaCaixa() {
  const float Lado = LadoInicial;
  const Canto c{};
  return Lado * std::sqrt(3.0) / 2 + c.y + 1;
}

double GeradorSierpinski::LarguraDaCaixa() {
  const float Lado = LadoInicial;
  const Canto c{};
  return Lado + c.x + 1;
}

TrianguloPixel GeradorSierpinski::CantosDoTriangulo() const {
  const float Lado = LadoInicial;
  const Canto c{};  // Cantos(1, 1)
  const float xDireita = Lado + c.x;
  const float xApice = Lado / 2 + c.x;
  const double yApice = Lado * std::sqrt(3.0) / 2 + c.y;
  const double d = divisor_;
  return {{{pixel(xDireita / d), pixel(c.y / d)},
           {pixel(xApice / d), pixel(yApice / d)},
           {pixel(c.x / d), pixel(c.y / d)}}};
}

TrianguloPixel GeradorSierpinski::CantosDoBuraco(float p, float q, float r) const {
  // The program's types: p + r / 2 is a single-precision sum, the terms with
  // the square root are double precision.
  const float xDireita = p + r / 2;
  const float xEsquerda = p - r / 2;
  const double yBase = q + r * std::sqrt(3.0) / 2;
  const double d = divisor_;
  return {{{pixel(xDireita / d), pixel(yBase / d)},
           {pixel(xEsquerda / d), pixel(yBase / d)},
           {pixel(p / d), pixel(q / d)}}};
}

void GeradorSierpinski::RetiraTriangulos(std::int16_t L, const RetiraTrianguloFn& RetiraTriangulo) {
  float Lado = LadoInicial;
  TabelaCantos Cantos;
  Cantos.Redimensiona(L, potenciaDeTres(L - 1));
  for (int i = 1; i <= L; ++i) {
    Lado = Lado / 2;
    const auto n = static_cast<std::int16_t>(potenciaDeTres(i - 1));
    for (std::int32_t j = 1; j <= n; ++j) {
      const Canto c = Cantos(i, j);
      const float p = Lado + c.x;
      const float q = c.y;
      const float r = Lado;
      RetiraTriangulo(p, q, r);
      if (i != L) {
        // Computed in double precision, kept in single precision.
        Cantos(i + 1, 3 * j - 2) = c;
        Cantos(i + 1, 3 * j - 1) = {static_cast<float>(static_cast<double>(Lado) + c.x), c.y};
        Cantos(i + 1, 3 * j) = {static_cast<float>(static_cast<double>(Lado) / 2 + c.x),
                                static_cast<float>(Lado * std::sqrt(3.0) / 2 + c.y)};
      }
    }
  }
}

void PreencheTriangulo(Canvas& superficie, const TrianguloPixel& pontos, Cor cor) {
  superficie.setFillColor(cor);
  superficie.setFillStyle(0);
  superficie.Polygon(pontos.data(), 3);
}

}  // namespace velquora
