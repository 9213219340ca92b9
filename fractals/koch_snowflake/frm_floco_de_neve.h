#pragma once

#include <cstdint>

#include "fractals/shell/single_level_window.h"

namespace velquora {

// The Koch snowflake of one level, 0 to 6.
class FrmFlocoDeNeve : public SingleLevelWindow {
  Q_OBJECT

 public:
  FrmFlocoDeNeve();

  // The stopping level of DesenhaKoch, copied from BrNivel by "Gerar".
  std::int16_t Nivel = 0;

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;

 private:
  void Form_Load();
};

}  // namespace velquora
