#include <QTest>
#include <cmath>
#include <vector>

#include "fractals/koch_snowflake/floco_de_neve.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;

namespace {

struct Segmento {
  double x1, y1, x2, y2;
};

std::vector<Segmento> floco(std::int16_t nivel) {
  std::vector<Segmento> s;
  DesenhaFlocoDeNeve(nivel, [&](double x1, double y1, double x2, double y2) { s.push_back({x1, y1, x2, y2}); });
  return s;
}

bool perto(double a, double b, double tolerancia = 1e-3) { return std::abs(a - b) <= tolerancia; }

// Strictly inside the start triangle, by more than `margem`: above the base
// and below both slanted sides.
bool dentroDoTriangulo(double x, double y, double margem = 1e-6) {
  const double h = 58.5640646 + 80;  // height of the triangle
  if (y <= -80 + margem) return false;
  // Distance below the left side (through (-80, -80) and (0, 58.56)) and the
  // right side, measured along y.
  const double yEsquerda = -80 + (x + 80) * h / 80;
  const double yDireita = -80 + (80 - x) * h / 80;
  return y < yEsquerda - margem && y < yDireita - margem;
}

}  // namespace

class TstFlocoDeNeve : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void levelZeroIsTheThreeSidesInOrder() {
    const auto s = floco(0);
    QCOMPARE(static_cast<int>(s.size()), 3);
    const double xs[] = {-80, 0, 80, -80};
    const double ys[] = {-80, 58.5640646, -80, -80};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(s[i].x1, xs[i]);
      QCOMPARE(s[i].y1, ys[i]);
      QCOMPARE(s[i].x2, xs[i + 1]);
      QCOMPARE(s[i].y2, ys[i + 1]);
    }
  }

  void levelOneIsTheTwelveCorneredStar() {
    const auto s = floco(1);
    QCOMPARE(static_cast<int>(s.size()), 12);
    const double xs[] = {-80, -53.333, -80, -26.667, 0, 26.667, 80, 53.333, 80, 26.667, 0, -26.667, -80};
    const double ys[] = {-80, -33.812, 12.376, 12.376, 58.564, 12.376, 12.376, -33.812, -80, -80, -126.188, -80, -80};
    for (int i = 0; i < 12; ++i) {
      QVERIFY2(perto(s[i].x1, xs[i]) && perto(s[i].y1, ys[i]), qPrintable(QString::number(i)));
      QVERIFY2(perto(s[i].x2, xs[i + 1]) && perto(s[i].y2, ys[i + 1]), qPrintable(QString::number(i)));
      // Each piece a third of a side.
      QVERIFY(perto(std::hypot(s[i].x2 - s[i].x1, s[i].y2 - s[i].y1), 160.0 / 3));
    }
  }

  void levelTwoStaysOutsideTheStartTriangle() {
    const auto s = floco(2);
    QCOMPARE(static_cast<int>(s.size()), 48);
    for (const Segmento& g : s) {
      QVERIFY(!dentroDoTriangulo(g.x1, g.y1));
      QVERIFY(!dentroDoTriangulo(g.x2, g.y2));
      QVERIFY(!dentroDoTriangulo((g.x1 + g.x2) / 2, (g.y1 + g.y2) / 2));
    }
  }

  void levelSixHas12288SegmentsInOneClosedPath() {
    const auto s = floco(6);
    QCOMPARE(static_cast<int>(s.size()), 12288);
    const double comprimento = 160 / std::pow(3, 6);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (i > 0) QVERIFY(s[i].x1 == s[i - 1].x2 && s[i].y1 == s[i - 1].y2);
      QVERIFY(perto(std::hypot(s[i].x2 - s[i].x1, s[i].y2 - s[i].y1), comprimento, 1e-6));
      for (double x : {s[i].x1, s[i].x2}) minX = std::min(minX, x), maxX = std::max(maxX, x);
      for (double y : {s[i].y1, s[i].y2}) minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    QCOMPARE(s.front().x1, -80.0);
    QCOMPARE(s.back().x2, -80.0);
    QCOMPARE(s.back().y2, -80.0);
    QVERIFY(perto(minX, -80) && perto(maxX, 80));
    QVERIFY(perto(minY, -126.188) && perto(maxY, 58.564));
  }

  // --- The single-level window.

  void windowOpensEmptyAtLevelZero() {
    FrmFlocoDeNeve w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Floco de Neve de Koch"));
    QCOMPARE(w.size(), QSize(699, 591));
    QCOMPARE(w.Figura->geometry(), QRect(4, 4, 689, 497));
    QCOMPARE(w.BrNivel->maximum(), 6);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    // The snowflake's coordinate system.
    QCOMPARE(w.Figura->paraPixels(-200, 90), QPointF(0, 0));
    QCOMPARE(w.Figura->paraPixels(200, -175), QPointF(688.5, 496.5));
  }

  void gerarDrawsTheLevelOnTheScrollBar() {
    FrmFlocoDeNeve w;
    w.show();
    teste::RecordingCanvas gravador;
    w.Figura->setEspelho(&gravador);
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.linhas.size(), std::size_t(3));
    QCOMPARE(gravador.linhas[1].x1, 0.f);
    QCOMPARE(gravador.linhas[1].y1, 58.5640646f);
    QCOMPARE(gravador.linhas[1].cor, std::nullopt);

    teste::SetaDireita(w.BrNivel, 6);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("6"));
    gravador.limpa();
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.linhas.size(), std::size_t(12288));
  }

  void renderedLevelOnePointsOut() {
    FrmFlocoDeNeve w;
    w.show();
    teste::SetaDireita(w.BrNivel, 1);
    teste::Clica(w.botGerar);
    const QImage img = w.Figura->image();
    auto preto = [&](double x, double y) {
      const QPointF p = w.Figura->paraPixels(x, y);
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if ((img.pixel(int(p.x()) + dx, int(p.y()) + dy) & 0xFFFFFF) == 0) return true;
        }
      }
      return false;
    };
    QVERIFY(preto(0, -126.188 + 0.5));  // the base's point, below the base
    QVERIFY(preto(-60, -80));           // a base third
    QVERIFY(!preto(0, -80));            // the middle of the base is raised away
    QVERIFY(!preto(0, -20));            // nothing inside
  }

  void apagarThenGerar() {
    FrmFlocoDeNeve w;
    w.show();
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    const QImage nivel2 = w.Figura->image();
    QVERIFY(PixelsDiferentes(nivel2) > 0);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), nivel2);  // cleared first: one picture
    teste::Clica(w.botApagar);
    QCOMPARE(PixelsDiferentes(w.Figura->image()), 0);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("2"));
    QCOMPARE(w.BrNivel->value(), 2);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Figura->image(), nivel2);
  }

  void scrollBarAloneLeavesTheDrawing() {
    FrmFlocoDeNeve w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Figura->image();
    teste::SetaDireita(w.BrNivel, 2);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("5"));
    QCOMPARE(w.Figura->image(), nivel3);
  }

  // --- The level-sequence window.

  void sequenceLayout() {
    FrmFigFlocoNeve w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Floco de Neve de Koch"));
    QCOMPARE(w.size(), QSize(676, 516));
    QCOMPARE(w.Lb4->text(), QStringLiteral("Nível 6"));
    QCOMPARE(w.Fig3->geometry(), QRect(8, 260, 325, 249));
    QCOMPARE(w.Fig2->paraPixels(-200, 90), QPointF(0, 0));
    QCOMPARE(w.Fig2->paraPixels(200, -175), QPointF(324.5, 248.5));
  }

  void sequenceClickDrawsOnlyItsOwnPanel() {
    FrmFigFlocoNeve w;
    w.show();
    teste::RecordingCanvas gravadores[4];
    PictureBox* paineis[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    for (int i = 0; i < 4; ++i) paineis[i]->setEspelho(&gravadores[i]);

    teste::Clica(w.Lb4);
    QCOMPARE(w.NivelAtual, std::int16_t(6));
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(12288));
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(gravadores[i].linhas.size(), std::size_t(0));
      QCOMPARE(PixelsDiferentes(paineis[i]->image()), 0);
    }
    const QImage nivel6 = w.Fig4->image();

    teste::Clica(w.Lb2);
    QCOMPARE(gravadores[1].linhas.size(), std::size_t(12));
    QCOMPARE(w.Fig4->image(), nivel6);
    teste::Clica(w.Lb3);
    QCOMPARE(gravadores[2].linhas.size(), std::size_t(48));
    teste::Clica(w.Lb1);
    QCOMPARE(gravadores[0].linhas.size(), std::size_t(3));
    QCOMPARE(gravadores[0].linhas[2].x1, 80.f);
    QCOMPARE(gravadores[0].linhas[2].x2, -80.f);
    QCOMPARE(gravadores[3].linhas.size(), std::size_t(12288));  // untouched since
  }

  void sequenceRepeatedClicksLeaveThePicture() {
    FrmFigFlocoNeve w;
    w.show();
    QTest::mouseClick(w.Fig2, Qt::LeftButton, {}, QPoint(20, 20));  // the panel itself does nothing
    QCOMPARE(PixelsDiferentes(w.Fig2->image()), 0);
    teste::Clica(w.Lb2);
    const QImage uma = w.Fig2->image();
    QVERIFY(PixelsDiferentes(uma) > 0);
    teste::Clica(w.Lb2);
    teste::Clica(w.Lb2);
    QCOMPARE(w.Fig2->image(), uma);
  }

  void sequenceLabelsStayClearOfTheFigure() {
    FrmFigFlocoNeve w;
    w.show();
    teste::Clica(w.Lb4);
    const QImage img = w.Fig4->image();
    const QRect rotulo = w.Lb4->geometry();
    for (int y = rotulo.top(); y <= rotulo.bottom(); ++y) {
      for (int x = rotulo.left(); x <= rotulo.right(); ++x) QCOMPARE(img.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
    }
  }
};

QTEST_MAIN(TstFlocoDeNeve)
#include "tst_floco_de_neve.moc"
