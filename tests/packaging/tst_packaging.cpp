// What a user or a distribution receives: the tree `cmake --install` makes and
// the .deb that CPack makes, checked with the distribution's own validators,
// and the program unpacked from the .deb started in an X server as a desktop
// would start it, shown its main menu, and closed.
//
// Runs under xvfb-run; the test itself draws offscreen.

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <cstring>

#include "tests/support/conexao_x.h"

namespace {

const QString kId = QStringLiteral(APP_ID);

struct Saida {
  int codigo = -1;
  QString texto;  // stdout and stderr together
};

Saida executa(const QString& programa, const QStringList& argumentos) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(programa, argumentos);
  if (!p.waitForFinished(120000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

QList<int> tamanhosIcone() {
  QList<int> tamanhos;
  for (const QString& t : QStringLiteral(TAMANHOS_ICONE).split(QLatin1Char(' '))) tamanhos << t.toInt();
  return tamanhos;
}

// Every file a user gets, relative to the prefix.
QStringList arquivosEsperados() {
  QStringList arquivos{
      QStringLiteral("bin/velquora"),
      QStringLiteral("bin/velquora-render"),
      QStringLiteral("share/applications/%1.desktop").arg(kId),
      QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kId),
      QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kId),
      QStringLiteral("share/man/man1/velquora.1.gz"),
      QStringLiteral("share/doc/velquora/copyright"),
      QStringLiteral("share/doc/velquora/guia.md"),
  };
  for (int t : tamanhosIcone()) arquivos << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(t).arg(kId);
  arquivos.sort();
  return arquivos;
}

QStringList arquivosSob(const QString& raiz) {
  QStringList arquivos;
  QDirIterator it(raiz, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) arquivos << QDir(raiz).relativeFilePath(it.next());
  arquivos.sort();
  return arquivos;
}

QString entradaDesktop(const QString& prefixo, const QString& chave) {
  QSettings entrada(QStringLiteral("%1/share/applications/%2.desktop").arg(prefixo, kId), QSettings::IniFormat);
  return entrada.value(QStringLiteral("Desktop Entry/") + chave).toString();
}

}  // namespace

class TstPackaging : public QObject {
  Q_OBJECT

  QTemporaryDir temp_;
  QString instalado_;  // the prefix of `cmake --install`
  QString deb_;
  QString desempacotado_;  // the .deb unpacked; its prefix is usr/

  void linhasDePrefixo() {
    QTest::addColumn<QString>("prefixo");
    QTest::newRow("cmake --install") << instalado_;
    QTest::newRow(".deb") << desempacotado_ + QStringLiteral("/usr");
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    instalado_ = temp_.filePath(QStringLiteral("prefixo"));
    desempacotado_ = temp_.filePath(QStringLiteral("raiz"));

    Saida s = executa(QStringLiteral(CMAKE_BIN),
                      {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), instalado_});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));

    const QString pacotes = temp_.filePath(QStringLiteral("cpack"));
    s = executa(QStringLiteral(CPACK_BIN),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), pacotes});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
    const QStringList debs = QDir(pacotes).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    deb_ = pacotes + QLatin1Char('/') + debs.first();

    s = executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, desempacotado_});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
  }

  // Nothing missing and nothing stray (test programs, libraries, headers);
  // the .deb puts everything under /usr.
  void everyFileInPlace_data() { linhasDePrefixo(); }
  void everyFileInPlace() {
    QFETCH(QString, prefixo);
    QCOMPARE(arquivosSob(prefixo), arquivosEsperados());
    QVERIFY(QFileInfo(prefixo + QStringLiteral("/bin/velquora")).isExecutable());
    QCOMPARE(QDir(desempacotado_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"usr"});
  }

  // The validators a distribution runs, and what they do not check: that the
  // entry, the metadata, the icons and the program name one another.
  void validatorsAccept_data() { linhasDePrefixo(); }
  void validatorsAccept() {
    QFETCH(QString, prefixo);
    const QString desktop = QStringLiteral("%1/share/applications/%2.desktop").arg(prefixo, kId);
    const QString metainfo = QStringLiteral("%1/share/metainfo/%2.metainfo.xml").arg(prefixo, kId);

    Saida s = executa(QStringLiteral("desktop-file-validate"), {desktop});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));
    QVERIFY2(!s.texto.contains(QStringLiteral("error")) && !s.texto.contains(QStringLiteral("warning")),
             qPrintable(s.texto));

    s = executa(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    QVERIFY2(s.codigo == 0, qPrintable(s.texto));

    // A manual page groff reads without a single warning.
    s = executa(QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("gzip -dc \"$0\" | groff -K utf8 -mandoc -ww -z"),
                 prefixo + QStringLiteral("/share/man/man1/velquora.1.gz")});
    QVERIFY2(s.codigo == 0 && s.texto.isEmpty(), qPrintable(s.texto));

    QCOMPARE(entradaDesktop(prefixo, QStringLiteral("Exec")), QStringLiteral("velquora"));
    QCOMPARE(entradaDesktop(prefixo, QStringLiteral("Icon")), kId);
    QFile xml(metainfo);
    QVERIFY(xml.open(QIODevice::ReadOnly));
    const QByteArray texto = xml.readAll();
    QVERIFY(texto.contains(QStringLiteral("<id>%1</id>").arg(kId).toUtf8()));
    QVERIFY(texto.contains(QStringLiteral(">%1.desktop</launchable>").arg(kId).toUtf8()));
    QVERIFY(texto.contains("<release version=\"" VERSAO "\""));
  }

  // Every size is the emblem drawn at that size, and the SVG is the same
  // picture as the largest PNG.
  void iconsAreTheEmblem() {
    const QString pasta = instalado_ + QStringLiteral("/share/icons/hicolor");
    for (int t : tamanhosIcone()) {
      const QImage icone(QStringLiteral("%1/%2x%2/apps/%3.png").arg(pasta).arg(t).arg(kId));
      QCOMPARE(icone.size(), QSize(t, t));
      QCOMPARE(qAlpha(icone.pixel(0, 0)), 0);                                  // rounded corner
      QCOMPARE(icone.pixelColor(t / 2, t / 2), QColor(235, 245, 255));         // the innermost snowflake
      QCOMPARE(icone.pixelColor(t * 4 / 25, t * 4 / 25), QColor(64, 64, 64));  // the background beside the outer one
    }

    QSvgRenderer svg(QStringLiteral("%1/scalable/apps/%2.svg").arg(pasta, kId));
    QVERIFY(svg.isValid());
    QImage desenho(256, 256, QImage::Format_ARGB32);
    desenho.fill(Qt::transparent);
    QPainter pintor(&desenho);
    svg.render(&pintor);
    pintor.end();
    const QImage png =
        QImage(QStringLiteral("%1/256x256/apps/%2.png").arg(pasta, kId)).convertToFormat(QImage::Format_ARGB32);
    int diferentes = 0;
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) {
        const QRgb a = desenho.pixel(x, y);
        const QRgb b = png.pixel(x, y);
        if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
                std::abs(qAlpha(a) - qAlpha(b)) >
            24)
          ++diferentes;
      }
    }
    QVERIFY2(diferentes < 256 * 256 / 100, qPrintable(QString::number(diferentes)));
  }

  // The control fields apt reads: the name, the version and architecture in
  // the file name, and the libraries, fonts and translations it runs with.
  void packageFields() {
    const QString arquitetura =
        executa(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).texto.trimmed();
    QCOMPARE(QFileInfo(deb_).fileName(), QStringLiteral("velquora_" VERSAO "_%1.deb").arg(arquitetura));
    const auto campo = [this](const char* nome) {
      return executa(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, QString::fromLatin1(nome)})
          .texto.trimmed();
    };
    QCOMPARE(campo("Package"), QStringLiteral("velquora"));
    QCOMPARE(campo("Version"), QStringLiteral(VERSAO));
    QCOMPARE(campo("Architecture"), arquitetura);
    QStringList dependencias;
    for (const QString& d : campo("Depends").split(QLatin1Char(',')))
      dependencias << d.trimmed().section(QLatin1Char(' '), 0, 0);
    for (const char* pacote : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                               "fonts-liberation2", "qt6-translations-l10n"}) {
      QVERIFY2(dependencias.contains(QLatin1String(pacote)), pacote);
    }
  }

  // The unpacked program, with the system's Qt, reaches its main menu with
  // its icon and the class its desktop entry names, and ends cleanly when
  // the menu is closed, printing nothing.
  void unpackedProgramRuns() {
    QTemporaryDir execucao;  // XDG_RUNTIME_DIR, which a desktop session provides
    QVERIFY(QFile::setPermissions(execucao.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
    QProcess programa;
    programa.setProcessEnvironment(ambiente);
    programa.setProcessChannelMode(QProcess::MergedChannels);
    programa.start(desempacotado_ + QStringLiteral("/usr/bin/velquora"), {});
    QVERIFY(programa.waitForStarted());

    // The menu is mapped once xdotool finds it; --sync waits for it.
    QProcess busca;
    busca.start(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), QStringLiteral("^Velquora$")});
    QVERIFY(busca.waitForFinished(30000));
    const xcb_window_t menu =
        QString::fromLatin1(busca.readAllStandardOutput()).split(QLatin1Char('\n')).first().toUInt();
    QVERIFY(menu != 0);

    velquora::ConexaoX x;
    const QByteArray icone = x.propriedade(menu, x.atomo("_NET_WM_ICON"));
    QVERIFY(icone.size() > 16 * 16 * 4);
    const QList<QByteArray> classe = x.propriedade(menu, XCB_ATOM_WM_CLASS).split('\0');
    QVERIFY(classe.size() >= 2);
    QCOMPARE(QString::fromLatin1(classe[1]), entradaDesktop(instalado_, QStringLiteral("StartupWMClass")));

    x.pedeFechamento(menu);
    QVERIFY(programa.waitForFinished(15000));
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(programa.readAll()), QString());
  }
};

QTEST_MAIN(TstPackaging)
#include "tst_packaging.moc"
