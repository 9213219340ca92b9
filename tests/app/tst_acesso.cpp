// The windows as a keyboard-only user and a screen reader meet them: keys
// pressed on real controls, names, actions and descriptions read through
// Qt's accessibility interface.

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <functional>
#include <memory>

#include "app/frm_modo_ns.h"
#include "app/frm_velquora.h"
#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "fractals/peano/frm_fig_peano.h"
#include "fractals/peano/frm_peano.h"
#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "fractals/tetracirculo/frm_circulo.h"
#include "fractals/tetracirculo/frm_fig_circular.h"
#include "fractals/tree/frm_arvore.h"
#include "fractals/tree/frm_fig_arvore.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;

// Makes a window of the program anew.
using Fabrica = std::function<Form*()>;
Q_DECLARE_METATYPE(Fabrica)

namespace {

QAccessibleInterface* acessivel(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nome(QObject* o) { return acessivel(o)->text(QAccessible::Name); }
QString descricao(QObject* o) { return acessivel(o)->text(QAccessible::Description); }

void tecla(Qt::Key k, int vezes = 1) {
  for (int i = 0; i < vezes; ++i) QTest::keyClick(QApplication::focusWidget(), k);
}

// Shows the window and makes it the active one, as a user's click would.
bool ativa(QWidget& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

template <class T>
Fabrica fabrica() {
  return [] { return new T; };
}

}  // namespace

class TstAcesso : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }

  void arrowKeysMoveTheScrollBarsTheWayTheyPoint() {
    FrmArvore w;
    QVERIFY(ativa(w));
    w.BrNivel->setFocus();
    tecla(Qt::Key_Right, 3);
    QCOMPARE(w.BrNivel->value(), 3);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("3"));
    tecla(Qt::Key_Left);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("2"));
    tecla(Qt::Key_End);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("15"));
    tecla(Qt::Key_PageUp);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("14"));
    tecla(Qt::Key_Home);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    tecla(Qt::Key_Left);  // already at the minimum
    QCOMPARE(w.BrNivel->value(), 0);

    w.BrAng->setFocus();
    tecla(Qt::Key_Right, 2);
    QCOMPARE(w.LbAng->text(), QStringLiteral("2"));
    tecla(Qt::Key_Left);
    QCOMPARE(w.BrAng->value(), 1);
    QCOMPARE(w.LbAng->text(), QStringLiteral("1"));
  }

  void enterPressesTheFocusedButton() {
    FrmCurvaKoch w;
    QVERIFY(ativa(w));
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    w.BrNivel->setFocus();
    tecla(Qt::Key_Right, 2);
    w.botGerar->setFocus();
    tecla(Qt::Key_Return);
    QCOMPARE(gravador.linhas.size(), std::size_t(16));
    w.botApagar->setFocus();
    QTest::keyClick(w.botApagar, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(teste::PixelsDiferentes(w.Figura->image()), 0);
    w.Figura->setEspelho(nullptr);

    // The main menu's buttons as well.
    FrmVelquora menu;
    QVERIFY(ativa(menu));
    QCOMPARE(QApplication::focusWidget(), menu.botCurvaKoch);
    tecla(Qt::Key_Tab);
    tecla(Qt::Key_Return);
    FrmModoNS* escolha = SlotEscolha(Fractal::FlocoNeve).instancia();
    QVERIFY(escolha != nullptr && escolha->isVisible());
    escolha->close();
  }

  // Focus starts on the first control of the window's tab order, and Tab and
  // Shift+Tab go round it.
  void tabOrder_data() {
    QTest::addColumn<int>("janela");
    QTest::newRow("Koch curve, one level") << 0;
    QTest::newRow("Cantor set, one level") << 1;
    QTest::newRow("tree, sequence") << 2;
  }

  void tabOrder() {
    QFETCH(int, janela);
    std::unique_ptr<Form> w;
    QList<QWidget*> ordem;
    if (janela == 0) {
      auto* k = new FrmCurvaKoch;
      ordem = {k->Figura, k->botApagar, k->BrNivel, k->botGerar};
      w.reset(k);
    } else if (janela == 1) {
      auto* c = new frmCantor;
      ordem = {c->botGerar, c->BrNivel, c->Figura, c->botApagar};
      w.reset(c);
    } else {
      auto* a = new FrmFigArvore;
      ordem = {a->Fig4, a->Lb4, a->Fig3, a->Lb3, a->Fig2, a->Lb2, a->Fig1, a->Lb1};
      w.reset(a);
    }
    QVERIFY(ativa(*w));
    QList<QWidget*> vistos{QApplication::focusWidget()};
    for (int i = 0; i < ordem.size(); ++i) {
      tecla(Qt::Key_Tab);
      vistos << QApplication::focusWidget();
    }
    QCOMPARE(vistos, ordem + QList<QWidget*>{ordem.first()});
    tecla(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ordem.last());
  }

  void spaceAndEnterOnALabelDrawLikeAClick() {
    FrmFigCurvaKoch w;
    QVERIFY(ativa(w));
    teste::RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);
    w.Lb4->setFocus();
    tecla(Qt::Key_Space);
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(4096));
    for (int i = 0; i < 3; ++i) QCOMPARE(teste::PixelsDiferentes(paineis[i]->image()), 0);
    w.Lb2->setFocus();
    tecla(Qt::Key_Return);
    QCOMPARE(gravadores[1].linhas.size(), std::size_t(4));
    for (PictureBox* p : paineis) p->setEspelho(nullptr);

    FrmFigCurvaKoch clicada;
    clicada.show();
    teste::Clica(clicada.Lb4);
    QCOMPARE(w.Fig4->image(), clicada.Fig4->image());
    QCOMPARE(descricao(w.Fig4), descricao(clicada.Fig4));
  }

  // A control reached by Tab looks different from the same control without
  // the focus: the scroll bar and the label get a frame, the drawing box a
  // band around it.
  void theFocusedControlShowsIt() {
    FrmFigCurvaKoch seq;
    QVERIFY(ativa(seq));
    const QImage rotulo = seq.Lb1->grab().toImage();
    const QImage paineis = seq.grab().toImage();
    tecla(Qt::Key_Tab);  // Fig1 to Lb1
    QCOMPARE(QApplication::focusWidget(), seq.Lb1);
    QVERIFY(seq.Lb1->grab().toImage() != rotulo);
    tecla(Qt::Key_Backtab);  // back to Fig1
    QVERIFY(seq.grab(seq.Fig1->geometry().adjusted(-3, -3, 3, 3)).toImage() !=
            paineis.copy(seq.Fig1->geometry().adjusted(-3, -3, 3, 3)));

    FrmCurvaKoch w;
    QVERIFY(ativa(w));
    const QImage barra = w.BrNivel->grab().toImage();
    tecla(Qt::Key_Tab, 2);  // Figura, Apagar, the bar
    QCOMPARE(QApplication::focusWidget(), w.BrNivel);
    QVERIFY(w.BrNivel->grab().toImage() != barra);
  }

  void scrollBarsAreNamedByTheirCaptions() {
    FrmArvore w;
    QCOMPARE(acessivel(w.BrNivel)->role(), QAccessible::ScrollBar);
    QCOMPARE(nome(w.BrNivel), QStringLiteral("Nível:"));
    QCOMPARE(nome(w.BrAng), QStringLiteral("Ângulo:"));
  }

  void labelsOfferAPressAction() {
    FrmFigCantor w;
    w.show();
    QAccessibleInterface* rotulo = acessivel(w.Lb3);
    QCOMPARE(rotulo->role(), QAccessible::Button);
    QCOMPARE(rotulo->text(QAccessible::Name), QStringLiteral("Nível 2"));
    QAccessibleActionInterface* acoes = rotulo->actionInterface();
    QVERIFY(acoes != nullptr);
    QVERIFY(acoes->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(descricao(w.Fig3), QStringLiteral("vazio"));
    acoes->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(descricao(w.Fig3), QStringLiteral("Conjunto de Cantor, nível 2: 4 segmentos"));
    QCOMPARE(descricao(w.Fig2), QStringLiteral("vazio"));
  }

  // What a screen reader hears on a window's figure: empty at load, what
  // "Gerar" drew, empty again after "Apagar".
  void figuresDescribeWhatTheyShow_data() {
    QTest::addColumn<int>("janela");
    QTest::addColumn<int>("setas");  // right-arrow presses on the scroll bar
    QTest::addColumn<int>("gerar");  // presses of "Gerar"
    QTest::addColumn<QString>("texto");
    QTest::newRow("Koch curve") << 0 << 3 << 1 << "Curva de Koch, nível 3: 64 segmentos";
    QTest::newRow("Sierpinski") << 1 << 2 << 1 << "Triângulo de Sierpinski, nível 2: 9 triângulos";
    QTest::newRow("points") << 2 << 0 << 3 << "Triângulo de Sierpinski por pontos: 30.000 pontos";
    QTest::newRow("tree") << 3 << 1 << 1 << "Árvore Bifurcada, nível 1, ângulo de 0°: 4 segmentos";
  }

  void figuresDescribeWhatTheyShow() {
    QFETCH(int, janela);
    QFETCH(int, setas);
    QFETCH(int, gerar);
    QFETCH(QString, texto);
    std::unique_ptr<SingleLevelWindow> w;
    QWidget* figura = nullptr;
    if (janela == 0) {
      auto* k = new FrmCurvaKoch;
      figura = k->Figura;
      w.reset(k);
    } else if (janela == 1) {
      auto* s = new FrmSierpinski;
      figura = s->Picture1;
      w.reset(s);
    } else if (janela == 2) {
      auto* p = new frmSierpinski_Pontos;
      figura = p->Figura;
      w.reset(p);
    } else {
      auto* a = new FrmArvore;
      figura = a->Figura;
      w.reset(a);
    }
    w->show();
    QCOMPARE(descricao(figura), QStringLiteral("vazio"));
    if (setas > 0) teste::SetaDireita(w->BrNivel, setas);
    for (int i = 0; i < gerar; ++i) teste::Clica(w->botGerar);
    QCOMPARE(descricao(figura), texto);
    teste::Clica(w->botApagar);
    QCOMPARE(descricao(figura), QStringLiteral("vazio"));
  }

  // The count a sequence panel's description gives is the count of pieces
  // the drawing put on that panel, for every label.
  void descriptionsCountWhatIsDrawn_data() {
    QTest::addColumn<Fabrica>("fabrica");
    QTest::newRow("Koch curve") << fabrica<FrmFigCurvaKoch>();
    QTest::newRow("Koch snowflake") << fabrica<FrmFigFlocoNeve>();
    QTest::newRow("Cantor set") << fabrica<FrmFigCantor>();
    QTest::newRow("Peano curve") << fabrica<FrmFigPeano>();
    QTest::newRow("Tetracírculo") << fabrica<FrmFigCircular>();
    QTest::newRow("tree") << fabrica<FrmFigArvore>();
  }

  void descriptionsCountWhatIsDrawn() {
    QFETCH(Fabrica, fabrica);
    std::unique_ptr<LevelSequenceWindow> w(static_cast<LevelSequenceWindow*>(fabrica()));
    w->show();
    RotuloClicavel* rotulos[] = {w->Lb1, w->Lb2, w->Lb3, w->Lb4};
    PictureBox* paineis[] = {w->Fig1, w->Fig2, w->Fig3, w->Fig4};
    for (int i = 0; i < 4; ++i) {
      teste::RecordingCanvas gravador;
      paineis[i]->setEspelho(&gravador);
      teste::Clica(rotulos[i]);
      paineis[i]->setEspelho(nullptr);
      const QString texto = descricao(paineis[i]);
      const QString numero =
          texto.section(QLatin1Char(':'), -1).section(QLatin1Char(' '), 1, 1).remove(QLatin1Char('.'));
      QCOMPARE(numero.toULongLong(), gravador.linhas.size() + gravador.circulos.size());
      QVERIFY2(texto.contains(QStringLiteral("nível ") + rotulos[i]->text().section(QLatin1Char(' '), 1)),
               qPrintable(texto));
    }
  }

  // Every control a user can reach or see has a name a screen reader can
  // say, and every drawing box a description; in all windows.
  void everyControlHasAName() {
    const QList<Fabrica> fabricas{fabrica<FrmVelquora>(),
                                  [] { return new FrmModoNS(Escolha(Fractal::Arvore)); },
                                  fabrica<FrmCurvaKoch>(),
                                  fabrica<FrmFigCurvaKoch>(),
                                  fabrica<FrmFlocoDeNeve>(),
                                  fabrica<FrmFigFlocoNeve>(),
                                  fabrica<FrmSierpinski>(),
                                  fabrica<FrmFigTriangSierpinski>(),
                                  fabrica<frmSierpinski_Pontos>(),
                                  fabrica<FrmFigPontoSierpinski>(),
                                  fabrica<frmCantor>(),
                                  fabrica<FrmFigCantor>(),
                                  fabrica<FrmPeano>(),
                                  fabrica<FrmFigPeano>(),
                                  fabrica<FrmCirculo>(),
                                  fabrica<FrmFigCircular>(),
                                  fabrica<FrmArvore>(),
                                  fabrica<FrmFigArvore>()};
    for (const Fabrica& f : fabricas) {
      std::unique_ptr<Form> w(f());
      int alcancaveis = 0;
      for (QWidget* c : w->findChildren<QWidget*>()) {
        const bool imagem = qobject_cast<QLabel*>(c) != nullptr && !qobject_cast<QLabel*>(c)->pixmap().isNull();
        if (c->focusPolicy() == Qt::NoFocus && !imagem) continue;
        ++alcancaveis;
        QVERIFY2(!nome(c).isEmpty(), qPrintable(w->windowTitle() + QStringLiteral(": ") + c->objectName()));
        if (qobject_cast<PictureBox*>(c) != nullptr) {
          QVERIFY2(!descricao(c).isEmpty(), qPrintable(w->windowTitle() + QStringLiteral(": ") + c->objectName()));
        }
      }
      QVERIFY(alcancaveis >= 2);
    }
  }
};

QTEST_MAIN(TstAcesso)
#include "tst_acesso.moc"
