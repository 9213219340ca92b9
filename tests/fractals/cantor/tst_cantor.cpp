#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;

namespace {

// Runs of black pixels along one row of an image.
int trechosPretos(const QImage& img, int y) {
  int trechos = 0;
  bool dentro = false;
  for (int x = 0; x < img.width(); ++x) {
    const bool preto = (img.pixel(x, y) & 0xFFFFFF) == 0;
    if (preto && !dentro) ++trechos;
    dentro = preto;
  }
  return trechos;
}

}  // namespace

class TstCantor : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void stringsOfTheFirstLevels_data() {
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QString>("cadeia");
    QTest::newRow("0") << 0 << "1";
    QTest::newRow("1") << 1 << "101";
    QTest::newRow("2") << 2 << "101000101";
    QTest::newRow("3") << 3 << "101000101000000000101000101";
  }

  void stringsOfTheFirstLevels() {
    QFETCH(int, nivel);
    QFETCH(QString, cadeia);
    frmCantor w;
    QVERIFY(w.Substituir(nivel));
    QCOMPARE(w.Cadeia, cadeia);
  }

  void levelSixInvariants() {
    frmCantor w;
    w.show();
    teste::SetaDireita(w.BrNivel, 6);
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);

    QCOMPARE(w.Cadeia.size(), 729);
    QCOMPARE(w.Cadeia.count(QLatin1Char('1')), 64);
    QVERIFY(!w.Cadeia.contains(QStringLiteral("11")));
    QCOMPARE(w.Cadeia.count(QLatin1Char('0')) + 64, 729);
    QCOMPARE(w.NumSegmentos, 729);
    QCOMPARE(w.Divisao.size(), std::size_t(730));
    QCOMPARE(w.Divisao.front(), 500.0);
    QCOMPARE(w.Divisao.back(), 9750.0);
    for (std::size_t i = 0; i < 729; ++i) QVERIFY(std::abs(w.Divisao[i + 1] - w.Divisao[i] - 9250.0 / 729) < 1e-9);

    QCOMPARE(gravador.linhas.size(), std::size_t(64));
    for (const auto& l : gravador.linhas) QVERIFY(std::abs(l.x2 - l.x1 - 9250.0 / 729) < 0.01);
  }

  // The segments a label or "Gerar" draws, to a hundredth of a twip, with
  // the line and pen of each window.
  void segmentEnds_data() {
    QTest::addColumn<bool>("sequencia");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QList<double>>("pontas");
    QTest::newRow("one level, 0") << false << 0 << QList<double>{500, 9750};
    QTest::newRow("one level, 1") << false << 1 << QList<double>{500, 3583.33, 6666.67, 9750};
    QTest::newRow("one level, 2") << false << 2
                                  << QList<double>{500, 1527.78, 2555.56, 3583.33, 6666.67, 7694.44, 8722.22, 9750};
    QTest::newRow("sequence, 0") << true << 0 << QList<double>{833.33, 3916.67};
    QTest::newRow("sequence, 1") << true << 1 << QList<double>{833.33, 1861.11, 2888.89, 3916.67};
    QTest::newRow("sequence, 2") << true << 2
                                 << QList<double>{833.33, 1175.93, 1518.52, 1861.11, 2888.89, 3231.48, 3574.07, 3916.67};
  }

  void segmentEnds() {
    QFETCH(bool, sequencia);
    QFETCH(int, nivel);
    QFETCH(QList<double>, pontas);
    teste::RecordingCanvas gravador;
    frmCantor um;
    FrmFigCantor seq;
    float y = 3200;
    int pena = 2;
    if (sequencia) {
      seq.show();
      PictureBox* painel = seq.findChild<PictureBox*>(QStringLiteral("Fig%1").arg(nivel + 1));
      painel->setEspelho(&gravador);
      teste::Clica(seq.findChild<QLabel*>(QStringLiteral("Lb%1").arg(nivel + 1)));
      y = 1800;
      pena = 1;
    } else {
      um.show();
      teste::SetaDireita(um.BrNivel, nivel);
      um.Figura->setEspelho(&gravador);
      teste::Clica(um.botGerar);
    }
    QCOMPARE(static_cast<qsizetype>(gravador.linhas.size()) * 2, pontas.size());
    for (std::size_t i = 0; i < gravador.linhas.size(); ++i) {
      const auto& l = gravador.linhas[i];
      QVERIFY2(std::abs(l.x1 - pontas[2 * i]) < 0.01 && std::abs(l.x2 - pontas[2 * i + 1]) < 0.01,
               qPrintable(QStringLiteral("segment %1: %2 to %3").arg(i).arg(l.x1).arg(l.x2)));
      QCOMPARE(l.y1, y);
      QCOMPARE(l.y2, y);
      QCOMPARE(l.largura, pena);
      QCOMPARE(l.cor, std::nullopt);
    }
  }

  void deepLevelsCountTheirSegments() {
    FrmFigCantor w;
    w.show();
    teste::RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);
    teste::Clica(w.Lb4);
    QCOMPARE(w.NivelAtual, std::int16_t(5));
    QCOMPARE(w.Cadeia.size(), 243);
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(32));
    for (const auto& l : gravadores[3].linhas) QVERIFY(std::abs(l.x2 - l.x1 - 3083.33 / 243) < 0.01);
    for (int i = 0; i < 3; ++i) QCOMPARE(gravadores[i].linhas.size(), std::size_t(0));
    QCOMPARE(PixelsDiferentes(w.Fig1->image()), 0);
  }

  void renderedSegmentsOnTheirLine() {
    // Level 3 on the single window: eight black runs on the row of y = 3200
    // twips, two pixels thick; level 2 in its panel: four runs one pixel thick.
    frmCantor um;
    um.show();
    teste::SetaDireita(um.BrNivel, 3);
    teste::Clica(um.botGerar);
    const QImage img = um.Figura->image();
    const int linha = 3200 / 15;
    QCOMPARE(trechosPretos(img, linha), 8);
    int grossura = 0;
    for (int y = linha - 3; y <= linha + 3; ++y) grossura += trechosPretos(img, y) > 0;
    QCOMPARE(grossura, 2);
    QCOMPARE((img.pixel(500 / 15 + 3, linha) & 0xFFFFFF), 0u);
    QCOMPARE((img.pixel(5000 / 15, linha) & 0xFFFFFF), 0xFFFFFFu);  // the removed middle third

    FrmFigCantor seq;
    seq.show();
    teste::Clica(seq.Lb3);
    const QImage painel = seq.Fig3->image();
    QCOMPARE(trechosPretos(painel, 1800 / 15), 4);
    grossura = 0;
    for (int y = 1800 / 15 - 3; y <= 1800 / 15 + 3; ++y) grossura += trechosPretos(painel, y) > 0;
    QCOMPARE(grossura, 1);
  }

  void gerarTwiceAndTheScrollBarAlone() {
    frmCantor w;
    w.show();
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    const QImage nivel2 = w.Figura->image();
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), nivel2);
    teste::SetaDireita(w.BrNivel, 3);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("5"));
    QCOMPARE(w.Figura->image(), nivel2);
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void figureSurvivesBeingHiddenAndRepainted() {
    // The surfaces keep what they show: taken away and shown again, a window
    // paints its figure from the drawing it keeps.
    frmCantor um;
    um.show();
    teste::SetaDireita(um.BrNivel, 1);
    teste::Clica(um.botGerar);
    FrmFigCantor seq;
    seq.show();
    teste::Clica(seq.Lb2);
    um.hide();
    seq.hide();
    um.show();
    seq.show();
    QVERIFY(trechosPretos(um.Figura->grab().toImage(), 3200 / 15) == 2);
    QVERIFY(trechosPretos(seq.Fig2->grab().toImage(), 1800 / 15) == 2);
  }

  void layoutOfBothWindows() {
    frmCantor um;
    QCOMPARE(um.windowTitle(), QStringLiteral("Conjunto de Cantor"));
    QCOMPARE(um.size(), QSize(694, 539));
    QCOMPARE(um.Figura->geometry(), QRect(4, 4, 685, 445));
    QCOMPARE(um.Figura->ScaleMode(), 1);
    QCOMPARE(um.BrNivel->maximum(), 6);
    FrmFigCantor seq;
    QCOMPARE(seq.windowTitle(), QStringLiteral("Cantor"));
    QCOMPARE(seq.size(), QSize(673, 516));
    QCOMPARE(seq.Lb4->text(), QStringLiteral("Nível 5"));
    for (PictureBox* p : {seq.Fig1, seq.Fig2, seq.Fig3, seq.Fig4}) QCOMPARE(p->ScaleMode(), 1);

    // Tab order of the controls that take the focus: Gerar, the bar, the
    // figure, Apagar.
    QWidget* w = um.botGerar;
    QList<QWidget*> ordem;
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
      ordem << w;
    }
    QCOMPARE(ordem, (QList<QWidget*>{um.botGerar, um.BrNivel, um.Figura, um.botApagar}));
  }
};

QTEST_MAIN(TstCantor)
#include "tst_cantor.moc"
