#pragma once
// Checks that apply to every window of the program.

#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

namespace velquora::teste {

// The controls of a window whose caption does not show whole: the text's
// ink leaves the control, or the part of it its container shows. Each entry
// names the control and says how.
QStringList LegendasCortadas(QWidget* janela);

// Pixels of an image that are not of the colour (white by default).
int PixelsDiferentes(const QImage& imagem, QRgb fundo = qRgb(255, 255, 255));

// A left click in the middle of a control, as a user makes it.
void Clica(QWidget* controle);

// Clicks on the right arrow of a horizontal scroll bar, `vezes` times.
void SetaDireita(QScrollBar* barra, int vezes = 1);

// Lets pending events run, deferred deletions included (closed windows are
// destroyed then).
void ProcessaEventos();

}  // namespace velquora::teste
