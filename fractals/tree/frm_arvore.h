#pragma once

#include <QLabel>
#include <QScrollBar>
#include <cstdint>

#include "fractals/shell/single_level_window.h"

namespace velquora {

// The bifurcating tree of one level, 0 to 15, at a branching angle of 0 to
// 360 degrees.
class FrmArvore : public SingleLevelWindow {
  Q_OBJECT

 public:
  FrmArvore();

  QLabel* Label2 = nullptr;
  QLabel* LbAng = nullptr;
  QScrollBar* BrAng = nullptr;

  // The level of the last generation.
  std::int16_t Nivel = 0;

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;

 private:
  void Form_Load();
  // Shows the angle in LbAng; nothing is drawn.
  void BrAng_Change();
};

// What a tree of the level and branching angle shows, for screen readers.
QString ArvoreDescrita(int nivel, int angulo);

}  // namespace velquora
