#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "fractals/peano/peano.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

struct Segmento {
  double x1, y1, x2, y2;
};

std::vector<Segmento> peano(std::int16_t nivel) {
  std::vector<Segmento> s;
  DesenhaPeano(-150, -25, 150, -25, 0, nivel,
               [&](double x1, double y1, double x2, double y2) { s.push_back({x1, y1, x2, y2}); });
  return s;
}

bool perto(double a, double b, double tolerancia = 1e-6) { return std::abs(a - b) <= tolerancia; }

int erroDe(const std::function<void()>& f) {
  try {
    f();
  } catch (const ErroExecucao& e) {
    return e.Numero();
  }
  return 0;
}

}  // namespace

class TstPeano : public QObject {
  Q_OBJECT

 private slots:
  void levelOneRunsThroughItsTenPoints() {
    const auto s = peano(1);
    QCOMPARE(s.size(), std::size_t(9));
    const double xs[] = {-150, -50, -50, 50, 50, 50, -50, -50, 50, 150};
    const double ys[] = {-25, -25, 75, 75, -25, -125, -125, -25, -25, -25};
    for (int i = 0; i < 9; ++i) {
      QVERIFY2(perto(s[i].x1, xs[i]) && perto(s[i].y1, ys[i]), qPrintable(QString::number(i)));
      QVERIFY(perto(s[i].x2, xs[i + 1]) && perto(s[i].y2, ys[i + 1]));
      if (i > 0) QVERIFY(s[i].x1 == s[i - 1].x2 && s[i].y1 == s[i - 1].y2);
    }
    // The end point is the argument itself.
    QCOMPARE(s[8].x2, 150.0);
    QCOMPARE(s[8].y2, -25.0);
  }

  void theFirstPieceTakesTheDirectionOfTheProgramsTwoPi() {
    // AnguloDirecao(0, 300) is 6.283185308, a hair past a full turn, so the
    // first piece ends a hair above the base line, not on it.
    QCOMPARE(AnguloDirecao(0, 300), 6.283185308);
    const auto s = peano(1);
    QCOMPARE(s[0].x2, -150 + 100 * std::cos(6.283185308));
    QCOMPARE(s[0].y2, -25 + 100 * std::sin(6.283185308));
    QVERIFY(s[0].y2 > -25);
  }

  void countsLengthsAndBounds_data() {
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("segmentos");
    QTest::addColumn<double>("baixo");
    QTest::addColumn<double>("alto");
    QTest::newRow("2") << 2 << 81 << -158.33 << 108.33;
    QTest::newRow("5") << 5 << 59049 << -174.38 << 124.38;
    QTest::newRow("6") << 6 << 531441 << -174.79 << 124.79;
  }

  void countsLengthsAndBounds() {
    QFETCH(int, nivel);
    QFETCH(int, segmentos);
    QFETCH(double, baixo);
    QFETCH(double, alto);
    const auto s = peano(static_cast<std::int16_t>(nivel));
    QCOMPARE(static_cast<int>(s.size()), segmentos);
    const double comprimento = 300 / std::pow(3, nivel);
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const Segmento& g = s[i];
      QVERIFY(perto(std::hypot(g.x2 - g.x1, g.y2 - g.y1), comprimento, 1e-6));
      if (i > 0) QVERIFY(g.x1 == s[i - 1].x2 && g.y1 == s[i - 1].y2);  // one unbroken path
      xMin = std::min({xMin, g.x1, g.x2});
      xMax = std::max({xMax, g.x1, g.x2});
      yMin = std::min({yMin, g.y1, g.y2});
      yMax = std::max({yMax, g.y1, g.y2});
    }
    QVERIFY(perto(xMin, -150, 1e-6) && perto(xMax, 150, 1e-6));
    QVERIFY2(perto(yMin, baixo, 0.01) && perto(yMax, alto, 0.01), qPrintable(QStringLiteral("%1 %2").arg(yMin).arg(yMax)));
  }

  void renderedLevelOne() {
    // On the single window's surface: the pieces of the two squares are
    // drawn, their insides are not, nor is the base line beyond the ends.
    ImageCanvas tela(QSize(709, 501));
    tela.Scale(-300, 215, 300, -255);
    for (const Segmento& g : peano(1)) tela.Line(g.x1, g.y1, g.x2, g.y2);
    const QImage img = tela.image();
    auto preto = [&](double x, double y) {
      const QPointF p = tela.paraPixels(x, y);
      for (int dy = -1; dy <= 1; ++dy) {
        if ((img.pixel(int(p.x()), int(p.y()) + dy) & 0xFFFFFF) == 0) return true;
      }
      return false;
    };
    QVERIFY(preto(-100, -25) && preto(100, -25) && preto(0, -25));  // base thirds and the shared middle
    QVERIFY(preto(0, 75) && preto(0, -125));                        // tops of the two squares
    QVERIFY(preto(-50, 25) && preto(50, -75));                      // their sides
    QVERIFY(!preto(0, 25) && !preto(0, -75));                       // their insides
    QVERIFY(!preto(-170, -25) && !preto(170, -25));
  }

  // The faults a generation can meet are run-time errors with their numbers.
  void overflowsAreRunTimeErrorSix_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<int>("erro");
    QTest::newRow("the program's segment") << -150.0 << 150.0 << 0;
    QTest::newRow("a length beyond the doubles") << -1e308 << 1e308 << ErroEstouro;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 150.0 << ErroEstouro;
  }

  void overflowsAreRunTimeErrorSix() {
    QFETCH(double, x1);
    QFETCH(double, x2);
    QFETCH(int, erro);
    QCOMPARE(erroDe([&] { DesenhaPeano(x1, 0, x2, 0, 0, 2, [](double, double, double, double) {}); }), erro);
  }

  void narrowingToSinglePrecision() {
    QCOMPARE(Simples(-150), -150.f);
    QCOMPARE(Simples(3.0e38), 3.0e38f);
    QCOMPARE(erroDe([] { Simples(1e39); }), ErroEstouro);
    QCOMPARE(erroDe([] { Simples(-std::numeric_limits<double>::infinity()); }), ErroEstouro);
  }
};

QTEST_APPLESS_MAIN(TstPeano)
#include "tst_peano.moc"
