#pragma once

#include <cstdint>

#include "fractals/peano/peano.h"
#include "fractals/shell/single_level_window.h"

namespace velquora {

// The Peano curve of one level, 0 to 6. It opens in the screen's top-left
// corner.
class FrmPeano : public SingleLevelWindow {
  Q_OBJECT

 public:
  FrmPeano();

  std::int16_t Nivel = 0;

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;

  // Where the curve starts; tests move it to make the error trap spring.
  SegmentoPeano Inicio = InicioPeano;

 private:
  void Form_Load();
};

}  // namespace velquora
