#pragma once
// The single-level window: a drawing surface `Figura` above a frame `Frame1`
// holding the caption "Nível:", the level read-out `LabNivel`, the level
// scroll bar `BrNivel` and the buttons "Gerar" and "Apagar". A window gives
// its own sizes, captions and level range in a LayoutUmNivel and its drawing
// in botGerar_Click, and says what it drew in descricaoDaFigura. A window
// without a level (the points window) leaves `brNivel` empty and gets no
// scroll bar. The figure's box takes the focus first, then "Apagar", the
// scroll bar and "Gerar"; windows with another order set their own.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <optional>

#include "fractals/shell/controls.h"
#include "fractals/shell/form.h"
#include "surface/picture_box.h"

namespace velquora {

struct LayoutUmNivel {
  const char* legenda;
  TamanhoTwips areaCliente;
  // Left empty by windows that build their own drawing boxes.
  Twips figura;
  Twips frame1;
  // The controls of the frame, placed relative to it.
  Twips label1;
  Twips labNivel;
  Twips brNivel;  // left empty by windows without a level
  Twips botGerar;
  Twips botApagar;
  int nivelMaximo = 0;
  const char* textoLabel1 = "Nível:";
  // The window's background; the system colour when empty. The frame keeps
  // the system colour either way.
  std::optional<Cor> corDeFundo = std::nullopt;
};

class SingleLevelWindow : public Form {
  Q_OBJECT

 public:
  PictureBox* Figura = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LabNivel = nullptr;
  QScrollBar* BrNivel = nullptr;
  QPushButton* botGerar = nullptr;
  QPushButton* botApagar = nullptr;

 protected:
  explicit SingleLevelWindow(const LayoutUmNivel& layout);

  virtual void botGerar_Click() = 0;
  // Clears the figure.
  virtual void botApagar_Click();
  // Shows the scroll bar's value in LabNivel; nothing is drawn.
  virtual void BrNivel_Change();

  // What the figure shows after "Gerar", for screen readers, e.g. "Curva de
  // Koch, nível 3: 64 segmentos".
  virtual QString descricaoDaFigura() const = 0;
  // The box that stands for the figure: Figura, unless the window builds
  // its own boxes.
  virtual PictureBox* caixaDaFigura() const { return Figura; }

 private:
  void gerar();
  void apagar();
};

}  // namespace velquora
