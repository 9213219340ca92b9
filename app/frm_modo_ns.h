#pragma once
// The mode chooser of a fractal: "UM NÍVEL POR VEZ" shows its single-level
// window, "SEQÜÊNCIA DE NÍVEIS" its level-sequence window. Eight choosers,
// one design, driven by the table in frm_modo_ns.cpp.

#include <QCheckBox>
#include <QGroupBox>

#include "app/window_slot.h"
#include "fractals/shell/form.h"

namespace velquora {

struct LinhaEscolha {
  const char* nome;     // name of the chooser, e.g. "frmCurvaKochNS"
  const char* legenda;  // its caption
  void (*mostraNivel)();      // shows the single-level window, or null
  void (*mostraSequencia)();  // shows the level-sequence window, or null
};

// The fractals in the order of the main menu's buttons.
enum class Fractal { CurvaKoch, FlocoNeve, TriangSierpinski, SierpinskiPontos, Circular, CurvaPeano, ConjCantor, Arvore };

class FrmModoNS : public Form {
  Q_OBJECT

 public:
  explicit FrmModoNS(const LinhaEscolha& linha);

  QGroupBox* Frame1 = nullptr;
  QCheckBox* CkNivel = nullptr;
  QCheckBox* CkSeq = nullptr;

 private:
  void CkNivel_Click();
  void CkSeq_Click();

  const LinhaEscolha& linha_;
};

const LinhaEscolha& Escolha(Fractal f);
WindowSlot<FrmModoNS>& SlotEscolha(Fractal f);

}  // namespace velquora
