#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/window_slot.h"
#include "fractals/peano/frm_fig_peano.h"
#include "fractals/peano/frm_peano.h"
#include "fractals/peano/peano.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;

namespace {

// A drawing surface that fails: the segment after the first `aposSegmentos`
// raises the run-time error `numero`, before anything of it is drawn; error
// 7 comes as a failed allocation.
class SuperficieQueFalha : public teste::RecordingCanvas {
 public:
  SuperficieQueFalha(std::size_t aposSegmentos, int numero) : apos_(aposSegmentos), numero_(numero) {}

 protected:
  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override {
    if (linhas.size() == apos_ && numero_ == ErroMemoria) throw std::bad_alloc();
    if (linhas.size() == apos_) throw ErroExecucao(numero_);
    RecordingCanvas::desenhaLinha(x1, y1, x2, y2, cor);
  }

 private:
  std::size_t apos_;
  int numero_;
};

// What the user sees in the error box, read while it is open; then OK.
struct CaixaVista {
  int vezes = 0;
  QString texto, titulo;
  QList<QAbstractButton*> botoes;
  QString botao;
};

void respondeACaixa(CaixaVista& vista) {
  auto* relogio = new QTimer(qApp);
  relogio->setInterval(5);
  QObject::connect(relogio, &QTimer::timeout, [&vista, relogio] {
    auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caixa == nullptr || !caixa->isVisible()) return;
    ++vista.vezes;
    vista.texto = caixa->text();
    vista.titulo = caixa->windowTitle();
    vista.botoes = caixa->buttons();
    vista.botao = caixa->button(QMessageBox::Ok) != nullptr ? caixa->button(QMessageBox::Ok)->text() : QString();
    relogio->deleteLater();
    relogio->stop();
    QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
  });
  relogio->start();
}

// The first `quantos` segments of a level drawn on a surface like `modelo`.
QImage primeirosSegmentos(const PictureBox* modelo, double x1, double y1, double x2, double y2, int nivel,
                          std::size_t quantos) {
  ImageCanvas tela(modelo->size());
  tela.Scale(x1, y1, x2, y2);
  std::size_t n = 0;
  if (nivel == 0) {
    if (quantos > 0) tela.Line(-150, -25, 150, -25);
  } else {
    DesenhaPeano(-150, -25, 150, -25, 0, static_cast<std::int16_t>(nivel),
                 [&](double a, double b, double c, double d) {
                   if (n++ < quantos) tela.Line(a, b, c, d);
                 });
  }
  return tela.image();
}

}  // namespace

class TstPeanoWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    teste::ProcessaEventos();
  }

  void layoutsAndStartState() {
    FrmPeano um;
    QCOMPARE(um.windowTitle(), QStringLiteral("Curva de Peano"));
    QCOMPARE(um.size(), QSize(718, 588));
    QCOMPARE(um.Figura->geometry(), QRect(4, 4, 709, 501));
    QCOMPARE(um.Figura->paraPixels(-300, 215), QPointF(0, 0));
    QCOMPARE(um.Figura->paraPixels(300, -255), QPointF(708.5, 500.5));
    QCOMPARE(um.BrNivel->maximum(), 6);
    QCOMPARE(um.LabNivel->text(), QStringLiteral("0"));
    QWidget* w = um.BrNivel;
    QList<QWidget*> ordem;
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain()) {
      while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
      ordem << w;
    }
    QCOMPARE(ordem, (QList<QWidget*>{um.BrNivel, um.botGerar, um.Figura, um.botApagar}));
    FrmFigPeano seq;
    QCOMPARE(seq.windowTitle(), QStringLiteral("Curva de Peano"));
    QCOMPARE(seq.size(), QSize(676, 516));
    for (PictureBox* p : {seq.Fig1, seq.Fig2, seq.Fig3, seq.Fig4}) {
      QCOMPARE(p->paraPixels(-230, 155), QPointF(0, 0));
      QCOMPARE(p->paraPixels(230, -195), QPointF(324.5, 248.5));
      QCOMPARE(PixelsDiferentes(p->image()), 0);
    }
    QCOMPARE(seq.Lb4->text(), QStringLiteral("Nível 5"));
  }

  void singleWindowOpensInTheCornerAtEveryLoad() {
    FrmPeano& primeira = Mostra<FrmPeano>();
    QCOMPARE(primeira.frameGeometry().topLeft(), QPoint(0, 0));
    primeira.move(200, 150);  // the user moves it, then closes it
    primeira.close();
    teste::ProcessaEventos();
    FrmPeano& segunda = Mostra<FrmPeano>();
    QCOMPARE(segunda.frameGeometry().topLeft(), QPoint(0, 0));
    // The sequence window is centred as all others.
    FrmFigPeano& seq = Mostra<FrmFigPeano>();
    const QRect livre = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(seq.frameGeometry().center().x() - livre.center().x()) <= 1);
  }

  void gerarDrawsTheLevelOnTheScrollBar_data() {
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("segmentos");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("2") << 2 << 81;
    QTest::newRow("6") << 6 << 531441;
  }

  void gerarDrawsTheLevelOnTheScrollBar() {
    QFETCH(int, nivel);
    QFETCH(int, segmentos);
    FrmPeano w;
    w.show();
    teste::SetaDireita(w.BrNivel, nivel);
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Nivel, std::int16_t(nivel));
    QCOMPARE(static_cast<int>(gravador.linhas.size()), segmentos);
    QCOMPARE(gravador.linhas.front().x1, -150.f);
    QCOMPARE(gravador.linhas.back().x2, 150.f);
    QCOMPARE(gravador.linhas.back().y2, -25.f);
    for (const auto& l : gravador.linhas) QVERIFY(l.cor == std::nullopt && l.largura == 1);
    // The figure on the surface is the generator's.
    w.Figura->setEspelho(nullptr);
    QCOMPARE(w.Figura->image(), primeirosSegmentos(w.Figura, -300, 215, 300, -255, nivel, std::size_t(segmentos)));
  }

  void gerarTwiceApagarAndTheScrollBarAlone() {
    FrmPeano w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Figura->image();
    QVERIFY(PixelsDiferentes(nivel3) > 0);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), nivel3);
    teste::SetaDireita(w.BrNivel, 1);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("4"));
    QCOMPARE(w.Figura->image(), nivel3);
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void sequenceLabelsDrawOnTheirOwnPanels() {
    FrmFigPeano w;
    w.show();
    teste::RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);
    teste::Clica(w.Lb4);
    teste::Clica(w.Lb2);
    teste::Clica(w.Lb1);
    teste::Clica(w.Lb3);
    QCOMPARE(gravadores[0].linhas.size(), std::size_t(1));
    QCOMPARE(gravadores[1].linhas.size(), std::size_t(9));
    QCOMPARE(gravadores[2].linhas.size(), std::size_t(81));
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(59049));
    // Level 0 in black given explicitly; the others in the foreground colour.
    QCOMPARE(gravadores[0].linhas[0].cor, std::optional<Cor>(RGB(0, 0, 0)));
    QCOMPARE(gravadores[0].linhas[0].y1, -25.f);
    QCOMPARE(gravadores[1].linhas[2].x2, 50.f);  // the top of the upper square
    QCOMPARE(gravadores[1].linhas[2].y2, 75.f);
    QCOMPARE(gravadores[3].linhas[0].cor, std::nullopt);

    for (PictureBox* p : paineis) p->setEspelho(nullptr);
    const int niveis[] = {0, 1, 2, 5};
    const std::size_t quantos[] = {1, 9, 81, 59049};
    QImage antes[4];
    for (int i = 0; i < 4; ++i) {
      antes[i] = paineis[i]->image();
      QCOMPARE(antes[i], primeirosSegmentos(paineis[i], -230, 155, 230, -195, niveis[i], quantos[i]));
    }
    // A second click draws the same figure over itself; the panels never mix.
    teste::Clica(w.Lb3);
    teste::Clica(w.Lb3);
    for (int i = 0; i < 4; ++i) QCOMPARE(paineis[i]->image(), antes[i]);
    QTest::mouseClick(w.Fig2, Qt::LeftButton, {}, QPoint(10, 10));  // outside its label
    QCOMPARE(w.Fig2->image(), antes[1]);
  }

  // Start segments no user can give, for the faults the generation itself
  // raises: a length whose square overflows, and coordinates beyond single
  // precision on their way to the surface.
  void faultsOfTheGeneration_data() {
    QTest::addColumn<bool>("sequencia");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QList<double>>("inicio");
    QTest::addColumn<int>("antes");  // segments drawn before the fault
    using A = QList<double>;
    QTest::newRow("one level, overflow") << false << 3 << A{-1e300, 0, 1e300, 0} << 0;
    // Eight pieces of level 1 lie within the single range, the ninth ends at 3.6e38.
    QTest::newRow("one level, beyond single precision") << false << 1 << A{3e38, 0, 3.6e38, 0} << 8;
    QTest::newRow("one level, level 0 beyond single precision") << false << 0 << A{-150, -25, 1e39, -25} << 0;
    QTest::newRow("sequence, overflow") << true << 2 << A{-1e300, 0, 1e300, 0} << 0;
    QTest::newRow("sequence, beyond single precision") << true << 1 << A{3e38, 0, 3.6e38, 0} << 8;
  }

  void faultsOfTheGeneration() {
    QFETCH(bool, sequencia);
    QFETCH(int, nivel);
    QFETCH(QList<double>, inicio);
    QFETCH(int, antes);
    struct Um : FrmPeano {
      using FrmPeano::Inicio;
    } um;
    struct Seq : FrmFigPeano {
      using FrmFigPeano::Inicio;
    } seq;
    PictureBox* superficie = sequencia ? (nivel == 1 ? seq.Fig2 : seq.Fig3) : um.Figura;
    QWidget* comeca = sequencia ? static_cast<QWidget*>(nivel == 1 ? seq.Lb2 : seq.Lb3) : um.botGerar;
    SegmentoPeano& segmento = sequencia ? seq.Inicio : um.Inicio;
    if (sequencia) {
      seq.show();
      teste::Clica(comeca);  // the panel's figure, drawn before the fault
    } else {
      um.show();
      teste::SetaDireita(um.BrNivel, nivel);
    }
    const QImage desenhada = superficie->image();

    segmento = {inicio[0], inicio[1], inicio[2], inicio[3]};
    teste::RecordingCanvas gravador;
    superficie->setEspelho(&gravador);
    CaixaVista vista;
    respondeACaixa(vista);
    teste::Clica(comeca);
    QCOMPARE(vista.vezes, 1);
    QCOMPARE(vista.texto, QStringLiteral("6"));
    QCOMPARE(vista.titulo, QStringLiteral("VELQUORA"));
    QCOMPARE(gravador.linhas.size(), std::size_t(antes));
    // The panel keeps its figure; what the fault drew lies far off it.
    if (sequencia) QCOMPARE(superficie->image(), desenhada);

    // Back to the real start, the window draws its figure again.
    segmento = InicioPeano;
    gravador.limpa();
    teste::Clica(comeca);
    QCOMPARE(gravador.linhas.size(), std::size_t(std::pow(9, nivel)));
    QCOMPARE(vista.vezes, 1);
    superficie->setEspelho(nullptr);
  }

  // A run-time error in a generation ends it, keeps what was drawn and shows
  // its number in a box titled "VELQUORA" with one OK button.
  void theErrorTrap_data() {
    QTest::addColumn<bool>("sequencia");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("apos");
    QTest::addColumn<int>("numero");
    QTest::newRow("one level, overflow in the middle") << false << 3 << 400 << ErroEstouro;
    QTest::newRow("one level, the first segment fails") << false << 2 << 0 << ErroIndice;
    QTest::newRow("one level, level 0's line fails") << false << 0 << 0 << ErroDivisaoPorZero;
    QTest::newRow("one level, deep in level 6") << false << 6 << 300000 << ErroChamadaInvalida;
    QTest::newRow("sequence, overflow in level 5") << true << 5 << 20000 << ErroEstouro;
    QTest::newRow("sequence, level 0's line fails") << true << 0 << 0 << ErroEstouro;
    QTest::newRow("one level, out of memory in level 5") << false << 5 << 30000 << ErroMemoria;
    QTest::newRow("sequence, out of memory in level 2") << true << 2 << 40 << ErroMemoria;
  }

  void theErrorTrap() {
    QFETCH(bool, sequencia);
    QFETCH(int, nivel);
    QFETCH(int, apos);
    QFETCH(int, numero);
    FrmPeano um;
    FrmFigPeano seq;
    PictureBox* superficie = nullptr;
    QWidget* comeca = nullptr;
    QWidget* janela = nullptr;
    if (sequencia) {
      seq.show();
      const int painel = nivel == 5 ? 4 : nivel + 1;
      superficie = seq.findChild<PictureBox*>(QStringLiteral("Fig%1").arg(painel));
      comeca = seq.findChild<QLabel*>(QStringLiteral("Lb%1").arg(painel));
      janela = &seq;
    } else {
      um.show();
      teste::SetaDireita(um.BrNivel, nivel);
      superficie = um.Figura;
      comeca = um.botGerar;
      janela = &um;
    }
    SuperficieQueFalha falha(std::size_t(apos), numero);
    superficie->setEspelho(&falha);
    CaixaVista vista;
    respondeACaixa(vista);
    teste::Clica(comeca);

    QCOMPARE(vista.vezes, 1);
    QCOMPARE(vista.texto, QString::number(numero));
    QCOMPARE(vista.titulo, QStringLiteral("VELQUORA"));
    QCOMPARE(vista.botoes.size(), 1);
    QCOMPARE(vista.botao, QStringLiteral("OK"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The generation ended at the failing segment; what came before stays.
    QCOMPARE(falha.linhas.size(), std::size_t(apos));
    superficie->setEspelho(nullptr);
    const double x = sequencia ? 230 : 300;
    const double topo = sequencia ? 155 : 215;
    const double base = sequencia ? -195 : -255;
    QCOMPARE(superficie->image(), primeirosSegmentos(superficie, -x, topo, x, base, nivel, std::size_t(apos)));
    QVERIFY(janela->isVisible());

    // The window goes on working.
    teste::RecordingCanvas gravador;
    superficie->setEspelho(&gravador);
    teste::Clica(comeca);
    QCOMPARE(gravador.linhas.size(), std::size_t(std::pow(9, nivel)));
  }
};

QTEST_MAIN(TstPeanoWindows)
#include "tst_peano_windows.moc"
