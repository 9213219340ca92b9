#pragma once

#include <cstdint>

#include "fractals/shell/level_sequence_window.h"

namespace velquora {

// The Tetracírculo at levels 0, 1, 2 and 5 side by side.
class FrmFigCircular : public LevelSequenceWindow {
  Q_OBJECT

 public:
  FrmFigCircular();

  // Draws, on the panel of NivelAtual and inside the circle (x, y), r already
  // drawn there, the level generations that follow it.
  void Gera(double x, double y, double r, std::int16_t level);

 protected:
  void DesenhaNivel() override;
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
};

}  // namespace velquora
