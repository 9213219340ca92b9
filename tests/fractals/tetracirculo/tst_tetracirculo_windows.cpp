#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "app/frm_modo_ns.h"
#include "fractals/tetracirculo/frm_circulo.h"
#include "fractals/tetracirculo/frm_fig_circular.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;

namespace {

bool perto(double a, double b) { return std::abs(a - b) <= 5e-3; }

}  // namespace

class TstTetracirculoWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void gerarDrawsTheChosenLevel() {
    FrmCirculo w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tetracírculo"));
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.circulos.size(), std::size_t(1));
    const auto& c = gravador.circulos[0];
    QVERIFY(perto(c.x, 342.5) && perto(c.y, 234.5) && perto(c.raio, 228.333));
    QCOMPARE(c.preenchimento, RGB(255, 120, 60));
    QCOMPARE(c.estilo, 0);
    QCOMPARE(c.cor, std::nullopt);

    teste::SetaDireita(w.BrNivel, 6);  // one past the maximum
    QCOMPARE(w.LabNivel->text(), QStringLiteral("5"));
    gravador.limpa();
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.circulos.size(), std::size_t(1365));
  }

  void scrollBarAloneChangesOnlyTheLabel() {
    FrmCirculo w;
    w.show();
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    const QImage nivel2 = w.Figura->image();
    teste::SetaDireita(w.BrNivel, 1);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("3"));
    QCOMPARE(w.Figura->image(), nivel2);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Figura->image();
    QVERIFY(nivel3 != nivel2);
    teste::Clica(w.botGerar);  // cleared first: the same figure, once
    QCOMPARE(w.Figura->image(), nivel3);
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void sequenceLabelDrawsItsLevelOnItsPanel_data() {
    QTest::addColumn<int>("rotulo");
    QTest::addColumn<int>("circulos");
    QTest::addColumn<double>("menorRaio");
    QTest::newRow("Nível 0") << 0 << 1 << 108.333;
    QTest::newRow("Nível 1") << 1 << 5 << 44.872;
    QTest::newRow("Nível 2") << 2 << 21 << 18.587;
    QTest::newRow("Nível 5") << 3 << 1365 << 1.321;
  }

  void sequenceLabelDrawsItsLevelOnItsPanel() {
    QFETCH(int, rotulo);
    QFETCH(int, circulos);
    QFETCH(double, menorRaio);
    FrmFigCircular w;
    w.show();
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    RotuloClicavel* rotulos[] = {w.Lb1, w.Lb2, w.Lb3, w.Lb4};
    teste::RecordingCanvas gravadores[4];
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);
    teste::Clica(rotulos[rotulo]);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(static_cast<int>(gravadores[i].circulos.size()), i == rotulo ? circulos : 0);
      if (i != rotulo) QCOMPARE(PixelsDiferentes(paineis[i]->image()), 0);
    }
    const auto& c = gravadores[rotulo].circulos;
    QVERIFY(perto(c.front().x, 162.5) && perto(c.front().y, 124.5) && perto(c.front().raio, 108.333));
    QVERIFY(perto(c.back().raio, menorRaio));
    if (rotulo == 2) QCOMPARE(c[1].preenchimento, RGB(100, 180, 80));
    const QImage uma = paineis[rotulo]->image();
    teste::Clica(rotulos[rotulo]);  // over itself, nothing cleared
    QCOMPARE(paineis[rotulo]->image(), uma);
  }

  void closedWindowsComeBackReset() {
    FrmModoNS& escolha = SlotEscolha(Fractal::Circular).Show();
    teste::Clica(escolha.CkNivel);
    QPointer<FrmCirculo> umNivel = SlotDe<FrmCirculo>().instancia();
    QVERIFY(umNivel != nullptr);
    teste::SetaDireita(umNivel->BrNivel, 3);
    teste::Clica(umNivel->botGerar);
    teste::Clica(escolha.CkSeq);
    QPointer<FrmFigCircular> sequencia = SlotDe<FrmFigCircular>().instancia();
    QVERIFY(sequencia != nullptr);
    teste::Clica(sequencia->Lb4);
    umNivel->close();
    sequencia->close();
    teste::ProcessaEventos();
    QVERIFY(umNivel.isNull() && sequencia.isNull());

    teste::Clica(escolha.CkNivel);
    FrmCirculo* novo = SlotDe<FrmCirculo>().instancia();
    QVERIFY(novo != nullptr && novo->isVisible());
    QCOMPARE(novo->LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(novo->BrNivel->value(), 0);
    QCOMPARE(PixelsDiferentes(novo->Figura->image()), 0);
    QCOMPARE(novo->Figura->ScaleMode(), 3);
    teste::Clica(escolha.CkSeq);
    FrmFigCircular* nova = SlotDe<FrmFigCircular>().instancia();
    QVERIFY(nova != nullptr && nova->isVisible());
    for (PictureBox* p : {nova->Fig1, nova->Fig2, nova->Fig3, nova->Fig4}) {
      QCOMPARE(PixelsDiferentes(p->image()), 0);
      QCOMPARE(p->ScaleMode(), 3);
    }
  }
};

QTEST_MAIN(TstTetracirculoWindows)
#include "tst_tetracirculo_windows.moc"
