#pragma once
// The standard controls of the windows, made from layout values in twips and
// point sizes, all in "Arial" bold.

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "surface/geometry.h"
#include "surface/twips.h"

namespace velquora {

QFont Arial(double pontos);

// A static text; top-left aligned unless told otherwise, transparent.
QLabel* CriaRotulo(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos,
                   Cor corTexto = RGB(0, 0, 0), Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop);

// A command button whose caption wraps onto several lines when it does not
// fit on one. Enter and Return press it, as Space does.
class BotaoComando : public QPushButton {
  Q_OBJECT

 public:
  BotaoComando(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos);

  // Where the caption goes, and the lines it is broken into to fit there
  // (breaks only between words).
  QRect areaDaLegenda() const;
  QStringList linhasDaLegenda() const;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
};

// A horizontal scroll bar whose arrow keys move the value the way they
// point, Right up and Left down, as its arrow buttons do (Qt's own bar turns
// them round). Home, End, PgUp and PgDn keep Qt's meaning. It shows a focus
// frame while it has the focus.
class BarraHorizontal : public QScrollBar {
  Q_OBJECT

 public:
  explicit BarraHorizontal(QWidget* pai);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
};

// A horizontal scroll bar stepping by 1. Its value changes after a click on
// an arrow or on the track, and when a dragged thumb is released, not while
// it is dragged. `rotulo`, its caption, names it for screen readers.
QScrollBar* CriaBarra(QWidget* pai, const char* nome, Twips lugar, int minimo, int maximo, QLabel* rotulo = nullptr);

// A caption label that reacts to clicks, shown with a pointing-hand pointer.
// The keyboard reaches it with Tab; Space, Enter and Return then act as a
// click. Screen readers see a button with a press action.
class RotuloClicavel : public QLabel {
  Q_OBJECT

 public:
  RotuloClicavel(QWidget* pai, const char* nome, const QString& texto, Twips lugar, double pontos);

  // What a click does: emits clicked().
  void aciona() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;

 private:
  bool pressionado_ = false;
};

}  // namespace velquora
