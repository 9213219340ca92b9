#include <QTest>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "fractals/tree/arvore.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

struct Segmento {
  double x1, y1, x2, y2;
  CorDaProfundidade cor;
};

struct Arvore {
  std::vector<Segmento> segmentos;
  int leiturasDoAngulo = 0;
};

Arvore arvore(int nivel, double angulo) {
  Arvore a;
  DesenhaArvore(
      TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, static_cast<std::int16_t>(nivel),
      [&] {
        ++a.leiturasDoAngulo;
        return angulo;
      },
      [&](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) {
        a.segmentos.push_back({x1, y1, x2, y2, c});
      });
  return a;
}

bool perto(double a, double b, double tolerancia = 5e-3) { return std::abs(a - b) <= tolerancia; }

bool liga(const Segmento& s, double x1, double y1, double x2, double y2) {
  return perto(s.x1, x1) && perto(s.y1, y1) && perto(s.x2, x2) && perto(s.y2, y2);
}

}  // namespace

class TstArvore : public QObject {
  Q_OBJECT

 private slots:
  void segmentAndAngleReadCounts_data() {
    QTest::addColumn<int>("nivel");
    for (int n : {1, 2, 5, 10, 15}) QTest::newRow(qPrintable(QString::number(n))) << n;
  }

  void segmentAndAngleReadCounts() {
    QFETCH(int, nivel);
    const Arvore a = arvore(nivel, 90);
    // With the trunk the window draws first: 1 + 3 (2^N - 1) line calls.
    QCOMPARE(1 + static_cast<int>(a.segmentos.size()), 1 + 3 * ((1 << nivel) - 1));
    // Every fork reads the angle, the deepest ones too.
    QCOMPARE(a.leiturasDoAngulo, (1 << (nivel + 1)) - 1);
  }

  void firstFork_data() {
    QTest::addColumn<double>("angulo");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("90") << 90.0 << 42.43 << 2.43;
    QTest::newRow("180") << 180.0 << 60.0 << -40.0;
    QTest::newRow("360") << 360.0 << 0.0 << -100.0;
  }

  void firstFork() {
    QFETCH(double, angulo);
    QFETCH(double, x);
    QFETCH(double, y);
    const Arvore a = arvore(1, angulo);
    QCOMPARE(a.segmentos.size(), std::size_t(3));
    // The trunk again, then the clockwise branch (right), then the other.
    QVERIFY(liga(a.segmentos[0], 0, -140, 0, -40));
    QVERIFY(liga(a.segmentos[1], 0, -40, x, y));
    QVERIFY(liga(a.segmentos[2], 0, -40, -x, y));
    for (const Segmento& s : a.segmentos) QCOMPARE(s.cor.cor(), RGB(65, 65, 33));
  }

  void extent_data() {
    QTest::addColumn<double>("angulo");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<double>("yMax");
    // At 0 degrees both branches go straight on: one vertical line.
    QTest::newRow("0") << 0.0 << 0.0 << 109.93;
    QTest::newRow("90") << 90.0 << 122.48 << 82.48;
  }

  void extent() {
    QFETCH(double, angulo);
    QFETCH(double, xMax);
    QFETCH(double, yMax);
    double xMin = 0, xMaior = 0, yMin = 0, yMaior = -1e9;
    for (const Segmento& s : arvore(15, angulo).segmentos) {
      xMin = std::min({xMin, s.x1, s.x2});
      xMaior = std::max({xMaior, s.x1, s.x2});
      yMin = std::min({yMin, s.y1, s.y2});
      yMaior = std::max({yMaior, s.y1, s.y2});
    }
    QVERIFY(perto(-xMin, xMax) && perto(xMaior, xMax));
    QVERIFY(perto(yMin, -140) && perto(yMaior, yMax));
  }

  void lastColourOfEachGeneration() {
    // What stays visible is the last colour a segment was drawn in; a
    // generation is told by the segment's length, 100 * 0.6^g.
    const Arvore a = arvore(15, 90);
    std::map<std::tuple<long, long, long, long>, Cor> ultima;
    std::map<std::tuple<long, long, long, long>, int> geracao;
    for (const Segmento& s : a.segmentos) {
      const auto chave = std::tuple(std::lround(s.x1 * 1e4), std::lround(s.y1 * 1e4), std::lround(s.x2 * 1e4),
                                    std::lround(s.y2 * 1e4));
      ultima[chave] = s.cor.cor();
      geracao[chave] = static_cast<int>(std::lround(std::log(std::hypot(s.x2 - s.x1, s.y2 - s.y1) / 100) / std::log(0.6)));
    }
    QCOMPARE(ultima.size(), std::size_t((1 << 16) - 1));
    for (const auto& [chave, cor] : ultima) {
      const int g = geracao[chave];
      QCOMPARE(cor, g <= 1 ? RGB(65, 65, 33) : RGB(0, std::min(20 * g + 50, 255), 0));
    }
  }

  void renderedLevelFifteenShowsOnlyTheDepthColours() {
    ImageCanvas tela(QSize(677, 493));
    tela.Scale(-200, 115, 200, -155);
    tela.setDrawWidth(2);
    tela.Line(TroncoX1, TroncoY1, TroncoX2, TroncoY2, RGB(65, 65, 33));
    DesenhaArvore(
        TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, 15, [] { return 90; },
        [&](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) { tela.Line(x1, y1, x2, y2, c.cor()); });
    const QImage img = tela.image();
    std::set<QRgb> permitidas{qRgb(255, 255, 255), qRgb(65, 65, 33)};
    for (int g = 2; g <= 15; ++g) permitidas.insert(qRgb(0, std::min(20 * g + 50, 255), 0));
    std::set<QRgb> vistas;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) vistas.insert(img.pixel(x, y) | 0xFF000000);
    }
    for (QRgb c : vistas) QVERIFY2(permitidas.count(c), qPrintable(QString::number(c & 0xFFFFFF, 16)));
    QVERIFY(vistas.count(qRgb(0, 255, 0)));
    const QPointF tronco = tela.paraPixels(0, -90);
    QCOMPARE(img.pixel(int(tronco.x()), int(tronco.y())) | 0xFF000000, qRgb(65, 65, 33));
  }
};

QTEST_APPLESS_MAIN(TstArvore)
#include "tst_arvore.moc"
