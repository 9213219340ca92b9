#pragma once

#include <cstdint>

#include "fractals/shell/level_sequence_window.h"

namespace velquora {

// The Koch snowflake at levels 0, 1, 2 and 6 side by side.
class FrmFigFlocoNeve : public LevelSequenceWindow {
  Q_OBJECT

 public:
  FrmFigFlocoNeve();

  // The stopping level of DesenhaKoch.
  std::int16_t Nivel = 0;

 protected:
  void DesenhaNivel() override;
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
  void TracaSegmento(double x1, double y1, double x2, double y2);
};

}  // namespace velquora
