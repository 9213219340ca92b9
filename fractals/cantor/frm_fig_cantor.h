#pragma once

#include "fractals/cantor/cantor.h"
#include "fractals/shell/level_sequence_window.h"

namespace velquora {

// The Cantor set at levels 0, 1, 2 and 5 side by side, each on the line
// y = 1800 twips of its panel. A label clicked while another level draws
// draws its own level in its own panel; the interrupted drawing then
// finishes its level in its panel.
class FrmFigCantor : public LevelSequenceWindow, public ConjuntoCantor {
  Q_OBJECT

 public:
  FrmFigCantor();

 protected:
  void DesenhaNivel() override;
  void TracaSegmento(std::int32_t nivel) override;
};

}  // namespace velquora
