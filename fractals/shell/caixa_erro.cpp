#include "caixa_erro.h"

#include <QMessageBox>

namespace velquora {

void MostraErro(QWidget* janela, int numero) {
  QMessageBox caixa(QMessageBox::NoIcon, TituloAplicacao, QString::number(numero), QMessageBox::Ok, janela);
  caixa.exec();
}

}  // namespace velquora
