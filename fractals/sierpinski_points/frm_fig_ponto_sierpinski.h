#pragma once

#include <array>
#include <cstdint>

#include "fractals/shell/level_sequence_window.h"
#include "fractals/sierpinski_points/jogo_do_caos.h"

namespace velquora {

// The chaos game in four panels, for 2,500, 5,000, 25,000 and 50,000 points.
// A click on a panel's label plays one batch of that number in that panel;
// the panel is chosen by the count, not by a level.
class FrmFigPontoSierpinski : public LevelSequenceWindow, public JogoDoCaos {
  Q_OBJECT

 public:
  FrmFigPontoSierpinski();

  // The count of the label clicked last; it also picks the panel.
  std::int32_t PontosPedidos = 0;

  // Index 0..3 of the panel of a count: 2500 -> Fig1, 5000 -> Fig2, 25000 ->
  // Fig3, any other count -> Fig4.
  static int IndicePainelDaContagem(std::int32_t pontos) {
    return pontos == 2500 ? 0 : pontos == 5000 ? 1 : pontos == 25000 ? 2 : 3;
  }

  FonteAleatoria& fonte() const { return FonteDoPrograma(); }

 protected:
  // A label click: PontosPedidos = the label's count, then GeraPontos.
  void rotuloClicado(int i) override;
  // The shell's level hook; this window has no levels, so it only plays the
  // batch of PontosPedidos.
  void DesenhaNivel() override { GeraPontos(); }
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
  void GeraPontos();

  // Points announced in each panel so far, every batch counted.
  std::array<qint64, 4> pontosNoPainel_{};
};

}  // namespace velquora
