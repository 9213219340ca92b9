#include "sem_avisos.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>

namespace velquora::teste {

namespace {

QtMessageHandler anterior = nullptr;

void filtra(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensagem) {
  if (tipo == QtWarningMsg && QGuiApplication::platformName() == QLatin1String("offscreen") &&
      mensagem.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  anterior(tipo, contexto, mensagem);
}

}  // namespace

void FalhaComAvisos() {
  // Installed inside the test run, in front of Qt Test's own handler, which
  // still sees every other message.
  if (anterior == nullptr) anterior = qInstallMessageHandler(filtra);
  QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

}  // namespace velquora::teste
