#pragma once
// The Cantor set as both of its windows build it: a digit string with one
// character per equal cell of the level-0 segment ("1" kept, "0" removed),
// made by textual rewriting, and one segment drawn for every "1".
//
// The drawing yields to the event loop once per rewriting round and once per
// cell, so the window repaints and reacts while it draws. A click handled in
// a yield runs to completion there, possibly as a whole drawing of its own.
// In the single-level window the interrupted loop then goes on with its next
// index over whatever data are current by then, which is why every step reads
// the fields afresh. The sequence window draws each level in its own panel,
// so there every drawing keeps its own level and data to its end.

#include <QString>
#include <cstdint>
#include <vector>

#include "fractals/shell/form.h"

namespace velquora {

// One rewriting round: every "0" becomes "000", then every "1" becomes "101".
// In the other order the zeros the second pass makes would be expanded in the
// same round.
void RodadaCantor(QString& cadeia);

// The cells of a level: 3 to the power of the level, rounded.
std::int32_t CelulasCantor(std::int32_t nivel);

// The fields and routines of a Cantor set window. A window inherits it next
// to its shell, sets XInicio and XFim, and draws a cell in TracaSegmento.
class ConjuntoCantor {
 public:
  std::int32_t NumSegmentos = 0;  // cells of the current level
  double XFim = 0;                // right end of the level-0 segment
  double XInicio = 0;             // left end of the level-0 segment
  std::vector<double> Divisao;    // cell i runs from Divisao[i] to Divisao[i + 1]
  QString Cadeia;                 // one digit per cell, left to right
  double XA = 0;                  // ends of the segment being drawn
  double XB = 0;

  // Builds Cadeia for the level: "1", then one rewriting round per level,
  // yielding after each. False when the window was closed meanwhile. A
  // drawing nested in one of the yields leaves its own complete string; the
  // rounds stop then, rather than rewriting that string again (each further
  // round would triple it, and a few nested drawings would exhaust memory).
  // A drawing that keeps its own data finishes its own string instead.
  bool Substituir(std::int32_t nivel);

 protected:
  // Whether a drawing interrupted by another keeps its own level, cells and
  // string to its end (true), or goes on over the other's (false).
  enum class DadosDoDesenho { Proprios, Correntes };

  explicit ConjuntoCantor(Form& janela, DadosDoDesenho dados = DadosDoDesenho::Correntes)
      : janela_(janela), dados_(dados) {}
  ~ConjuntoCantor() = default;
  ConjuntoCantor(const ConjuntoCantor&) = delete;
  ConjuntoCantor& operator=(const ConjuntoCantor&) = delete;

  // Builds Divisao and Cadeia for the level and draws the kept cells, left
  // to right. Ends early, touching nothing more, when the window is closed.
  void DesenhaCantor(std::int32_t nivel);

  // Draws the segment XA-XB of a drawing of the level.
  virtual void TracaSegmento(std::int32_t nivel) = 0;

 private:
  Form& janela_;
  DadosDoDesenho dados_;
  int desenhos_ = 0;  // drawings started, nested ones included
};

}  // namespace velquora
