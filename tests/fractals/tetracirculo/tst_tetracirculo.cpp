#include <QTest>
#include <cmath>

#include "fractals/tetracirculo/tetracirculo.h"
#include "support/recording_canvas.h"
#include "surface/image_canvas.h"

using namespace velquora;
using teste::CirculoGravado;

namespace {

// The level-0 circle of the single-level window, in pixels.
constexpr double Cx = 342.5, Cy = 234.5, R = 342.5 / 1.5;

std::vector<CirculoGravado> gera(int nivel) {
  teste::RecordingCanvas gravador;
  GeraTetracirculo(gravador, Cx, Cy, R, static_cast<std::int16_t>(nivel));
  return gravador.circulos;
}

// The generation of a circle, from its radius: R (sqrt 2 - 1)^g.
int geracao(const CirculoGravado& c) {
  return static_cast<int>(std::lround(std::log(c.raio / R) / std::log(std::sqrt(2.0) - 1)));
}

}  // namespace

class TstTetracirculo : public QObject {
  Q_OBJECT

 private slots:
  void levelOneTouchesInOrder() {
    const auto c = gera(1);
    QCOMPARE(c.size(), std::size_t(4));
    // Lower left, lower right, upper right, upper left; y grows downward.
    const double sx[] = {-1, 1, 1, -1}, sy[] = {1, 1, -1, -1};
    for (std::size_t i = 0; i < 4; ++i) {
      QVERIFY(std::abs(c[i].raio - 94.578) < 1e-3);
      QVERIFY(std::abs(c[i].x - (Cx + sx[i] * 94.578)) < 1e-3);
      QVERIFY(std::abs(c[i].y - (Cy + sy[i] * 94.578)) < 1e-3);
      QCOMPARE(c[i].estilo, 0);
      QCOMPARE(c[i].preenchimento, RGB(240, 200, 160));
      QCOMPARE(c[i].cor, std::nullopt);
      // Touches its neighbour and, from inside, the circle holding it.
      const auto& v = c[(i + 1) % 4];
      QVERIFY(std::abs(std::hypot(v.x - c[i].x, v.y - c[i].y) - 2 * c[i].raio) < 1e-3);
      QVERIFY(std::abs(std::hypot(c[i].x - Cx, c[i].y - Cy) + c[i].raio - R) < 1e-3);
    }
  }

  void generationsColoursAndOutlines_data() {
    QTest::addColumn<int>("nivel");
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("5") << 5;
  }

  void generationsColoursAndOutlines() {
    QFETCH(int, nivel);
    const auto c = gera(nivel);
    // All but the level-0 circle, which the windows draw: (4^(L+1) - 1) / 3 - 1.
    QCOMPARE(static_cast<int>(c.size()), (static_cast<int>(std::pow(4, nivel + 1)) - 1) / 3 - 1);
    // Fills counted from the innermost generation outward.
    const Cor porDentro[] = {RGB(240, 200, 160), RGB(100, 180, 80), RGB(250, 120, 200), RGB(250, 220, 0),
                             RGB(80, 200, 200)};
    for (const CirculoGravado& k : c) {
      const int g = geracao(k);
      QVERIFY(g >= 1 && g <= nivel);
      QCOMPARE(k.preenchimento, porDentro[nivel - g]);
      if (g == nivel) {
        QCOMPARE(k.cor, std::nullopt);
      } else {
        QCOMPARE(k.cor, std::optional<Cor>(static_cast<Cor>(nivel - g)));
      }
    }
    // Depth-first: a circle's children follow it before its next sibling.
    QCOMPARE(geracao(c[0]), 1);
    QCOMPARE(geracao(c[1]), 2);
    QVERIFY(std::hypot(c[1].x - c[0].x, c[1].y - c[0].y) < c[0].raio);
  }

  void renderedLevelOne() {
    ImageCanvas tela(QSize(685, 469));
    tela.setScaleMode(3);
    tela.setFillStyle(0);
    tela.setFillColor(CorDoCirculoInicial);
    tela.Circle(Cx, Cy, R);
    GeraTetracirculo(tela, Cx, Cy, R, 1);
    const QImage img = tela.image();
    auto px = [&](double x, double y) { return img.pixel(int(x), int(y)) & 0xFFFFFF; };
    const double d = 94.578;
    QCOMPARE(px(Cx - d, Cy + d), 0xF0C8A0u);       // a child's fill
    QCOMPARE(px(Cx + d, Cy - d), 0xF0C8A0u);
    QCOMPARE(px(Cx, Cy), 0xFF783Cu);               // between the children
    QCOMPARE(px(Cx, Cy - R), 0x000000u);           // the big outline
    QCOMPARE(px(Cx, Cy - d), 0x000000u);           // two children meet there
    QCOMPARE(px(Cx - R - 3, Cy), 0xFFFFFFu);       // outside
  }
};

QTEST_APPLESS_MAIN(TstTetracirculo)
#include "tst_tetracirculo.moc"
