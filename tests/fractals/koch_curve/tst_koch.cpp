#include <QTest>
#include <cmath>
#include <vector>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

struct Segmento {
  double x1, y1, x2, y2;
};

std::vector<Segmento> koch(std::int16_t nivel) {
  std::vector<Segmento> s;
  DesenhaKoch(-150, -50, 150, -50, 0, nivel,
              [&](double x1, double y1, double x2, double y2) { s.push_back({x1, y1, x2, y2}); });
  return s;
}

bool perto(double a, double b, double tolerancia = 1e-3) { return std::abs(a - b) <= tolerancia; }

}  // namespace

class TstKoch : public QObject {
  Q_OBJECT

 private slots:
  void segmentCounts_data() {
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("segmentos");
    QTest::newRow("1") << 1 << 4;
    QTest::newRow("2") << 2 << 16;
    QTest::newRow("3") << 3 << 64;
    QTest::newRow("6") << 6 << 4096;
  }

  void segmentCounts() {
    QFETCH(int, nivel);
    QFETCH(int, segmentos);
    const auto s = koch(static_cast<std::int16_t>(nivel));
    QCOMPARE(static_cast<int>(s.size()), segmentos);
    // Every piece is 300 / 3^N long.
    const double comprimento = 300 / std::pow(3, nivel);
    for (const Segmento& g : s) QVERIFY(perto(std::hypot(g.x2 - g.x1, g.y2 - g.y1), comprimento, 1e-6));
  }

  void levelOneCorners() {
    const auto s = koch(1);
    const double xs[] = {-150, -50, 0, 50, 150};
    const double ys[] = {-50, -50, 36.603, -50, -50};
    for (int i = 0; i < 4; ++i) {
      QVERIFY(perto(s[i].x1, xs[i]) && perto(s[i].y1, ys[i]));
      QVERIFY(perto(s[i].x2, xs[i + 1]) && perto(s[i].y2, ys[i + 1]));
    }
    // The end point is the argument itself, not a computed one.
    QCOMPARE(s[3].x2, 150.0);
    QCOMPARE(s[3].y2, -50.0);
  }

  void levelTwoRaisesThirdsAwayFromTheBase() {
    const auto s = koch(2);
    // Segments 4..7 replace the left slant: their apex (end of piece 5) lies
    // up and to the left of that slant's middle; 8..11 mirror it.
    const double meioEsqX = (-50 + 0) / 2.0, meioEsqY = (-50 + 36.603) / 2;
    QVERIFY(s[5].x2 < meioEsqX && s[5].y2 > meioEsqY);
    const double meioDirX = (0 + 50) / 2.0;
    QVERIFY(s[9].x2 > meioDirX && s[9].y2 > meioEsqY);
  }

  void levelSixIsOneUnbrokenPathAboveTheBase() {
    const auto s = koch(6);
    QCOMPARE(s.front().x1, -150.0);
    QCOMPARE(s.back().x2, 150.0);
    double topo = -1e9;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (i > 0) QVERIFY(s[i].x1 == s[i - 1].x2 && s[i].y1 == s[i - 1].y2);
      QVERIFY(s[i].y1 >= -50 - 1e-9 && s[i].y2 >= -50 - 1e-9);
      topo = std::max(topo, std::max(s[i].y1, s[i].y2));
    }
    QVERIFY(perto(topo, -50 + 100 * std::sin(3.141592654 / 3)));
  }

  void renderedLevelOne() {
    // Level 1 on the window's surface: the base thirds on the row of y = -50,
    // the apex near (0, 36.6), nothing inside the raised triangle.
    ImageCanvas tela(QSize(677, 493));
    tela.Scale(-200, 115, 200, -155);
    for (const Segmento& g : koch(1)) tela.Line(g.x1, g.y1, g.x2, g.y2);
    const QImage img = tela.image();
    const QPointF base = tela.paraPixels(-100, -50);
    const QPointF apice = tela.paraPixels(0, 36.603);
    const QPointF dentro = tela.paraPixels(0, -20);
    const QPointF meioDaBase = tela.paraPixels(0, -50);
    auto preto = [&](QPointF p) { return (img.pixel(int(p.x()), int(p.y())) & 0xFFFFFF) == 0; };
    QVERIFY(preto(base));
    QVERIFY(preto(tela.paraPixels(100, -50)));
    QVERIFY(preto(apice) || preto(apice + QPointF(0, 1)));
    QVERIFY(!preto(dentro));
    QVERIFY(!preto(meioDaBase));  // the middle third is raised, not drawn
    QVERIFY(!preto(tela.paraPixels(-160, -50)));
  }
};

QTEST_APPLESS_MAIN(TstKoch)
#include "tst_koch.moc"
