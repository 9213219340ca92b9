#pragma once

#include <cstdint>

#include "fractals/shell/level_sequence_window.h"

namespace velquora {

// The bifurcating tree at levels 0, 1, 2 and 10 side by side, branching at
// 90 degrees.
class FrmFigArvore : public LevelSequenceWindow {
  Q_OBJECT

 public:
  FrmFigArvore();

  // The level being drawn.
  std::int16_t Nivel = 0;

 protected:
  void DesenhaNivel() override;
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
  // A segment in RGB(red, green, blue) on the panel of the level.
  void TracaSegmento(std::int16_t level, double x1, double y1, double x2, double y2, std::int16_t red,
                     std::int16_t green, std::int16_t blue);
};

}  // namespace velquora
