// The Cantor windows while they draw: events posted during a drawing run
// inside its yields, as a user's clicks do, and the drawing goes on over the
// data they leave. Under the sanitizers (make test-sanitize) a window closed
// in the middle of a drawing must end it without touching freed memory.

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>

#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::ProcessaEventos;

namespace {

// A click as the window system delivers it later: a press and a release
// waiting in the queue until the next time events run.
void postaClique(QWidget* w, QPoint ponto) {
  for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QCoreApplication::postEvent(w, new QMouseEvent(tipo, ponto, w->mapToGlobal(ponto), Qt::LeftButton,
                                                   tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                   Qt::NoModifier));
  }
}
void postaClique(QWidget* w) { postaClique(w, QPoint(w->width() / 2, w->height() / 2)); }
void postaSeta(QScrollBar* barra, int sentido) {
  postaClique(barra, QPoint(sentido > 0 ? barra->width() - 4 : 4, barra->height() / 2));
}

// The close box of the title bar, as the window system reports it.
void postaFechamento(QWidget* janela) { QCoreApplication::postEvent(janela->windowHandle(), new QCloseEvent); }

struct Tracado {
  int painel;  // 1..4; 1 for the single window's surface
  float x1, x2;
};

// Records the segments of every surface of a window in one list, in order,
// and runs an action right after the segment of a given count is drawn.
class Registro {
 public:
  std::vector<Tracado> tracados;
  std::map<std::size_t, std::function<void()>> depoisDe;

  void observa(PictureBox* caixa, int painel) {
    espelhos_.push_back(std::make_unique<Espelho>(*this, painel));
    caixa->setEspelho(espelhos_.back().get());
  }

 private:
  class Espelho : public teste::RecordingCanvas {
   public:
    Espelho(Registro& r, int painel) : registro_(r), painel_(painel) {}

   protected:
    void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override {
      RecordingCanvas::desenhaLinha(x1, y1, x2, y2, cor);
      registro_.tracados.push_back({painel_, x1, x2});
      const auto acao = registro_.depoisDe.find(registro_.tracados.size());
      if (acao != registro_.depoisDe.end()) {
        const auto f = acao->second;
        registro_.depoisDe.erase(acao);
        f();
      }
    }

   private:
    Registro& registro_;
    int painel_;
  };

  std::vector<std::unique_ptr<Espelho>> espelhos_;
};

// "p x1 x2, p x1 x2, ..." (panel, then the segment's ends in twips).
std::vector<Tracado> le(const QString& texto) {
  std::vector<Tracado> lista;
  for (const QString& item : texto.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QStringList v = item.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    lista.push_back({v[0].toInt(), v[1].toFloat(), v[2].toFloat()});
  }
  return lista;
}

QString mostra(const std::vector<Tracado>& lista) {
  QStringList partes;
  for (const Tracado& t : lista) partes << QStringLiteral("%1 %2 %3").arg(t.painel).arg(t.x1, 0, 'f', 2).arg(t.x2, 0, 'f', 2);
  return partes.join(QStringLiteral(", "));
}

bool iguais(const std::vector<Tracado>& a, const std::vector<Tracado>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].painel != b[i].painel || std::abs(a[i].x1 - b[i].x1) > 0.01f || std::abs(a[i].x2 - b[i].x2) > 0.01f) return false;
  }
  return true;
}

int janelasVisiveis() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += w->isVisible();
  return n;
}

// How the click that starts a drawing reaches the window: straight from the
// test, or from inside a running event loop, as in the program (where a
// window's destruction may be allowed inside the drawing's yields).
void partindoDe(bool doLaco, const std::function<void()>& clique) {
  if (!doLaco) {
    clique();
    return;
  }
  QEventLoop laco;
  QTimer::singleShot(0, &laco, [&] {
    clique();
    laco.quit();
  });
  laco.exec();
}

}  // namespace

class TstCantorEvents : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    ProcessaEventos();
  }

  // Clicks on the single window's controls posted after the first segment of
  // a drawing; they run inside the drawing's next yield.
  void clicksDuringTheSingleWindowsDrawing_data() {
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("setas");     // arrow clicks on the scroll bar: + right, - left
    QTest::addColumn<bool>("gerar");    // then a click on "Gerar"
    QTest::addColumn<QString>("tracados");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("scroll bar: only the label changes")
        << 2 << 1 << false << "1 500 1527.78, 1 2555.56 3583.33, 1 6666.67 7694.44, 1 8722.22 9750" << "3";
    // The nested drawing of level 1 clears the surface and draws its two
    // cells; the interrupted loop goes on at index 1 over level 1's data.
    QTest::newRow("Gerar, lower level") << 2 << -1 << true
                                        << "1 500 1527.78, 1 500 3583.33, 1 6666.67 9750, 1 6666.67 9750" << "1";
    // Level 0 leaves the data of level 2, whose loop then finishes.
    QTest::newRow("Gerar, level 0") << 2 << -2 << true
                                    << "1 500 1527.78, 1 500 9750, 1 2555.56 3583.33, 1 6666.67 7694.44, 1 8722.22 9750"
                                    << "0";
    // Level 1's loop at index 1 goes on over level 2's cells 2, 6 and 8.
    QTest::newRow("Gerar, higher level")
        << 1 << 1 << true
        << "1 500 3583.33, 1 500 1527.78, 1 2555.56 3583.33, 1 6666.67 7694.44, 1 8722.22 9750,"
           "1 2555.56 3583.33, 1 6666.67 7694.44, 1 8722.22 9750"
        << "2";
  }

  void clicksDuringTheSingleWindowsDrawing() {
    QFETCH(int, nivel);
    QFETCH(int, setas);
    QFETCH(bool, gerar);
    QFETCH(QString, tracados);
    QFETCH(QString, rotulo);
    frmCantor w;
    w.show();
    teste::SetaDireita(w.BrNivel, nivel);
    Registro r;
    r.observa(w.Figura, 1);
    r.depoisDe[1] = [&] {
      for (int i = 0; i < std::abs(setas); ++i) postaSeta(w.BrNivel, setas);
      if (gerar) postaClique(w.botGerar);
    };
    teste::Clica(w.botGerar);
    QVERIFY2(iguais(r.tracados, le(tracados)), qPrintable(mostra(r.tracados)));
    QCOMPARE(w.LabNivel->text(), rotulo);

    // The surface shows the level last generated, as a drawing of its own
    // would: the continued loop only draws cells of it again, or (after
    // level 0) cells that lie on its line.
    frmCantor referencia;
    referencia.show();
    teste::SetaDireita(referencia.BrNivel, gerar ? w.BrNivel->value() : nivel);
    teste::Clica(referencia.botGerar);
    QCOMPARE(w.Figura->image(), referencia.Figura->image());
  }

  void gerarDuringTheRewritingLeavesTheNestedString() {
    frmCantor w;
    w.show();
    teste::SetaDireita(w.BrNivel, 6);
    postaClique(w.botGerar);  // runs in the first rewriting round's yield
    teste::Clica(w.botGerar);
    QCOMPARE(w.Cadeia.size(), 729);
    QCOMPARE(w.NumSegmentos, 729);
    QCOMPARE(w.Cadeia.count(QLatin1Char('1')), 64);
  }

  void apagarDuringADrawingClearsWhatIsDrawnAndItGoesOn() {
    frmCantor w;
    w.show();
    teste::SetaDireita(w.BrNivel, 2);
    Registro r;
    r.observa(w.Figura, 1);
    r.depoisDe[2] = [&] { postaClique(w.botApagar); };
    teste::Clica(w.botGerar);
    QCOMPARE(r.tracados.size(), std::size_t(4));
    const QImage img = w.Figura->image();
    const int linha = 3200 / 15;
    auto preto = [&](double xTwips) { return (img.pixel(int(xTwips / 15), linha) & 0xFFFFFF) == 0; };
    QVERIFY(!preto(1000) && !preto(3000));  // the first two cells were erased
    QVERIFY(preto(7200) && preto(9200));    // the last two were drawn after
  }

  void theWindowRepaintsWhileItDraws() {
    frmCantor w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    teste::SetaDireita(w.BrNivel, 3);
    int pinturas = 0;
    struct Conta : QObject {
      int& n;
      explicit Conta(int& c) : n(c) {}
      bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint;
        return false;
      }
    } conta(pinturas);
    w.Figura->installEventFilter(&conta);
    Registro r;
    r.observa(w.Figura, 1);
    int pinturasNoMeio = -1;
    r.depoisDe[4] = [&] { pinturasNoMeio = pinturas; };
    teste::Clica(w.botGerar);
    QVERIFY(pinturasNoMeio > 0);  // painted between the first segments
    QVERIFY(pinturas > pinturasNoMeio);
  }

  // A label clicked after the first segment of another label's drawing: the
  // second level is drawn whole inside a yield, then the first drawing
  // finishes. Each panel ends with exactly the segments of its own level,
  // in order, as if the two labels had been clicked one after the other.
  void labelClicksDuringTheSequenceWindowsDrawing_data() {
    QTest::addColumn<int>("primeiro");  // the label clicked, 1..4
    QTest::addColumn<int>("segundo");   // the label posted after the first segment
    QTest::newRow("Nível 1 during Nível 5") << 4 << 2;
    QTest::newRow("Nível 0 during Nível 2") << 3 << 1;
    QTest::newRow("Nível 2 during Nível 1") << 2 << 3;
  }

  void labelClicksDuringTheSequenceWindowsDrawing() {
    QFETCH(int, primeiro);
    QFETCH(int, segundo);
    auto porPainel = [](const Registro& r, int painel) {
      std::vector<Tracado> lista;
      for (const Tracado& t : r.tracados) {
        if (t.painel == painel) lista.push_back(t);
      }
      return lista;
    };
    FrmFigCantor w;
    w.show();
    QLabel* rotulos[] = {w.Lb1, w.Lb2, w.Lb3, w.Lb4};
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    Registro r;
    for (int i = 0; i < 4; ++i) r.observa(paineis[i], i + 1);
    r.depoisDe[1] = [&] { postaClique(rotulos[segundo - 1]); };
    teste::Clica(rotulos[primeiro - 1]);
    QVERIFY(r.depoisDe.empty());

    FrmFigCantor referencia;
    referencia.show();
    QLabel* rotulosRef[] = {referencia.Lb1, referencia.Lb2, referencia.Lb3, referencia.Lb4};
    PictureBox* paineisRef[] = {referencia.Fig1, referencia.Fig2, referencia.Fig3, referencia.Fig4};
    Registro esperado;
    for (int i = 0; i < 4; ++i) esperado.observa(paineisRef[i], i + 1);
    teste::Clica(rotulosRef[primeiro - 1]);
    teste::Clica(rotulosRef[segundo - 1]);

    for (int painel = 1; painel <= 4; ++painel) {
      QVERIFY2(iguais(porPainel(r, painel), porPainel(esperado, painel)),
               qPrintable(QStringLiteral("Fig%1: %2").arg(painel).arg(mostra(porPainel(r, painel)))));
      QCOMPARE(paineis[painel - 1]->image(), paineisRef[painel - 1]->image());
    }
  }

  // A window closed while it draws: the drawing ends at the yield where the
  // close ran, the window goes away for good and nothing comes back.
  void closingWhileDrawing_data() {
    QTest::addColumn<bool>("sequencia");
    QTest::addColumn<bool>("doLaco");
    QTest::addColumn<int>("depoisDe");  // segments drawn before the close; 0: during the rewriting
    QTest::addColumn<bool>("aninhado");  // inside a second drawing started in a yield
    QTest::addColumn<bool>("caixaDeFechar");  // the title bar's close box, or close()
    QTest::addColumn<bool>("forcaExclusoes");  // deferred deletions run in the same yield
    for (bool laco : {false, true}) {
      const char* onde = laco ? "from the event loop" : "from the test";
      QTest::addRow("one level, close box, %s", onde) << false << laco << 10 << false << true << false;
      QTest::addRow("one level, close(), %s", onde) << false << laco << 10 << false << false << false;
      QTest::addRow("one level, while rewriting, %s", onde) << false << laco << 0 << false << true << false;
      QTest::addRow("one level, nested drawing, %s", onde) << false << laco << 20 << true << true << false;
      QTest::addRow("one level, deletions forced, %s", onde) << false << laco << 10 << false << true << true;
      QTest::addRow("sequence, close box, %s", onde) << true << laco << 5 << false << true << false;
      QTest::addRow("sequence, nested drawing, %s", onde) << true << laco << 12 << true << false << false;
      QTest::addRow("sequence, deletions forced, %s", onde) << true << laco << 12 << true << false << true;
    }
  }

  void closingWhileDrawing() {
    QFETCH(bool, sequencia);
    QFETCH(bool, doLaco);
    QFETCH(int, depoisDe);
    QFETCH(bool, aninhado);
    QFETCH(bool, caixaDeFechar);
    QFETCH(bool, forcaExclusoes);

    Form* janela = nullptr;
    QWidget* comeca = nullptr;
    Registro r;
    if (sequencia) {
      auto* w = new FrmFigCantor;
      janela = w;
      comeca = w->Lb4;
      r.observa(w->Fig2, 2);
      r.observa(w->Fig4, 4);
    } else {
      auto* w = new frmCantor;
      janela = w;
      w->BrNivel->setValue(6);
      comeca = w->botGerar;
      r.observa(w->Figura, 1);
    }
    janela->show();
    QPointer<Form> viva(janela);
    bool vivaAposExclusoes = true;
    auto fecha = [&, janela] {
      if (caixaDeFechar) {
        postaFechamento(janela);
      } else {
        QMetaObject::invokeMethod(janela, "close", Qt::QueuedConnection);
      }
      if (forcaExclusoes) {
        // Some code run in the yield processes the pending deletions: the
        // window must still be there, its drawing being on the stack.
        QMetaObject::invokeMethod(
            qApp,
            [&] {
              QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
              vivaAposExclusoes = !viva.isNull();
            },
            Qt::QueuedConnection);
      }
    };
    std::size_t fechouCom = 0;
    if (aninhado) {
      // A second click on the same control starts a drawing inside the
      // first; the close comes three segments into that one.
      r.depoisDe[std::size_t(depoisDe)] = [&] { postaClique(comeca); };
      r.depoisDe[std::size_t(depoisDe) + 3] = [&] { fecha(); };
      fechouCom = std::size_t(depoisDe) + 3;
    } else if (depoisDe > 0) {
      r.depoisDe[std::size_t(depoisDe)] = fecha;
      fechouCom = std::size_t(depoisDe);
    } else {
      fecha();  // runs at the first yield, in the first rewriting round
    }

    partindoDe(doLaco, [&] { teste::Clica(comeca); });

    QCOMPARE(r.tracados.size(), fechouCom);  // nothing drawn after the close
    QVERIFY(vivaAposExclusoes);
    QCOMPARE(janelasVisiveis(), 0);
    ProcessaEventos();
    QVERIFY(viva.isNull());
    QCOMPARE(janelasVisiveis(), 0);
  }

  // The yield itself, on a bare window.
  void aClosedWindowOutlivesTheYieldsOnTheStack() {
    auto* janela = new Form(QStringLiteral("x"), {3000, 3000});
    janela->show();
    QPointer<Form> viva(janela);
    QVERIFY(janela->Cede());  // nothing pending, nothing closed
    bool interna = true;
    bool vivaDepoisDaInterna = false;
    QMetaObject::invokeMethod(
        janela,
        [&] {
          QMetaObject::invokeMethod(janela, "close", Qt::QueuedConnection);
          interna = janela->Cede();
          vivaDepoisDaInterna = !viva.isNull();
        },
        Qt::QueuedConnection);
    const bool externa = janela->Cede();
    QVERIFY(!interna && !externa);
    QVERIFY(vivaDepoisDaInterna);
    QVERIFY(!viva.isNull() && !janela->isVisible());
    ProcessaEventos();
    QVERIFY(viva.isNull());
  }

  void aWindowDestroyedInsideAYieldIsNotTouchedAgain() {
    // Destroyed by other means than a close while it yields: the yield
    // reports it and touches nothing of it (the sanitizer build checks).
    auto* janela = new Form(QStringLiteral("x"), {3000, 3000});
    janela->show();
    QPointer<Form> viva(janela);
    QMetaObject::invokeMethod(
        qApp,
        [janela] {
          janela->deleteLater();
          QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        },
        Qt::QueuedConnection);
    QVERIFY(!janela->Cede());
    QVERIFY(viva.isNull());
  }

  void aWindowNotClosedStillGoesAwayWhenClosedLater() {
    auto* janela = new frmCantor;
    janela->show();
    QPointer<Form> viva(janela);
    janela->BrNivel->setValue(2);
    teste::Clica(janela->botGerar);  // yields and restores the window's lifecycle
    QVERIFY(janela->testAttribute(Qt::WA_DeleteOnClose));
    janela->close();
    ProcessaEventos();
    QVERIFY(viva.isNull());
  }
};

QTEST_MAIN(TstCantorEvents)
#include "tst_cantor_events.moc"
