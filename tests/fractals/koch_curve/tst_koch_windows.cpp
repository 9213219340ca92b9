#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;

class TstKochWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void opensEmptyAtLevelZero() {
    FrmCurvaKoch w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Curva de Koch"));
    QCOMPARE(w.size(), QSize(695, 592));
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(w.BrNivel->value(), 0);
    QCOMPARE(w.BrNivel->maximum(), 6);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void gerarDrawsTheLevelOnTheScrollBar() {
    FrmCurvaKoch w;
    w.show();
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);

    teste::Clica(w.botGerar);
    QCOMPARE(gravador.linhas.size(), std::size_t(1));
    const auto& base = gravador.linhas[0];
    QCOMPARE(base.x1, -150.f);
    QCOMPARE(base.y1, -50.f);
    QCOMPARE(base.x2, 150.f);
    QCOMPARE(base.cor, std::nullopt);

    teste::SetaDireita(w.BrNivel, 6);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("6"));
    gravador.limpa();
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.linhas.size(), std::size_t(4096));
  }

  void gerarTwiceShowsOneFigure() {
    FrmCurvaKoch w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage primeira = w.Figura->image();
    QVERIFY(PixelsDiferentes(primeira) > 0);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), primeira);
  }

  void scrollBarAloneChangesOnlyTheLabel() {
    FrmCurvaKoch w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Figura->image();
    teste::SetaDireita(w.BrNivel, 2);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("5"));
    QCOMPARE(w.Figura->image(), nivel3);
    // Past the maximum the bar stays at 6.
    teste::SetaDireita(w.BrNivel, 3);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("6"));
  }

  void draggedThumbChangesTheLabelOnRelease() {
    FrmCurvaKoch w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QScrollBar* barra = w.BrNivel;
    QStyleOptionSlider opcao;
    opcao.initFrom(barra);
    opcao.orientation = Qt::Horizontal;
    opcao.minimum = barra->minimum();
    opcao.maximum = barra->maximum();
    opcao.sliderPosition = barra->value();
    opcao.sliderValue = barra->value();
    opcao.pageStep = barra->pageStep();
    opcao.singleStep = barra->singleStep();
    const QRect polegar = barra->style()->subControlRect(QStyle::CC_ScrollBar, &opcao, QStyle::SC_ScrollBarSlider, barra);
    QTest::mousePress(barra, Qt::LeftButton, {}, polegar.center());
    QMouseEvent arrasto(QEvent::MouseMove, QPointF(barra->width() - 20, polegar.center().y()),
                        barra->mapToGlobal(QPointF(barra->width() - 20, polegar.center().y())), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(barra, &arrasto);
    QVERIFY(barra->sliderPosition() > 0);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));  // not while dragging
    QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(barra->width() - 20, polegar.center().y()));
    QCOMPARE(w.LabNivel->text(), QString::number(barra->value()));
    QVERIFY(barra->value() > 0);
  }

  void apagarClearsAndGerarDrawsAfresh() {
    FrmCurvaKoch w;
    w.show();
    teste::Clica(w.botApagar);  // on an empty surface: stays empty
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    const QImage nivel2 = w.Figura->image();
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("2"));  // the level stays
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), nivel2);
  }

  void sequenceLabelDrawsOnlyInItsOwnPanel() {
    FrmFigCurvaKoch w;
    w.show();
    QCOMPARE(w.Lb1->text(), QStringLiteral("Nível 0"));
    QCOMPARE(w.Lb4->text(), QStringLiteral("Nível 6"));
    QCOMPARE(w.Lb1->cursor().shape(), Qt::PointingHandCursor);
    teste::RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);

    teste::Clica(w.Lb4);
    QCOMPARE(w.NivelAtual, std::int16_t(6));
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(4096));
    const QImage nivel6 = w.Fig4->image();
    teste::Clica(w.Lb2);
    QCOMPARE(gravadores[1].linhas.size(), std::size_t(4));
    QCOMPARE(w.Fig4->image(), nivel6);
    QCOMPARE(gravadores[0].linhas.size(), std::size_t(0));
    QCOMPARE(gravadores[2].linhas.size(), std::size_t(0));
    QCOMPARE(PixelsDiferentes(w.Fig1->image()), 0);
    QCOMPARE(PixelsDiferentes(w.Fig3->image()), 0);

    teste::Clica(w.Lb1);
    QCOMPARE(gravadores[0].linhas.size(), std::size_t(1));
    QCOMPARE(gravadores[0].linhas[0].y1, -50.f);
  }

  void sequencePanelsReactOnlyToTheirLabels() {
    FrmFigCurvaKoch w;
    w.show();
    QTest::mouseClick(w.Fig3, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(PixelsDiferentes(w.Fig3->image()), 0);
    teste::Clica(w.Lb3);
    const QImage uma = w.Fig3->image();
    teste::Clica(w.Lb3);
    teste::Clica(w.Lb3);
    QCOMPARE(w.Fig3->image(), uma);  // nothing cleared, the same figure over itself
  }

  void labelsStayClearOfTheCurve() {
    FrmFigCurvaKoch w;
    w.show();
    teste::Clica(w.Lb4);
    // The curve lies above the base line; the label's rows hold no ink of it.
    const QImage img = w.Fig4->image();
    const QRect rotulo = w.Lb4->geometry();
    for (int y = rotulo.top(); y <= rotulo.bottom(); ++y) {
      for (int x = 0; x < img.width(); ++x) QCOMPARE(img.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
    }
  }
};

QTEST_MAIN(TstKochWindows)
#include "tst_koch_windows.moc"
