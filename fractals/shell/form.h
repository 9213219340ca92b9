#pragma once
// Base of every window of the program: a top-level window with a fixed
// client area, no owner, centred on the screen the first time it is shown
// (the whole window, its frame included).
// Closing it destroys it with everything drawn in it; whoever shows windows
// then makes a new one (see app/window_slot.h).

#include <QString>
#include <QWidget>
#include <initializer_list>

#include "surface/twips.h"

namespace velquora {

class Form : public QWidget {
  Q_OBJECT

 public:
  Form(const QString& legenda, TamanhoTwips areaCliente);

  // Shows the window modeless, or brings it to the front if it is visible.
  void mostra();

  // True once the user has closed the window; it is then hidden and is
  // destroyed as soon as control returns to the event loop.
  bool fechado() const { return fechado_; }

  // Lets the pending events run to completion in the middle of a drawing:
  // repaints, clicks (which may start a drawing of their own inside this
  // one), a close. Returns false once the window has been closed, and the
  // drawing must then end at once. A window closed while it yields is hidden
  // at once but destroyed only after the outermost yield has returned, so no
  // drawing on the stack outlives its controls.
  bool Cede();

 protected:
  bool event(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;

  // Windows that place themselves at load turn the centring off.
  void setCentraAoMostrar(bool centra) { centra_ = centra; }

  // Keyboard focus moves through these controls in this order, and the
  // first of them has it when the window opens.
  static void ordemTab(std::initializer_list<QWidget*> controles);

 private:
  void centra();
  // Centres the window again once the window manager has put its frame
  // around it: only then is the frame's size known.
  void centraComMoldura();

  bool centra_ = true;
  bool centragemPendente_ = false;
  bool jaMostrado_ = false;
  bool fechado_ = false;
  int cedendo_ = 0;            // yields in progress, nested ones included
  bool apagaAoFechar_ = true;  // WA_DeleteOnClose as it was before them
};

}  // namespace velquora
