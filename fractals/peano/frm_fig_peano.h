#pragma once

#include <cstdint>

#include "fractals/peano/peano.h"
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

  // Where the curve starts; tests move it to make the error trap spring.
  SegmentoPeano Inicio = InicioPeano;

 private:
  void Form_Load();
};

}  // namespace velquora
