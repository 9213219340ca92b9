#pragma once
// Run-time errors of the program. Each carries its number, the one a user is
// shown where a window traps errors (6 for an overflow). Generators and
// drawing calls raise them; the windows that trap them catch them at the top
// of their handler (caixa_erro.h).

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>

namespace velquora {

inline constexpr int ErroChamadaInvalida = 5;  // an argument outside a function's domain
inline constexpr int ErroEstouro = 6;          // overflow
inline constexpr int ErroMemoria = 7;          // out of memory
inline constexpr int ErroIndice = 9;           // index outside a table
inline constexpr int ErroDivisaoPorZero = 11;

class ErroExecucao : public std::runtime_error {
 public:
  explicit ErroExecucao(int numero) : std::runtime_error("run-time error " + std::to_string(numero)), numero_(numero) {}

  int Numero() const { return numero_; }

 private:
  int numero_;
};

// A coordinate narrowed to single precision, as the drawing calls take it.
// A value beyond the single range (or not a number at all) is an overflow
// rather than an infinity drawn nowhere.
inline float Simples(double valor) {
  if (!(std::abs(valor) <= FLT_MAX)) throw ErroExecucao(ErroEstouro);
  return static_cast<float>(valor);
}

}  // namespace velquora
