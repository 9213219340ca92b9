#pragma once

#include <cstdint>

#include "fractals/shell/level_sequence_window.h"

namespace velquora {

// The Peano curve at levels 0, 1, 2 and 5 side by side.
class FrmFigPeano : public LevelSequenceWindow {
  Q_OBJECT

 public:
  FrmFigPeano();

  std::int16_t Nivel = 0;

 protected:
  void DesenhaNivel() override;
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
};

}  // namespace velquora
