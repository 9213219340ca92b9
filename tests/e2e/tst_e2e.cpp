// Starts the real program in an X server and uses it as a person would:
// clicks from the main menu through the Koch curve chooser to a drawn level,
// then closes every window and expects the program to end.
//
// Runs under xvfb-run; clicks go through xdotool, screenshots are taken by
// this test's own connection to the same display.

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <xcb/xcb.h>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"
#include "tests/support/conexao_x.h"

using namespace velquora;

namespace {

// The client area of a window on the screen.
QRect geometria(WId id) {
  const QString saida = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(id)});
  QMap<QString, int> v;
  for (const QString& linha : saida.split(QLatin1Char('\n'))) {
    const auto partes = linha.split(QLatin1Char('='));
    if (partes.size() == 2) v[partes[0]] = partes[1].toInt();
  }
  return QRect(v[QStringLiteral("X")], v[QStringLiteral("Y")], v[QStringLiteral("WIDTH")], v[QStringLiteral("HEIGHT")]);
}

// The one visible window of that caption and client size, or 0.
WId janela(const QString& nome, QSize tamanho) {
  for (WId id : janelas(nome)) {
    if (geometria(id).size() == tamanho) return id;
  }
  return 0;
}

// All visible top-level windows of the display.
QList<WId> todasAsJanelas() {
  QList<WId> ids;
  const QString saida =
      xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral(".")});
  for (const QString& linha : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) ids << linha.toULongLong();
  return ids;
}

void clica(WId id, QPoint ponto) {
  // Without a window manager nothing raises a window that is clicked; a
  // user would bring it to the front first.
  xdotool({QStringLiteral("windowraise"), QString::number(id)});
  xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(id), QString::number(ponto.x()),
           QString::number(ponto.y()), QStringLiteral("click"), QStringLiteral("1")});
  QTest::qWait(100);
}

QImage tela(WId id) {
  const QRect g = geometria(id);
  return QGuiApplication::primaryScreen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).toImage();
}

// Asks a window to close, as the close button of its frame does.
void pedeFechamento(WId id) {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  auto atomo = [x](const char* nome) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(nome), nome), nullptr);
    const xcb_atom_t a = r->atom;
    std::free(r);
    return a;
  };
  xcb_client_message_event_t ev{};
  ev.response_type = XCB_CLIENT_MESSAGE;
  ev.format = 32;
  ev.window = static_cast<xcb_window_t>(id);
  ev.type = atomo("WM_PROTOCOLS");
  ev.data.data32[0] = atomo("WM_DELETE_WINDOW");
  ev.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x, 0, ev.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ev));
  // A round trip: the server has handled the request before we go.
  std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
  xcb_disconnect(x);
}

}  // namespace

class TstE2E : public QObject {
  Q_OBJECT

  QProcess programa_;
  WId menu_ = 0;
  WId escolha_ = 0;
  WId koch_ = 0;

 private slots:
  void initTestCase() {
    QVERIFY2(qgetenv("QT_QPA_PLATFORM") == "xcb", "needs an X server (run through xvfb-run)");
    programa_.setProcessChannelMode(QProcess::ForwardedChannels);
    programa_.start(QStringLiteral(VELQUORA_BIN), {});
    QVERIFY(programa_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT((menu_ = janela(QStringLiteral("Velquora"), QSize(920, 604))) != 0, 15000);
  }

  void menuCentredOnTheScreen() {
    const QRect g = geometria(menu_);
    const QRect t = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(std::abs(g.center().x() - t.center().x()) <= 1);
    QVERIFY(std::abs(g.center().y() - t.center().y()) <= 1);
  }

  void fromTheMenuToKochLevelFour() {
    clica(menu_, QPoint(24 + 116, 140 + 34));  // "Curva de Koch"
    QTRY_VERIFY_WITH_TIMEOUT((escolha_ = janela(QStringLiteral("Curva de Koch"), QSize(291, 114))) != 0, 10000);
    clica(escolha_, QPoint(4 + 40 + 8, 32 + 12));  // "UM NÍVEL POR VEZ"
    QTRY_VERIFY_WITH_TIMEOUT((koch_ = janela(QStringLiteral("Curva de Koch"), QSize(695, 592))) != 0, 10000);

    // Four clicks on the level bar's right arrow, then "Gerar".
    const QPoint setaDireita(224 + 101 - 5, 504 + 56 + 8);
    for (int i = 0; i < 4; ++i) clica(koch_, setaDireita);
    clica(koch_, QPoint(332 + 52, 504 + 36 + 16));

    // What the window shows is the level-4 curve drawn by the generator.
    ImageCanvas esperado(QSize(677, 493));
    esperado.Scale(-200, 115, 200, -155);
    DesenhaKoch(-150, -50, 150, -50, 0, 4,
                [&](double x1, double y1, double x2, double y2) { esperado.Line(x1, y1, x2, y2); });
    const QImage figura = esperado.image().convertToFormat(QImage::Format_RGB32);
    QTest::qWait(200);
    tela(koch_).save(QDir::temp().filePath(QStringLiteral("velquora-e2e-koch.png")));
    QTRY_COMPARE_WITH_TIMEOUT(tela(koch_).copy(8, 8, 677, 493).convertToFormat(QImage::Format_RGB32), figura, 10000);

    // The level read-out shows 4 in red.
    const QImage leitura = tela(koch_).copy(296, 504 + 28, 45, 29);
    int vermelhos = 0;
    for (int y = 0; y < leitura.height(); ++y) {
      for (int x = 0; x < leitura.width(); ++x) vermelhos += leitura.pixelColor(x, y) == QColor(255, 0, 0);
    }
    QVERIFY(vermelhos > 20);
  }

  void everyChooserOpensBothWindows_data() {
    QTest::addColumn<QPoint>("botao");
    QTest::addColumn<QString>("escolha");
    QTest::addColumn<QString>("umNivel");
    QTest::addColumn<QString>("sequencia");
    const int esquerda = 24 + 116, direita = 664 + 116;
    auto linha = [](int y) { return 140 + 34 + 76 * y; };
    QTest::newRow("Koch snowflake") << QPoint(esquerda, linha(1)) << "Floco de Neve de Koch" << "Floco de Neve de Koch"
                                    << "Floco de Neve de Koch";
    QTest::newRow("Sierpinski") << QPoint(esquerda, linha(2)) << "Triângulo de Sierpinski"
                                << "Triângulo de Sierpinski" << "Triângulo de Sierpinski";
    QTest::newRow("points") << QPoint(esquerda, linha(3)) << "Triângulo de Sierpinski - Pontos"
                            << "Triângulo de Sierpinski - Construção por Pontos"
                            << "Triângulo de Sierpinski - Contrução por Pontos";
    QTest::newRow("Tetracírculo") << QPoint(direita, linha(0)) << "Tetracírculo" << "Tetracírculo" << "Tetracírculo";
    QTest::newRow("Peano") << QPoint(direita, linha(1)) << "Curva de Peano" << "Curva de Peano" << "Curva de Peano";
    QTest::newRow("Cantor") << QPoint(direita, linha(2)) << "Conjunto de Cantor" << "Conjunto de Cantor" << "Cantor";
    QTest::newRow("tree") << QPoint(direita, linha(3)) << "Árvore Bifurcada" << "Árvore Bifurcada"
                          << "Árvore Bifurcada - Ângulo de Bifurcação = 90º";
  }

  void everyChooserOpensBothWindows() {
    QFETCH(QPoint, botao);
    QFETCH(QString, escolha);
    QFETCH(QString, umNivel);
    QFETCH(QString, sequencia);
    const QSize tamanhoEscolha(291, 114);
    clica(menu_, botao);
    WId janelaEscolha = 0;
    QTRY_VERIFY_WITH_TIMEOUT((janelaEscolha = janela(escolha, tamanhoEscolha)) != 0, 10000);
    const auto antes = todasAsJanelas();
    auto novas = [&] {
      QList<WId> n;
      for (WId id : todasAsJanelas()) {
        if (!antes.contains(id)) n << id;
      }
      return n;
    };
    clica(janelaEscolha, QPoint(4 + 40 + 8, 32 + 12));  // "UM NÍVEL POR VEZ"
    QTRY_COMPARE_WITH_TIMEOUT(novas().size(), 1, 10000);
    QVERIFY(janelas(umNivel).contains(novas().first()));
    clica(janelaEscolha, QPoint(4 + 40 + 8, 64 + 12));  // "SEQÜÊNCIA DE NÍVEIS"
    QTRY_COMPARE_WITH_TIMEOUT(novas().size(), 2, 10000);
    QVERIFY(janelas(sequencia).contains(novas().last()) || janelas(sequencia).contains(novas().first()));
  }

  void closingTheLastWindowEndsTheProgram() {
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir::temp().filePath(QStringLiteral("velquora-e2e-all.png")));
    // The menu first: the program goes on while any window is open.
    pedeFechamento(menu_);
    QTRY_VERIFY_WITH_TIMEOUT(janelas(QStringLiteral("Velquora")).isEmpty(), 5000);
    QCOMPARE(programa_.state(), QProcess::Running);
    QVERIFY(!todasAsJanelas().isEmpty());
    for (WId id : todasAsJanelas()) pedeFechamento(id);
    QTRY_COMPARE_WITH_TIMEOUT(programa_.state(), QProcess::NotRunning, 10000);
    QCOMPARE(programa_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa_.exitCode(), 0);
  }

  void cleanupTestCase() {
    if (programa_.state() != QProcess::NotRunning) {
      programa_.kill();
      programa_.waitForFinished();
    }
  }
};

QTEST_MAIN(TstE2E)
#include "tst_e2e.moc"
