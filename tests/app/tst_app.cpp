#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/frm_modo_ns.h"
#include "app/frm_velquora.h"
#include "app/traducao.h"
#include "app/window_slot.h"
#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "fractals/shell/controls.h"
#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::ProcessaEventos;

namespace {

void fechaTudo() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  ProcessaEventos();
}

QList<Form*> janelasVisiveis() {
  QList<Form*> visiveis;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* f = qobject_cast<Form*>(w); f != nullptr && f->isVisible()) visiveis << f;
  }
  return visiveis;
}

// Checks a chooser's two boxes in turn and expects its two windows.
template <class Nivel, class Sequencia>
void confereEscolha(Fractal f, const QString& legendaNivel, const QString& legendaSequencia) {
  FrmModoNS& escolha = SlotEscolha(f).Show();
  teste::Clica(escolha.CkNivel);
  Nivel* umNivel = SlotDe<Nivel>().instancia();
  QVERIFY(umNivel != nullptr && umNivel->isVisible());
  QCOMPARE(umNivel->windowTitle(), legendaNivel);
  QVERIFY(SlotDe<Sequencia>().instancia() == nullptr);
  teste::Clica(escolha.CkSeq);
  QVERIFY(!escolha.CkNivel->isChecked());
  Sequencia* sequencia = SlotDe<Sequencia>().instancia();
  QVERIFY(sequencia != nullptr && sequencia->isVisible());
  QCOMPARE(sequencia->windowTitle(), legendaSequencia);
  QVERIFY(umNivel->isVisible());
  // Showing again reuses the one instance.
  teste::Clica(escolha.CkNivel);
  QCOMPARE(SlotDe<Nivel>().instancia(), umNivel);
}

constexpr Fractal Todas[] = {Fractal::CurvaKoch,  Fractal::FlocoNeve,  Fractal::TriangSierpinski,
                             Fractal::SierpinskiPontos, Fractal::Circular, Fractal::CurvaPeano,
                             Fractal::ConjCantor, Fractal::Arvore};

}  // namespace

class TstApp : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void cleanup() { fechaTudo(); }

  // Qt's own menu of a scroll bar, opened by a right click, in Portuguese.
  void scrollBarMenuInPortuguese() {
    QVERIFY(CarregaTraducaoDoQt(*qApp));
    FrmCurvaKoch w;
    w.show();
    QStringList textos;
    QTimer::singleShot(0, &w, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (const QAction* acao : menu->actions()) {
        if (!acao->isSeparator()) textos << acao->text();
      }
      menu->close();
    });
    const QPoint ponto(w.BrNivel->width() / 2, w.BrNivel->height() / 2);
    QContextMenuEvent clique(QContextMenuEvent::Mouse, ponto, w.BrNivel->mapToGlobal(ponto));
    QApplication::sendEvent(w.BrNivel, &clique);
    QCOMPARE(textos, (QStringList{"Rolar aqui", "Borda esquerda", "Borda direita", "Página à esquerda",
                                  "Página à direita", "Rolar à esquerda", "Rolar à direita"}));
  }

  void mainMenuLayout() {
    FrmVelquora& menu = Mostra<FrmVelquora>();
    QCOMPARE(menu.windowTitle(), QStringLiteral("Velquora"));
    QCOMPARE(menu.size(), QSize(920, 604));
    QCOMPARE(menu.palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(menu.Label1->text(), QStringLiteral("VELQUORA"));
    QCOMPARE(menu.Label1->font().pixelSize(), 48);
    QCOMPARE(menu.botSierpinskiPt->geometry(), QRect(24, 368, 233, 69));
    QCOMPARE(menu.botArvore->text(), QStringLiteral("Árvore Bifurcada"));
    QCOMPARE(menu.Image1->geometry(), QRect(388, 216, 146, 94));
    QCOMPARE(menu.Image1->pixmap().size(), QSize(166, 110));

    // Tab order: the left column top to bottom, then the right one.
    QList<QWidget*> ordem;
    QWidget* w = menu.botCurvaKoch;
    for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
      ordem << w;
    }
    const QList<QWidget*> esperada{menu.botCurvaKoch, menu.botFlocoNeve, menu.botTriagSierpinski,
                                   menu.botSierpinskiPt, menu.botCircular, menu.botCurvaPeano,
                                   menu.botConjCantor, menu.botArvore};
    QCOMPARE(ordem, esperada);
  }

  void longCaptionWrapsOntoTwoLines() {
    FrmVelquora& menu = Mostra<FrmVelquora>();
    auto* botao = qobject_cast<BotaoComando*>(menu.botSierpinskiPt);
    QVERIFY(botao != nullptr);
    QCOMPARE(botao->linhasDaLegenda(),
             QStringList({QStringLiteral("Triângulo de Sierpinski"), QStringLiteral("Construção por Pontos")}));
    QCOMPARE(qobject_cast<BotaoComando*>(menu.botCurvaKoch)->linhasDaLegenda().size(), 1);
  }

  void menuButtonShowsItsChooserOnce() {
    FrmVelquora& menu = Mostra<FrmVelquora>();
    teste::Clica(menu.botCurvaKoch);
    FrmModoNS* primeira = SlotEscolha(Fractal::CurvaKoch).instancia();
    QVERIFY(primeira != nullptr && primeira->isVisible());
    QCOMPARE(primeira->windowTitle(), QStringLiteral("Curva de Koch"));
    QCOMPARE(primeira->objectName(), QStringLiteral("frmCurvaKochNS"));
    teste::Clica(menu.botCurvaKoch);
    QCOMPARE(SlotEscolha(Fractal::CurvaKoch).instancia(), primeira);
    int escolhas = 0;
    for (Form* f : janelasVisiveis()) escolhas += qobject_cast<FrmModoNS*>(f) != nullptr;
    QCOMPARE(escolhas, 1);
  }

  void choosersHaveTheirCaptions() {
    const char* legendas[] = {"Curva de Koch", "Floco de Neve de Koch", "Triângulo de Sierpinski",
                              "Triângulo de Sierpinski - Pontos", "Tetracírculo", "Curva de Peano",
                              "Conjunto de Cantor", "Árvore Bifurcada"};
    FrmVelquora& menu = Mostra<FrmVelquora>();
    QPushButton* botoes[] = {menu.botCurvaKoch, menu.botFlocoNeve,  menu.botTriagSierpinski, menu.botSierpinskiPt,
                             menu.botCircular,  menu.botCurvaPeano, menu.botConjCantor,      menu.botArvore};
    for (int i = 0; i < 8; ++i) {
      teste::Clica(botoes[i]);
      FrmModoNS* escolha = SlotEscolha(Todas[i]).instancia();
      QVERIFY(escolha != nullptr);
      QCOMPARE(escolha->windowTitle(), QString::fromUtf8(legendas[i]));
      QCOMPARE(escolha->size(), QSize(291, 114));
      QVERIFY(!escolha->CkNivel->isChecked() && !escolha->CkSeq->isChecked());
    }
    // Two choosers at once, each with its own boxes.
    teste::Clica(SlotEscolha(Fractal::CurvaPeano).instancia()->CkSeq);
    QVERIFY(SlotEscolha(Fractal::CurvaPeano).instancia()->CkSeq->isChecked());
    QVERIFY(!SlotEscolha(Fractal::CurvaKoch).instancia()->CkSeq->isChecked());
  }

  void chooserBoxesExcludeEachOther() {
    FrmModoNS& escolha = SlotEscolha(Fractal::CurvaKoch).Show();
    teste::Clica(escolha.CkNivel);
    QVERIFY(escolha.CkNivel->isChecked());
    FrmCurvaKoch* umNivel = SlotDe<FrmCurvaKoch>().instancia();
    QVERIFY(umNivel != nullptr && umNivel->isVisible());
    QVERIFY(SlotDe<FrmFigCurvaKoch>().instancia() == nullptr);

    teste::Clica(escolha.CkSeq);
    QVERIFY(escolha.CkSeq->isChecked());
    QVERIFY(!escolha.CkNivel->isChecked());
    FrmFigCurvaKoch* sequencia = SlotDe<FrmFigCurvaKoch>().instancia();
    QVERIFY(sequencia != nullptr && sequencia->isVisible());
    QVERIFY(umNivel->isVisible());  // the other window stays open
  }

  void uncheckingShowsNothing() {
    FrmModoNS& escolha = SlotEscolha(Fractal::CurvaKoch).Show();
    teste::Clica(escolha.CkNivel);
    SlotDe<FrmCurvaKoch>().instancia()->close();
    ProcessaEventos();
    teste::Clica(escolha.CkNivel);  // unchecks
    QVERIFY(!escolha.CkNivel->isChecked() && !escolha.CkSeq->isChecked());
    QVERIFY(SlotDe<FrmCurvaKoch>().instancia() == nullptr);
    QCOMPARE(janelasVisiveis().size(), 1);
  }

  void chooserWithoutItsWindowsShowsNothing() {
    // Until a fractal's windows exist its chooser only keeps its boxes.
    for (Fractal f : Todas) {
      FrmModoNS& escolha = SlotEscolha(f).Show();
      const auto antes = janelasVisiveis().size();
      teste::Clica(escolha.CkNivel);
      if (Escolha(f).mostraNivel == nullptr) QCOMPARE(janelasVisiveis().size(), antes);
      const auto depois = janelasVisiveis().size();
      teste::Clica(escolha.CkSeq);
      if (Escolha(f).mostraSequencia == nullptr) QCOMPARE(janelasVisiveis().size(), depois);
    }
  }

  void closedWindowComesBackEmptyAndReset() {
    FrmModoNS& escolha = SlotEscolha(Fractal::CurvaKoch).Show();
    teste::Clica(escolha.CkNivel);
    QPointer<FrmCurvaKoch> antiga = SlotDe<FrmCurvaKoch>().instancia();
    antiga->BrNivel->setValue(3);
    teste::Clica(antiga->botGerar);
    QVERIFY(teste::PixelsDiferentes(antiga->Figura->image()) > 0);
    antiga->close();
    ProcessaEventos();
    QVERIFY(antiga.isNull());  // controls and drawing are gone

    teste::Clica(escolha.CkNivel);  // unchecks
    teste::Clica(escolha.CkNivel);  // checks: shows the window again
    FrmCurvaKoch* nova = SlotDe<FrmCurvaKoch>().instancia();
    QVERIFY(nova != nullptr && nova->isVisible());
    QCOMPARE(nova->BrNivel->value(), 0);
    QCOMPARE(nova->LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(teste::PixelsDiferentes(nova->Figura->image()), 0);
    // The load handler ran again: the user scale is in place.
    QCOMPARE(nova->Figura->paraPixels(-200, 115), QPointF(0, 0));
  }

  void snowflakeChooserOpensBothWindows() {
    confereEscolha<FrmFlocoDeNeve, FrmFigFlocoNeve>(Fractal::FlocoNeve, QStringLiteral("Floco de Neve de Koch"),
                                                    QStringLiteral("Floco de Neve de Koch"));
  }

  void sierpinskiChooserOpensBothWindows() {
    confereEscolha<FrmSierpinski, FrmFigTriangSierpinski>(Fractal::TriangSierpinski,
                                                          QStringLiteral("Triângulo de Sierpinski"),
                                                          QStringLiteral("Triângulo de Sierpinski"));
  }

  void pointsChooserOpensBothWindows() {
    confereEscolha<frmSierpinski_Pontos, FrmFigPontoSierpinski>(
        Fractal::SierpinskiPontos, QStringLiteral("Triângulo de Sierpinski - Construção por Pontos"),
        QStringLiteral("Triângulo de Sierpinski - Contrução por Pontos"));
  }

  void closedPointsWindowComesBackEmptyWithCountZero() {
    FrmModoNS& escolha = SlotEscolha(Fractal::SierpinskiPontos).Show();
    teste::Clica(escolha.CkNivel);
    QPointer<frmSierpinski_Pontos> antiga = SlotDe<frmSierpinski_Pontos>().instancia();
    teste::Clica(antiga->botGerar);
    teste::Clica(antiga->botGerar);
    QCOMPARE(antiga->LabNivel->text(), QStringLiteral("20000"));
    antiga->close();
    ProcessaEventos();
    QVERIFY(antiga.isNull());

    teste::Clica(escolha.CkNivel);  // unchecks
    teste::Clica(escolha.CkNivel);  // shows it again, loaded as new
    frmSierpinski_Pontos* nova = SlotDe<frmSierpinski_Pontos>().instancia();
    QVERIFY(nova != nullptr && nova->isVisible());
    QCOMPARE(nova->LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(teste::PixelsDiferentes(nova->Figura->image()), 0);
    QCOMPARE(nova->Figura->ScaleMode(), 3);
    QCOMPARE(nova->Largura, std::int16_t(2953));
    teste::Clica(nova->botGerar);
    QCOMPARE(nova->LabNivel->text(), QStringLiteral("10000"));
  }

  void closedSequenceWindowsComeBackBlank() {
    FrmModoNS& triangulo = SlotEscolha(Fractal::TriangSierpinski).Show();
    teste::Clica(triangulo.CkSeq);
    QPointer<FrmFigTriangSierpinski> antiga = SlotDe<FrmFigTriangSierpinski>().instancia();
    emit antiga->Lb4->clicked();
    QVERIFY(teste::PixelsDiferentes(antiga->Img4->image()) > 0);
    antiga->close();
    ProcessaEventos();
    QVERIFY(antiga.isNull());
    teste::Clica(triangulo.CkSeq);
    teste::Clica(triangulo.CkSeq);
    FrmFigTriangSierpinski* nova = SlotDe<FrmFigTriangSierpinski>().instancia();
    QVERIFY(nova != nullptr);
    for (PictureBox* img : {nova->Img1, nova->Img2, nova->Img3, nova->Img4}) {
      QCOMPARE(img->geometry(), QRect(0, 0, 100, 100));
      QCOMPARE(teste::PixelsDiferentes(img->image()), 0);
    }

    FrmModoNS& pontos = SlotEscolha(Fractal::SierpinskiPontos).Show();
    teste::Clica(pontos.CkSeq);
    QPointer<FrmFigPontoSierpinski> pontosAntiga = SlotDe<FrmFigPontoSierpinski>().instancia();
    emit pontosAntiga->Lb2->clicked();
    QVERIFY(teste::PixelsDiferentes(pontosAntiga->Fig2->image()) > 0);
    pontosAntiga->close();
    ProcessaEventos();
    teste::Clica(pontos.CkSeq);
    teste::Clica(pontos.CkSeq);
    FrmFigPontoSierpinski* pontosNova = SlotDe<FrmFigPontoSierpinski>().instancia();
    QVERIFY(pontosNova != nullptr && pontosNova != pontosAntiga.data());
    for (PictureBox* fig : {pontosNova->Fig1, pontosNova->Fig2, pontosNova->Fig3, pontosNova->Fig4}) {
      QCOMPARE(teste::PixelsDiferentes(fig->image()), 0);
    }
  }

  void showingAgainBeforeTheCloseIsFinishedMakesANewWindow() {
    FrmCurvaKoch& primeira = Mostra<FrmCurvaKoch>();
    primeira.close();  // destroyed only when the event loop runs
    FrmCurvaKoch& segunda = Mostra<FrmCurvaKoch>();
    QVERIFY(&segunda != &primeira);
    QVERIFY(segunda.isVisible());
    ProcessaEventos();
    QCOMPARE(SlotDe<FrmCurvaKoch>().instancia(), &segunda);
  }

  void closingTheMenuLeavesTheOthers() {
    FrmVelquora& menu = Mostra<FrmVelquora>();
    teste::Clica(menu.botCurvaKoch);
    menu.close();
    ProcessaEventos();
    QVERIFY(SlotDe<FrmVelquora>().instancia() == nullptr);
    QVERIFY(SlotEscolha(Fractal::CurvaKoch).instancia()->isVisible());
  }

  void windowsOpenCentred() {
    FrmModoNS& escolha = SlotEscolha(Fractal::CurvaKoch).Show();
    const QRect livre = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(escolha.frameGeometry().center().x() - livre.center().x()) <= 1);
    QVERIFY(std::abs(escolha.frameGeometry().center().y() - livre.center().y()) <= 1);
  }

  void noCaptionIsCutOff() {
    // The menu, every chooser and every window a chooser opens.
    QStringList cortadas;
    auto confere = [&](QWidget* janela) {
      for (const QString& c : teste::LegendasCortadas(janela)) cortadas << janela->windowTitle() + QStringLiteral(" / ") + c;
    };
    confere(&Mostra<FrmVelquora>());
    for (Fractal f : Todas) {
      FrmModoNS& escolha = SlotEscolha(f).Show();
      confere(&escolha);
      const auto antes = janelasVisiveis();
      teste::Clica(escolha.CkNivel);
      teste::Clica(escolha.CkSeq);
      for (Form* janela : janelasVisiveis()) {
        if (!antes.contains(janela)) confere(janela);
      }
    }
    QVERIFY2(cortadas.isEmpty(), qPrintable(cortadas.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
