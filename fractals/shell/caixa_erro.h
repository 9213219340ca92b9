#pragma once
// The error trap of the windows that trap run-time errors: the work ends at
// the error, what it drew stays, and a message box shows the error's number.

#include <QString>
#include <QWidget>
#include <new>

#include "fractals/shell/erro_execucao.h"

namespace velquora {

// The program's title, the caption of its message boxes.
inline const QString TituloAplicacao = QStringLiteral("VELQUORA");

// A modal message box over the window: the number in decimal, one OK button,
// the program's title. Returns when the user has closed it.
void MostraErro(QWidget* janela, int numero);

// Runs the work with the error trap armed: a run-time error raised anywhere
// in it ends it and is shown with MostraErro.
template <class Trabalho>
void ComArmadilha(QWidget* janela, Trabalho&& trabalho) {
  int numero = 0;
  try {
    trabalho();
  } catch (const ErroExecucao& erro) {
    numero = erro.Numero();
  } catch (const std::bad_alloc&) {
    numero = ErroMemoria;
  }
  // Shown outside the handler, once the work has unwound.
  if (numero != 0) MostraErro(janela, numero);
}

}  // namespace velquora
