#pragma once

#include <cstdint>

#include "fractals/shell/single_level_window.h"

namespace velquora {

// The Tetracírculo of one level, 0 to 5, in pixels on `Figura`.
class FrmCirculo : public SingleLevelWindow {
  Q_OBJECT

 public:
  FrmCirculo();

  // Draws, inside the circle (x, y), r already drawn, the level generations
  // that follow it.
  void Gera(double x, double y, double r, std::int16_t level);

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;

 private:
  void Form_Load();
};

}  // namespace velquora
