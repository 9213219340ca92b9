// The surface's own rasteriser against Qt's painter, shape by shape: the two
// may differ only in pixels on a shape's edge, and only in a small share of
// the shape's pixels.

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

#include "surface/rasteriser.h"

using namespace velquora;

namespace {

const QRgb Fundo = qRgb(255, 255, 255);
const QRgb Tinta = qRgb(0, 0, 0);
const QRgb Recheio = qRgb(250, 120, 200);

struct Comparacao {
  int pixels = 0;     // pixels of the painter's shapes
  int diferentes = 0; // pixels where the two differ
  int foraDaBorda = 0;  // of them, those with no edge of the painter's shape near them
};

// Draws the same shapes both ways on images of the size and compares them. A
// pixel lies on an edge when the painter's image changes within `raio` of it
// (the corners of wide outlines, mitred by the painter, reach further).
Comparacao Compara(QSize tamanho, int raio, const std::function<void(QPainter&)>& pintor,
                   const std::function<void(Rasteriser&)>& nosso) {
  QImage deQt(tamanho, QImage::Format_RGB32);
  deQt.fill(Fundo);
  {
    QPainter p(&deQt);
    pintor(p);
  }
  QImage nossa(tamanho, QImage::Format_RGB32);
  nossa.fill(Fundo);
  Rasteriser r(nossa);
  nosso(r);
  Comparacao c;
  auto px = [&](int x, int y) {
    return deQt.pixel(std::clamp(x, 0, deQt.width() - 1), std::clamp(y, 0, deQt.height() - 1));
  };
  for (int y = 0; y < tamanho.height(); ++y) {
    for (int x = 0; x < tamanho.width(); ++x) {
      c.pixels += deQt.pixel(x, y) != Fundo;
      if (deQt.pixel(x, y) == nossa.pixel(x, y)) continue;
      ++c.diferentes;
      bool borda = false;
      for (int dy = -raio; dy <= raio; ++dy) {
        for (int dx = -raio; dx <= raio; ++dx) borda = borda || px(x + dx, y + dy) != px(x, y);
      }
      c.foraDaBorda += !borda;
    }
  }
  return c;
}

QPen Pena(int largura) {
  QPen pena(QColor::fromRgb(Tinta));
  pena.setWidth(largura <= 1 ? 0 : largura);
  pena.setCapStyle(Qt::SquareCap);
  pena.setJoinStyle(Qt::MiterJoin);
  return pena;
}

}  // namespace

class TstRasteriser : public QObject {
  Q_OBJECT

 private slots:
  void agreesWithThePainter_data() {
    QTest::addColumn<QString>("forma");
    QTest::addColumn<int>("largura");
    QTest::addColumn<double>("parteMaxima");
    // Lines between arbitrary points, short and long, at the widths the
    // figures use (and their doubles on a screen of ratio 2).
    QTest::newRow("lines 1") << "linha" << 1 << 0.01;
    QTest::newRow("lines 2") << "linha" << 2 << 0.02;
    QTest::newRow("lines 4") << "linha" << 4 << 0.02;
    QTest::newRow("circles 1") << "circulo" << 1 << 0.02;
    QTest::newRow("circles 2") << "circulo" << 2 << 0.02;
    QTest::newRow("triangles 1") << "poligono" << 1 << 0.01;
    QTest::newRow("triangles 2") << "poligono" << 2 << 0.02;
  }

  void agreesWithThePainter() {
    QFETCH(QString, forma);
    QFETCH(int, largura);
    QFETCH(double, parteMaxima);
    QRandomGenerator aleatorio(12345);
    auto real = [&](double a, double b) { return a + (b - a) * aleatorio.generateDouble(); };
    const int vizinhanca = std::max(1, largura / 2 + 1);
    Comparacao total;
    for (int k = 0; k < 300; ++k) {
      Comparacao c;
      if (forma == "linha") {
        // Half of them short, as the deep levels draw them; some reach
        // outside the image.
        const double x1 = real(-20, 220), y1 = real(-20, 170);
        const double alcance = k % 2 == 0 ? 3 : 150;
        const double x2 = x1 + real(-alcance, alcance), y2 = y1 + real(-alcance, alcance);
        c = Compara(
            QSize(200, 150), vizinhanca,
            [&](QPainter& p) {
              p.setPen(Pena(largura));
              p.drawLine(QLineF(x1, y1, x2, y2));
            },
            [&](Rasteriser& r) { r.linha(x1, y1, x2, y2, largura, Tinta); });
      } else if (forma == "circulo") {
        const double cx = real(0, 200), cy = real(0, 150), raio = real(0.5, k % 2 == 0 ? 8 : 90);
        c = Compara(
            QSize(200, 150), vizinhanca,
            [&](QPainter& p) {
              p.setPen(Pena(largura));
              p.setBrush(QColor::fromRgb(Recheio));
              p.drawEllipse(QPointF(cx, cy), raio, raio);
            },
            [&](Rasteriser& r) { r.circulo(cx, cy, raio, &Recheio, Tinta, largura); });
      } else {
        // Integer corners, as the pixel polygons of the program have.
        QPoint cantos[3];
        QPointF cantosF[3];
        for (int i = 0; i < 3; ++i) {
          cantos[i] = QPoint(aleatorio.bounded(-10, 210), aleatorio.bounded(-10, 160));
          cantosF[i] = cantos[i];
        }
        c = Compara(
            QSize(200, 150), vizinhanca,
            [&](QPainter& p) {
              p.setPen(Pena(largura));
              p.setBrush(QColor::fromRgb(Recheio));
              p.drawPolygon(cantos, 3);
            },
            [&](Rasteriser& r) { r.poligono(cantosF, 3, &Recheio, Tinta, largura); });
      }
      total.pixels += c.pixels;
      total.diferentes += c.diferentes;
      total.foraDaBorda += c.foraDaBorda;
    }
    const double parte = double(total.diferentes) / total.pixels;
    qInfo("%s, width %d: %d of %d pixels differ (%.2f%%), %d off an edge", qPrintable(forma), largura,
          total.diferentes, total.pixels, 100 * parte, total.foraDaBorda);
    QCOMPARE(total.foraDaBorda, 0);
    QVERIFY2(parte <= parteMaxima, qPrintable(QString::number(parte)));
  }

  // Small filled circles wholly inside the image, with a thin or a wide
  // outline, take a shorter way than those the image's edge cuts: the same
  // circle drawn both ways must give the same pixels where the two images
  // overlap.
  void smallCirclesSameInsideAndAtTheEdge() {
    QRandomGenerator aleatorio(54321);
    for (int k = 0; k < 800; ++k) {
      const int largura = k % 2 == 0 ? 1 : 2;
      const double raio = 0.3 + 7.5 * aleatorio.generateDouble();
      const double cx = 20 + aleatorio.generateDouble(), cy = 20 + aleatorio.generateDouble();
      QImage inteira(40, 40, QImage::Format_RGB32), cortada(int(cx) + 1, 40, QImage::Format_RGB32);
      inteira.fill(Fundo);
      cortada.fill(Fundo);
      Rasteriser(inteira).circulo(cx, cy, raio, &Recheio, Tinta, largura);
      Rasteriser(cortada).circulo(cx, cy, raio, &Recheio, Tinta, largura);
      QCOMPARE(inteira.copy(cortada.rect()), cortada);
    }
  }
};

QTEST_MAIN(TstRasteriser)
#include "tst_rasteriser.moc"
