#pragma once

#include "fractals/shell/single_level_window.h"
#include "fractals/sierpinski_points/jogo_do_caos.h"

namespace velquora {

// The Sierpinski triangle from random points: each press of
// "Gerar" plays a batch of 10,000 on top of what is drawn and raises the
// count in LabNivel by 10,000, up to 1,000,000. No level, no scroll bar.
class frmSierpinski_Pontos : public SingleLevelWindow, public JogoDoCaos {
  Q_OBJECT

 public:
  frmSierpinski_Pontos();

  // The count at which "Gerar" stops doing anything.
  static constexpr std::int32_t LimiteDePontos = 1000000;

  // The source this window draws from: the program's one source.
  FonteAleatoria& fonte() const { return FonteDoPrograma(); }

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;
  void botApagar_Click() override;

 private:
  void Form_Load();
};

}  // namespace velquora
