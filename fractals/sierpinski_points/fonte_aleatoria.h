#pragma once
// The pseudo-random source of the program: single-precision reals in [0, 1),
// never seeded, so that every run repeats the same sequence of draws.
//
// A 32-bit linear congruential generator, x <- (1664525 x + 1013904223) mod
// 2^32 from a fixed start, each draw being the upper 24 bits of x over 2^24:
// a multiple of 2^-24 below 1, exact in single precision. The sequence begins
// 0.5164049, 0.1309216, 0.5447306.

#include <cstdint>

namespace velquora {

class FonteAleatoria {
 public:
  // The next draw, in [0, 1).
  float Rnd();

  // Where the sequence stands; equal states give equal draws from then on.
  std::uint32_t estado() const { return x_; }

 private:
  std::uint32_t x_ = 20261208;
};

// The one source of the whole program, which both points windows draw from in
// turn. Created on first use and never seeded.
FonteAleatoria& FonteDoPrograma();

}  // namespace velquora
