// The real program asked for help, given arguments it does not know, or
// started where there is no graphical session: a short answer in Portuguese
// and a status, never Qt's abort.

#include <QProcess>
#include <QTest>

class TstLinhaDeComando : public QObject {
  Q_OBJECT

 private slots:
  void answers_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QStringList>("ambiente");  // NAME=value, or NAME= to remove it
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("saida");  // expected in stdout
    QTest::addColumn<QString>("erro");   // expected in stderr
    const QStringList semTela{QStringLiteral("DISPLAY="), QStringLiteral("WAYLAND_DISPLAY="),
                              QStringLiteral("QT_QPA_PLATFORM="), QStringLiteral("XDG_SESSION_TYPE=")};
    QTest::newRow("--help") << QStringList{"--help"} << semTela << 0 << "Uso: velquora" << "";
    QTest::newRow("-h") << QStringList{"-h"} << semTela << 0 << "--version" << "";
    QTest::newRow("--version") << QStringList{"--version"} << semTela << 0 << "velquora 1.0" << "";
    QTest::newRow("unknown option") << QStringList{"--cores"} << semTela << 2 << ""
                                    << "argumento desconhecido: --cores";
    QTest::newRow("a file name") << QStringList{"figura.png"} << semTela << 2 << "" << "argumento desconhecido";
    QTest::newRow("Qt option without its value") << QStringList{"-style"} << semTela << 2 << ""
                                                 << "falta o valor de -style";
    QTest::newRow("no display") << QStringList{} << semTela << 1 << "" << "a variável DISPLAY está vazia";
    QTest::newRow("Qt's own option, no display") << QStringList{"-platform", "xcb", "-reverse"} << semTela << 1 << ""
                                                 << "sessão gráfica";
    QTest::newRow("no X server there")
        << QStringList{} << (QStringList(semTela) << QStringLiteral("DISPLAY=:97")) << 1 << ""
        << "não conseguiu abrir a indicada: DISPLAY=:97";
    QTest::newRow("unknown platform") << QStringList{} << QStringList{"QT_QPA_PLATFORM=nenhuma"} << 1 << ""
                                      << "a plataforma gráfica \"nenhuma\" (QT_QPA_PLATFORM) não existe";
    // Taken by Qt's X11 platform only: left over, and refused, offscreen.
    QTest::newRow("X11 option offscreen") << QStringList{"-geometry", "300x200"}
                                          << QStringList{"QT_QPA_PLATFORM=offscreen"} << 2 << ""
                                          << "argumento desconhecido: -geometry";
  }

  void answers() {
    QFETCH(QStringList, argumentos);
    QFETCH(QStringList, ambiente);
    QFETCH(int, status);
    QFETCH(QString, saida);
    QFETCH(QString, erro);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& v : ambiente) {
      const QString nome = v.section(QLatin1Char('='), 0, 0);
      const QString valor = v.section(QLatin1Char('='), 1);
      if (valor.isEmpty()) env.remove(nome); else env.insert(nome, valor);
    }
    QProcess programa;
    programa.setProcessEnvironment(env);
    programa.start(QStringLiteral(VELQUORA_BIN), argumentos);
    QVERIFY(programa.waitForFinished(30000));
    const QString out = QString::fromUtf8(programa.readAllStandardOutput());
    const QString err = QString::fromUtf8(programa.readAllStandardError());
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QVERIFY2(programa.exitCode() == status, qPrintable(QStringLiteral("status %1: %2").arg(programa.exitCode()).arg(err)));
    QVERIFY2(out.contains(saida), qPrintable(out));
    QVERIFY2(err.contains(erro), qPrintable(err));
    // Nothing of Qt's own start-up failure reaches the user.
    QVERIFY2(!err.contains(QLatin1String("Reinstalling")) && !err.contains(QLatin1String("qt.qpa")), qPrintable(err));
  }
};

QTEST_MAIN(TstLinhaDeComando)
#include "tst_linha_de_comando.moc"
