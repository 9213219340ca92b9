#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "app/frm_modo_ns.h"
#include "fractals/tree/frm_arvore.h"
#include "fractals/tree/frm_fig_arvore.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::LinhaGravada;
using teste::PixelsDiferentes;

namespace {

bool perto(double a, double b) { return std::abs(a - b) <= 5e-3; }

bool eTronco(const LinhaGravada& l) {
  return l.x1 == 0 && l.y1 == -140 && l.x2 == 0 && l.y2 == -40 && l.cor == RGB(65, 65, 33);
}

}  // namespace

class TstArvoreWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void layoutAndTabOrder() {
    FrmArvore w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Árvore Bifurcada"));
    QCOMPARE(w.Label2->text(), QStringLiteral("Ângulo:"));
    QCOMPARE(w.BrAng->maximum(), 360);
    QCOMPARE(w.BrNivel->maximum(), 15);
    QList<QWidget*> ordem{w.Figura};
    while (ordem.size() < 5) {
      QWidget* p = ordem.back()->nextInFocusChain();
      while (p->focusPolicy() == Qt::NoFocus) p = p->nextInFocusChain();
      ordem << p;
    }
    QCOMPARE(ordem, (QList<QWidget*>{w.Figura, w.botApagar, w.BrNivel, w.botGerar, w.BrAng}));
  }

  void gerarDrawsTrunkAndForks_data() {
    QTest::addColumn<int>("angulo");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("linhas");
    QTest::newRow("level 0 at 30") << 30 << 0 << 1;  // the trunk only, whatever the angle
    QTest::newRow("level 15 at 90") << 90 << 15 << 98302;
  }

  void gerarDrawsTrunkAndForks() {
    QFETCH(int, angulo);
    QFETCH(int, nivel);
    QFETCH(int, linhas);
    FrmArvore w;
    w.show();
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::SetaDireita(w.BrAng, angulo);
    teste::SetaDireita(w.BrNivel, nivel);
    QCOMPARE(w.LbAng->text(), QString::number(angulo));
    QCOMPARE(w.LabNivel->text(), QString::number(nivel));
    teste::Clica(w.botGerar);
    QCOMPARE(static_cast<int>(gravador.linhas.size()), linhas);
    QVERIFY(eTronco(gravador.linhas.front()));
    for (const LinhaGravada& l : gravador.linhas) QCOMPARE(l.largura, 2);
  }

  void scrollBarsAloneChangeOnlyTheirLabels() {
    FrmArvore w;
    w.show();
    teste::SetaDireita(w.BrAng, 60);
    teste::SetaDireita(w.BrNivel, 6);
    teste::Clica(w.botGerar);
    const QImage figura = w.Figura->image();
    QVERIFY(PixelsDiferentes(figura) > 0);
    teste::SetaDireita(w.BrAng, 2);
    teste::SetaDireita(w.BrNivel, 1);
    QCOMPARE(w.LbAng->text(), QStringLiteral("62"));
    QCOMPARE(w.LabNivel->text(), QStringLiteral("7"));
    QCOMPARE(w.Figura->image(), figura);
    teste::Clica(w.botGerar);
    const QImage outra = w.Figura->image();
    QVERIFY(outra != figura);
    teste::Clica(w.botGerar);  // cleared first: the same figure, once
    QCOMPARE(w.Figura->image(), outra);
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void sequenceLabelDrawsItsLevelOnItsPanel_data() {
    QTest::addColumn<int>("rotulo");
    QTest::addColumn<int>("linhas");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<double>("yMax");
    QTest::newRow("Nível 0") << 0 << 1 << 0.0 << -40.0;
    QTest::newRow("Nível 1") << 1 << 4 << 42.426 << 2.426;
    QTest::newRow("Nível 2") << 2 << 10 << 78.426 << 38.426;
    QTest::newRow("Nível 10") << 3 << 3070 << 121.80 << 81.80;
  }

  void sequenceLabelDrawsItsLevelOnItsPanel() {
    QFETCH(int, rotulo);
    QFETCH(int, linhas);
    QFETCH(double, xMax);
    QFETCH(double, yMax);
    FrmFigArvore w;
    w.show();
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    RotuloClicavel* rotulos[] = {w.Lb1, w.Lb2, w.Lb3, w.Lb4};
    teste::RecordingCanvas gravadores[4];
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(PixelsDiferentes(paineis[i]->image()), 0);
      QCOMPARE(paineis[i]->DrawWidth(), 2);
      paineis[i]->setEspelho(&gravadores[i]);
    }
    teste::Clica(rotulos[rotulo]);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(static_cast<int>(gravadores[i].linhas.size()), i == rotulo ? linhas : 0);
      if (i != rotulo) QCOMPARE(PixelsDiferentes(paineis[i]->image()), 0);
    }
    const auto& l = gravadores[rotulo].linhas;
    QVERIFY(eTronco(l.front()));
    float xMin = 0, xMaior = 0, yMaior = -140;
    for (const LinhaGravada& s : l) {
      xMin = std::min({xMin, s.x1, s.x2});
      xMaior = std::max({xMaior, s.x1, s.x2});
      yMaior = std::max({yMaior, s.y1, s.y2});
    }
    QVERIFY(perto(xMaior, xMax) && perto(-xMin, xMax) && perto(yMaior, yMax));
    if (rotulo == 3) QCOMPARE(l[1].cor, RGB(0, 250, 0));  // the first twig, drawn by depth 9
    const QImage uma = paineis[rotulo]->image();
    teste::Clica(rotulos[rotulo]);  // over itself, nothing cleared
    QCOMPARE(paineis[rotulo]->image(), uma);
  }

  void closedWindowsComeBackReset() {
    FrmModoNS& escolha = SlotEscolha(Fractal::Arvore).Show();
    teste::Clica(escolha.CkNivel);
    QPointer<FrmArvore> umNivel = SlotDe<FrmArvore>().instancia();
    QVERIFY(umNivel != nullptr);
    teste::SetaDireita(umNivel->BrAng, 5);
    teste::SetaDireita(umNivel->BrNivel, 3);
    teste::Clica(umNivel->botGerar);
    teste::Clica(escolha.CkSeq);
    QPointer<FrmFigArvore> sequencia = SlotDe<FrmFigArvore>().instancia();
    QVERIFY(sequencia != nullptr);
    teste::Clica(sequencia->Lb3);
    umNivel->close();
    sequencia->close();
    teste::ProcessaEventos();
    QVERIFY(umNivel.isNull() && sequencia.isNull());

    teste::Clica(escolha.CkNivel);
    FrmArvore* novo = SlotDe<FrmArvore>().instancia();
    QVERIFY(novo != nullptr && novo->isVisible());
    QCOMPARE(novo->LbAng->text(), QStringLiteral("0"));
    QCOMPARE(novo->LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(novo->BrAng->value(), 0);
    QCOMPARE(PixelsDiferentes(novo->Figura->image()), 0);
    QCOMPARE(novo->Figura->paraPixels(-200, 115), QPointF(0, 0));
    teste::Clica(escolha.CkSeq);
    FrmFigArvore* nova = SlotDe<FrmFigArvore>().instancia();
    QVERIFY(nova != nullptr && nova->isVisible());
    for (PictureBox* p : {nova->Fig1, nova->Fig2, nova->Fig3, nova->Fig4}) {
      QCOMPARE(PixelsDiferentes(p->image()), 0);
      QCOMPARE(p->paraPixels(-200, 115), QPointF(0, 0));
    }
  }
};

QTEST_MAIN(TstArvoreWindows)
#include "tst_arvore_windows.moc"
