#include <QTest>
#include <cmath>
#include <vector>

#include "fractals/sierpinski_points/fonte_aleatoria.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "fractals/sierpinski_points/jogo_do_caos.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;
using teste::RecordingCanvas;

namespace {

// Whether (x, y) lies within `folga` pixels of the triangle with corners a, b
// and c.
bool pertoDoTriangulo(QPointF p, QPointF a, QPointF b, QPointF c, double folga) {
  auto distancia = [](QPointF p, QPointF u, QPointF v) {
    const QPointF d = v - u;
    double t = QPointF::dotProduct(p - u, d) / QPointF::dotProduct(d, d);
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = u + t * d - p;
    return std::hypot(q.x(), q.y());
  };
  auto lado = [](QPointF p, QPointF u, QPointF v) {
    return (v.x() - u.x()) * (p.y() - u.y()) - (v.y() - u.y()) * (p.x() - u.x());
  };
  const double s1 = lado(p, a, b), s2 = lado(p, b, c), s3 = lado(p, c, a);
  const bool dentro = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  return dentro || std::min({distancia(p, a, b), distancia(p, b, c), distancia(p, c, a)}) <= folga;
}

// Every point has one of the three colours and lies, within a pixel, in the
// half-size triangle at its colour's corner of the game's triangle (a, b),
// shifted by (0.05 a, 0.05 b).
void confereCores(const std::vector<teste::PontoGravado>& pontos, double a, double b) {
  const QPointF desvio(0.05 * a, 0.05 * b);
  const QPointF cantos[3] = {QPointF(0, 0) + desvio, QPointF(a, 0) + desvio, QPointF(a / 2, b) + desvio};
  int porCor[3] = {0, 0, 0};
  for (const auto& p : pontos) {
    int k = -1;
    for (int i = 0; i < 3; ++i) {
      if (p.cor == CorDoCanto[i]) k = i;
    }
    QVERIFY2(k >= 0, qPrintable(QString::number(p.cor, 16)));
    ++porCor[k];
    // The half-size copy at corner k: the corner and the midpoints of its two
    // sides.
    const QPointF c = cantos[k];
    const QPointF m1 = (c + cantos[(k + 1) % 3]) / 2;
    const QPointF m2 = (c + cantos[(k + 2) % 3]) / 2;
    QVERIFY2(pertoDoTriangulo(QPointF(p.x, p.y), c, m1, m2, 1.0),
             qPrintable(QStringLiteral("%1, %2 colour %3").arg(p.x).arg(p.y).arg(k)));
  }
  // Each corner is chosen about a third of the time.
  for (int n : porCor) QVERIFY(n > static_cast<int>(pontos.size()) / 4);
}

// Records, at the first point plotted, what a label reads.
class LeitorDoRotulo : public RecordingCanvas {
 public:
  explicit LeitorDoRotulo(const QLabel* rotulo) : rotulo_(rotulo) {}
  QString leituraNoPrimeiroPonto;

 protected:
  void desenhaPonto(float x, float y, Cor cor) override {
    if (pontos.empty()) leituraNoPrimeiroPonto = rotulo_->text();
    RecordingCanvas::desenhaPonto(x, y, cor);
  }

 private:
  const QLabel* rotulo_;
};

}  // namespace

class TstSierpinskiPontos : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  // --- The source.

  void sourceIsInTheUnitIntervalAndAlwaysStartsAlike() {
    FonteAleatoria f;
    QCOMPARE(f.Rnd(), 0.5164048671722412f);
    QCOMPARE(f.Rnd(), 0.1309216022491455f);
    QCOMPARE(f.Rnd(), 0.5447306036949158f);
    double soma = 0;
    for (int i = 0; i < 100000; ++i) {
      const float r = f.Rnd();
      QVERIFY(r >= 0.f && r < 1.f);
      soma += r;
    }
    QVERIFY(std::abs(soma / 100000 - 0.5) < 0.01);
  }

  void twoFreshSourcesGiveTheSamePoints() {
    auto joga = [](FonteAleatoria& f) {
      JogoDoCaos j;
      j.MedeSuperficie(10335, 7455);
      RecordingCanvas g;
      j.SorteiaInicio(f);
      j.NumPontos = 10000;
      j.JogaPontos(g, f);
      return g.pontos;
    };
    FonteAleatoria f1, f2;
    const auto p1 = joga(f1);
    const auto p2 = joga(f2);
    QCOMPARE(p1.size(), p2.size());
    for (std::size_t i = 0; i < p1.size(); ++i) {
      QCOMPARE(p1[i].x, p2[i].x);
      QCOMPARE(p1[i].y, p2[i].y);
      QCOMPARE(p1[i].cor, p2[i].cor);
    }
    QCOMPARE(f1.estado(), f2.estado());
  }

  void bothWindowsShareTheOneSource() {
    frmSierpinski_Pontos um;
    FrmFigPontoSierpinski sequencia;
    QCOMPARE(&um.fonte(), &FonteDoPrograma());
    QCOMPARE(&sequencia.fonte(), &FonteDoPrograma());
    // Drawing in one window moves the sequence on for the other.
    const auto antes = FonteDoPrograma().estado();
    emit sequencia.Lb1->clicked();
    QVERIFY(FonteDoPrograma().estado() != antes);
    FonteAleatoria copia = FonteDoPrograma();
    QCOMPARE(copia.Rnd(), FonteDoPrograma().Rnd());
  }

  // --- The game.

  void sizesFromTwipsRoundHalfToEven() {
    JogoDoCaos j;
    j.MedeSuperficie(10335, 7455);
    QCOMPARE(j.Largura, std::int16_t(2953));
    QCOMPARE(j.Altura, std::int16_t(2130));
    QCOMPARE(j.TrianguloDoJogo().a, 590.0);
    QCOMPARE(j.TrianguloDoJogo().b, 426.0);
    j.MedeSuperficie(4875, 3735);
    QCOMPARE(j.Largura, std::int16_t(1393));
    QCOMPARE(j.Altura, std::int16_t(1067));
    QCOMPARE(j.TrianguloDoJogo().a, 278.0);
    QCOMPARE(j.TrianguloDoJogo().b, 213.0);
    j.MedeSuperficie(8.75, 12.25);  // 2.5 -> 2, 3.5 -> 4
    QCOMPARE(j.Largura, std::int16_t(2));
    QCOMPARE(j.Altura, std::int16_t(4));
  }

  void batchPlots9979PointsOnThePixelLattice() {
    JogoDoCaos j;
    j.MedeSuperficie(10335, 7455);
    FonteAleatoria f;
    j.SorteiaInicio(f);
    QVERIFY(j.PX >= 0 && j.PX <= 99 && j.PY >= 0 && j.PY <= 74);
    j.NumPontos = 10000;
    RecordingCanvas g;
    const auto antes = f.estado();
    j.JogaPontos(g, f);
    QCOMPARE(g.pontos.size(), std::size_t(9979));
    QCOMPARE(j.Contador, 10000);
    // 9,999 draws: the same as 9,999 draws of a copy.
    FonteAleatoria outra;
    while (outra.estado() != antes) outra.Rnd();
    for (int i = 0; i < 9999; ++i) outra.Rnd();
    QCOMPARE(outra.estado(), f.estado());
    for (const auto& p : g.pontos) {
      QCOMPARE(p.x - 29.5f, std::floor(p.x - 29.5f));  // a whole pixel, shifted by 29.5
      QVERIFY(std::abs((p.y - 21.3f) - std::round(p.y - 21.3f)) < 1e-3);
    }
    confereCores(g.pontos, 590, 426);
  }

  void movesRoundDown() {
    // One move towards each corner from (7, 5) with a = 590, b = 426.
    struct Caso {
      float r;
      int px, py;
    };
    JogoDoCaos j;
    j.MedeSuperficie(10335, 7455);
    for (int k = 0; k < 3; ++k) {
      j.PX = 7;
      j.PY = 5;
      // A source stepped until it draws corner k.
      FonteAleatoria f;
      FonteAleatoria teste = f;
      while (static_cast<int>(std::floor(double(teste.Rnd()) * 3)) != k) f.Rnd();
      j.NumPontos = 2;  // one move, nothing plotted
      RecordingCanvas g;
      j.JogaPontos(g, f);
      QCOMPARE(g.pontos.size(), std::size_t(0));
      const int esperadoX[] = {3, 298, 151};  // floor(7/2), floor(597/2), floor(302/2)
      const int esperadoY[] = {2, 2, 215};    // floor(5/2), floor(5/2), floor(431/2)
      QCOMPARE(int(j.PX), esperadoX[k]);
      QCOMPARE(int(j.PY), esperadoY[k]);
      const Cor c = RGB(j.Vermelho, j.Verde, j.Azul);
      QCOMPARE(c, CorDoCanto[k]);
    }
  }

  // --- The single window.

  void windowLayout() {
    frmSierpinski_Pontos w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Triângulo de Sierpinski - Construção por Pontos"));
    QCOMPARE(w.size(), QSize(698, 586));
    QVERIFY(w.BrNivel == nullptr);
    QCOMPARE(w.Label1->text(), QStringLiteral("Número de Pontos:"));
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(w.Figura->geometry(), QRect(4, 4, 689, 497));
    QCOMPARE(w.Figura->ScaleMode(), 3);
    QCOMPARE(w.Largura, std::int16_t(2953));
    QCOMPARE(w.Altura, std::int16_t(2130));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(w.autoFillBackground());
    QVERIFY(w.Frame1->palette().color(QPalette::Window) != QColor(Qt::white));
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
  }

  void gerarRaisesTheCountThenPlots() {
    frmSierpinski_Pontos w;
    w.show();
    RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("10000"));
    QCOMPARE(w.NumPontos, 10000);
    QCOMPARE(gravador.pontos.size(), std::size_t(9979));
    confereCores(gravador.pontos, 590, 426);
    const QImage uma = w.Figura->image();
    QVERIFY(PixelsDiferentes(uma) > 1000);

    teste::Clica(w.botGerar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("20000"));
    QCOMPARE(gravador.pontos.size(), std::size_t(2 * 9979));
    // Added to what was there: every point of the first batch is still set.
    const QImage duas = w.Figura->image();
    for (std::size_t i = 0; i < 9979; ++i) {
      const auto& p = gravador.pontos[i];
      QVERIFY((duas.pixel(int(p.x), int(p.y)) & 0xFFFFFF) != 0xFFFFFF);
    }
    confereCores(gravador.pontos, 590, 426);
  }

  void countIsRaisedBeforeThePointsArePlotted() {
    frmSierpinski_Pontos w;
    w.show();
    LeitorDoRotulo leitor(w.LabNivel);
    w.Figura->setEspelho(&leitor);
    teste::Clica(w.botGerar);
    QCOMPARE(leitor.leituraNoPrimeiroPonto, QStringLiteral("10000"));
  }

  void countStopsAtOneMillion() {
    frmSierpinski_Pontos w;
    w.show();
    QStringList contagens;
    for (int i = 0; i < 100; ++i) {
      w.botGerar->click();
      contagens << w.LabNivel->text();
    }
    QCOMPARE(contagens.first(), QStringLiteral("10000"));
    QCOMPARE(contagens[1], QStringLiteral("20000"));
    QCOMPARE(contagens[49], QStringLiteral("500000"));
    for (int i = 0; i < 100; ++i) QCOMPARE(contagens[i], QString::number((i + 1) * 10000));
    QCOMPARE(w.LabNivel->text(), QStringLiteral("1000000"));

    // Past the limit nothing at all happens: no draw, no point, no count.
    const QImage cheia = w.Figura->image();
    RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    const auto estado = w.fonte().estado();
    w.botGerar->click();
    teste::Clica(w.botGerar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("1000000"));
    QCOMPARE(gravador.ordem.size(), std::size_t(0));
    QCOMPARE(w.fonte().estado(), estado);
    QCOMPARE(w.Figura->image(), cheia);

    // "Apagar" resets the count and batches can be added again.
    teste::Clica(w.botApagar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    teste::Clica(w.botGerar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("10000"));
    QCOMPARE(gravador.pontos.size(), std::size_t(9979));
  }

  void apagarThenGerarShowsOneBatch() {
    frmSierpinski_Pontos w;
    w.show();
    teste::Clica(w.botGerar);
    teste::Clica(w.botGerar);
    teste::Clica(w.botApagar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("10000"));
    // The picture is that one batch: its points, and no others.
    QImage esperada(w.Figura->image().size(), QImage::Format_RGB32);
    esperada.fill(Qt::white);
    for (const auto& p : gravador.pontos) {
      esperada.setPixel(int(p.x), int(p.y), QColor(Vermelho(p.cor), Verde(p.cor), Azul(p.cor)).rgb());
    }
    QCOMPARE(w.Figura->image(), esperada);
  }

  // --- The sequence window.

  void sequenceLayout() {
    FrmFigPontoSierpinski w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Triângulo de Sierpinski - Contrução por Pontos"));
    QCOMPARE(w.size(), QSize(676, 516));
    const QString legendas[] = {QStringLiteral("2.500 Pontos"), QStringLiteral("5.000 Pontos"),
                                QStringLiteral("25.000 Pontos"), QStringLiteral("50.000 Pontos")};
    RotuloClicavel* rotulos[] = {w.Lb1, w.Lb2, w.Lb3, w.Lb4};
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(rotulos[i]->text(), legendas[i]);
      QCOMPARE(paineis[i]->geometry().size(), QSize(325, 249));
      QCOMPARE(paineis[i]->ScaleMode(), 3);
    }
    QCOMPARE(w.Largura, std::int16_t(1393));
    QCOMPARE(w.Altura, std::int16_t(1067));
    QCOMPARE(FrmFigPontoSierpinski::IndicePainelDaContagem(2500), 0);
    QCOMPARE(FrmFigPontoSierpinski::IndicePainelDaContagem(5000), 1);
    QCOMPARE(FrmFigPontoSierpinski::IndicePainelDaContagem(25000), 2);
    QCOMPARE(FrmFigPontoSierpinski::IndicePainelDaContagem(50000), 3);
    QCOMPARE(FrmFigPontoSierpinski::IndicePainelDaContagem(7), 3);
  }

  void sequenceClickPlaysOnlyInItsOwnPanel() {
    FrmFigPontoSierpinski w;
    w.show();
    RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);

    teste::Clica(w.Lb1);
    QCOMPARE(w.PontosPedidos, 2500);
    QCOMPARE(gravadores[0].pontos.size(), std::size_t(2479));
    for (int i = 1; i < 4; ++i) {
      QCOMPARE(gravadores[i].pontos.size(), std::size_t(0));
      QCOMPARE(PixelsDiferentes(paineis[i]->image()), 0);
    }
    confereCores(gravadores[0].pontos, 278, 213);

    teste::Clica(w.Lb4);
    QCOMPARE(w.PontosPedidos, 50000);
    QCOMPARE(gravadores[3].pontos.size(), std::size_t(49979));
    confereCores(gravadores[3].pontos, 278, 213);
    teste::Clica(w.Lb2);
    QCOMPARE(gravadores[1].pontos.size(), std::size_t(4979));
    teste::Clica(w.Lb3);
    QCOMPARE(gravadores[2].pontos.size(), std::size_t(24979));
    QCOMPARE(gravadores[0].pontos.size(), std::size_t(2479));

    // A second click adds another batch, from a new start, to the same panel.
    const QImage antes = w.Fig1->image();
    teste::Clica(w.Lb1);
    QCOMPARE(gravadores[0].pontos.size(), std::size_t(2 * 2479));
    QVERIFY(PixelsDiferentes(w.Fig1->image()) >= PixelsDiferentes(antes));
    QCOMPARE(gravadores[3].pontos.size(), std::size_t(49979));
  }

  void sequencePanelsReactOnlyToTheirLabels() {
    FrmFigPontoSierpinski w;
    w.show();
    QTest::mouseClick(w.Fig3, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(PixelsDiferentes(w.Fig3->image()), 0);
  }
};

QTEST_MAIN(TstSierpinskiPontos)
#include "tst_sierpinski_pontos.moc"
