// The real program under a real window manager (openbox), used by keyboard
// only: every window it opens is centred with its frame, the Peano curve's
// goes to the top left, keys draw a Koch curve, and the program says nothing
// on its console from start to end.
//
// Runs under xvfb-run; keys go through xdotool, window positions and frames
// are read from the X server.

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <cstring>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"
#include "tests/support/conexao_x.h"

using namespace velquora;

namespace {

void teclas(const QStringList& nomes) {
  xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")} + nomes);
  QTest::qWait(100);
}

// This test's own view of the X server: window geometry and the frame
// extents the window manager publishes.
class Servidor : public ConexaoX {
 public:
  bool haGerenciador() { return !cardinais(raiz(), "_NET_SUPPORTING_WM_CHECK").isEmpty(); }

  // The client area on the screen.
  QRect cliente(xcb_window_t janela) {
    xcb_connection_t* x = conexao();
    auto* g = xcb_get_geometry_reply(x, xcb_get_geometry(x, janela), nullptr);
    auto* t = xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, janela, raiz(), 0, 0), nullptr);
    QRect r;
    if (g != nullptr && t != nullptr) r = QRect(t->dst_x, t->dst_y, g->width, g->height);
    std::free(g);
    std::free(t);
    return r;
  }

  // The whole window, frame included; the client area while there are no
  // frame extents.
  QRect moldura(xcb_window_t janela) {
    const QRect c = cliente(janela);
    const QList<quint32> e = cardinais(janela, "_NET_FRAME_EXTENTS");  // left, right, top, bottom
    if (e.size() != 4) return c;
    return c.adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
  }
};

QPoint centro(const QRect& r) { return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2); }

}  // namespace

class TstE2EWm : public QObject {
  Q_OBJECT

  QProcess gerenciador_;
  QProcess programa_;
  Servidor x_;
  QList<WId> abertas_;

  // The one visible window of the caption and client size, once it is there.
  WId espera(const QString& nome, QSize tamanho) {
    WId achada = 0;
    const bool veio = QTest::qWaitFor(
        [&] {
          for (WId id : janelas(nome)) {
            if (!abertas_.contains(id) && x_.cliente(id).size() == tamanho) achada = id;
          }
          return achada != 0;
        },
        15000);
    if (veio) abertas_ << achada;
    return achada;
  }

  // The frame's centre is the screen's, within 2 pixels, once the window
  // manager has framed the window and the program has placed it again.
  bool centrada(WId id) {
    const QPoint tela = centro(QGuiApplication::primaryScreen()->geometry());
    return QTest::qWaitFor(
        [&] {
          const QRect m = x_.moldura(id);
          return m != x_.cliente(id) && std::abs(centro(m).x() - tela.x()) <= 2 &&
                 std::abs(centro(m).y() - tela.y()) <= 2;
        },
        5000);
  }

  QString descreve(WId id) {
    const QRect m = x_.moldura(id);
    return QStringLiteral("frame %1,%2 %3x%4").arg(m.x()).arg(m.y()).arg(m.width()).arg(m.height());
  }

 private slots:
  void initTestCase() {
    QVERIFY2(qgetenv("QT_QPA_PLATFORM") == "xcb", "needs an X server (run through xvfb-run)");
    gerenciador_.setStandardOutputFile(QProcess::nullDevice());
    gerenciador_.setStandardErrorFile(QProcess::nullDevice());
    gerenciador_.start(QStringLiteral("openbox"), {});
    QVERIFY(gerenciador_.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(x_.haGerenciador(), 10000);
    programa_.start(QStringLiteral(VELQUORA_BIN), {});
    QVERIFY(programa_.waitForStarted());
  }

  void theMenuIsCentredFrameIncluded() {
    const WId menu = espera(QStringLiteral("Velquora"), QSize(920, 604));
    QVERIFY(menu != 0);
    QVERIFY2(centrada(menu), qPrintable(descreve(menu)));
  }

  // Return on the focused "Curva de Koch", Space on "UM NÍVEL POR VEZ", then
  // Tab to the scroll bar, three Right arrows, Tab to "Gerar" and Return.
  void byKeyboardToKochLevelThree() {
    teclas({QStringLiteral("Return")});
    const WId escolha = espera(QStringLiteral("Curva de Koch"), QSize(291, 114));
    QVERIFY(escolha != 0);
    QVERIFY2(centrada(escolha), qPrintable(descreve(escolha)));
    teclas({QStringLiteral("space")});
    const WId koch = espera(QStringLiteral("Curva de Koch"), QSize(695, 592));
    QVERIFY(koch != 0);
    QVERIFY2(centrada(koch), qPrintable(descreve(koch)));

    teclas({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Right"), QStringLiteral("Right"),
            QStringLiteral("Right"), QStringLiteral("Tab"), QStringLiteral("Return")});
    ImageCanvas esperado(QSize(677, 493));
    esperado.Scale(-200, 115, 200, -155);
    DesenhaKoch(-150, -50, 150, -50, 0, 3,
                [&](double x1, double y1, double x2, double y2) { esperado.Line(x1, y1, x2, y2); });
    const QImage figura = esperado.image().convertToFormat(QImage::Format_RGB32);
    auto naTela = [&] {
      const QRect c = x_.cliente(koch);
      return QGuiApplication::primaryScreen()
          ->grabWindow(0, c.x() + 8, c.y() + 8, 677, 493)
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE_WITH_TIMEOUT(naTela(), figura, 10000);
  }

  // The Peano curve's window puts itself, frame and all, in the top left
  // corner.
  void thePeanoWindowGoesToTheTopLeft() {
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(abertas_.first())});
    QTest::qWait(200);
    // From "Curva de Koch" to "Curva de Peano": five buttons on.
    teclas({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
            QStringLiteral("Tab"), QStringLiteral("Return")});
    const WId escolha = espera(QStringLiteral("Curva de Peano"), QSize(291, 114));
    QVERIFY(escolha != 0);
    teclas({QStringLiteral("space")});
    const WId peano = espera(QStringLiteral("Curva de Peano"), QSize(718, 588));
    QVERIFY(peano != 0);
    QTRY_COMPARE_WITH_TIMEOUT(x_.moldura(peano).topLeft(), QPoint(0, 0), 5000);
    QVERIFY(x_.moldura(peano) != x_.cliente(peano));
  }

  void closingEveryWindowEndsTheProgramSilently() {
    for (WId id : abertas_) x_.pedeFechamento(static_cast<xcb_window_t>(id));
    QTRY_COMPARE_WITH_TIMEOUT(programa_.state(), QProcess::NotRunning, 10000);
    QCOMPARE(programa_.exitCode(), 0);
    const QByteArray console = programa_.readAllStandardError() + programa_.readAllStandardOutput();
    QVERIFY2(console.isEmpty(), console.constData());
  }

  void cleanupTestCase() {
    for (QProcess* p : {&programa_, &gerenciador_}) {
      if (p->state() != QProcess::NotRunning) {
        p->kill();
        p->waitForFinished();
      }
    }
  }
};

QTEST_MAIN(TstE2EWm)
#include "tst_e2e_wm.moc"
