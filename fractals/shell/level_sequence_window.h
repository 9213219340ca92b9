#pragma once
// The level-sequence window: four drawing panels `Fig1` (upper left), `Fig2`
// (upper right), `Fig3` (lower left) and `Fig4` (lower right), each with a
// caption label `Lb1`..`Lb4` in its lower right corner. A click on a label
// sets `NivelAtual` to the label's level and calls DesenhaNivel; the panel of
// a level is Fig1 for 0, Fig2 for 1, Fig3 for 2 and Fig4 for any other value.
// Nothing here clears a panel. Tab goes through each panel and then its
// label, Fig1 to Fig4; Space, Enter and Return on a label act as its click.

#include <array>
#include <cstdint>

#include "fractals/shell/controls.h"
#include "fractals/shell/form.h"
#include "surface/picture_box.h"

namespace velquora {

struct PainelTwips {
  Twips figura;
  const char* legenda;
  Twips rotulo;  // relative to the panel
  int valor;     // the level (or count) the label stands for
};

struct LayoutSequencia {
  const char* legenda;
  TamanhoTwips areaCliente;
  std::array<PainelTwips, 4> paineis;
};

class LevelSequenceWindow : public Form {
  Q_OBJECT

 public:
  PictureBox* Fig1 = nullptr;
  PictureBox* Fig2 = nullptr;
  PictureBox* Fig3 = nullptr;
  PictureBox* Fig4 = nullptr;
  RotuloClicavel* Lb1 = nullptr;
  RotuloClicavel* Lb2 = nullptr;
  RotuloClicavel* Lb3 = nullptr;
  RotuloClicavel* Lb4 = nullptr;

  // The level of the last label clicked; it also picks the panel.
  std::int16_t NivelAtual = 0;

  void Lb1_Click() { clicaRotulo(0); }
  void Lb2_Click() { clicaRotulo(1); }
  void Lb3_Click() { clicaRotulo(2); }
  void Lb4_Click() { clicaRotulo(3); }

  // Index 0..3 of the panel that shows a level: 0, 1, 2, and 3 for any other.
  static int IndicePainel(int nivel) { return nivel >= 0 && nivel <= 2 ? nivel : 3; }

 protected:
  explicit LevelSequenceWindow(const LayoutSequencia& layout);

  // The label of panel i (0..3) was clicked: NivelAtual = its level, then
  // DesenhaNivel.
  virtual void rotuloClicado(int i);
  virtual void DesenhaNivel() = 0;

  // What panel i (0..3) shows once its label's drawing is done, for screen
  // readers, e.g. "Curva de Koch, nível 2: 16 segmentos".
  virtual QString descricaoDoPainel(int i) const = 0;

  PictureBox* painel(int indice) const { return paineis_[static_cast<std::size_t>(indice)]; }
  PictureBox* painelDoNivel(int nivel) const { return painel(IndicePainel(nivel)); }
  int valorDoRotulo(int indice) const { return valores_[static_cast<std::size_t>(indice)]; }

 private:
  // A click on label i: its handler, then the panel's new description.
  void clicaRotulo(int i);

  std::array<PictureBox*, 4> paineis_{};
  std::array<int, 4> valores_{};
};

}  // namespace velquora
