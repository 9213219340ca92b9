#pragma once

#include <QLabel>
#include <QPushButton>

#include "fractals/shell/form.h"

namespace velquora {

// The main menu: one button per fractal, each showing that fractal's mode
// chooser.
class FrmVelquora : public Form {
  Q_OBJECT

 public:
  FrmVelquora();

  // The largest window of the program.
  static constexpr TamanhoTwips AreaCliente{13800, 9060};

  QLabel* Label1 = nullptr;
  QPushButton* botCurvaKoch = nullptr;
  QPushButton* botFlocoNeve = nullptr;
  QPushButton* botTriagSierpinski = nullptr;
  QPushButton* botSierpinskiPt = nullptr;
  QPushButton* botCircular = nullptr;
  QPushButton* botCurvaPeano = nullptr;
  QPushButton* botConjCantor = nullptr;
  QPushButton* botArvore = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;

 private:
  void botCurvaKoch_Click();
  void botFlocoNeve_Click();
  void botTriagSierpinski_Click();
  void botSierpinskiPt_Click();
  void botCircular_Click();
  void botCurvaPeano_Click();
  void botConjCantor_Click();
  void botArvore_Click();
};

}  // namespace velquora
