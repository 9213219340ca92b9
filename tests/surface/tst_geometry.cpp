#include <QTest>
#include <cmath>

#include "surface/geometry.h"
#include "surface/twips.h"

using namespace velquora;

class TstGeometry : public QObject {
  Q_OBJECT

 private slots:
  void anguloDirecao_data() {
    QTest::addColumn<double>("dy");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("angulo");
    QTest::newRow("along +x gives 2pi, not 0") << 0.0 << 1.0 << 6.283185308;
    QTest::newRow("along +y") << 1.0 << 0.0 << 1.570796327;
    QTest::newRow("along -y") << -1.0 << 0.0 << 4.712388981;
    QTest::newRow("zero vector") << 0.0 << 0.0 << 4.712388981;
    QTest::newRow("first quadrant") << 1.0 << 1.0 << std::atan(1.0);
    QTest::newRow("second quadrant") << 1.0 << -1.0 << std::atan(-1.0) + 3.141592654;
    QTest::newRow("fourth quadrant") << -1.0 << 1.0 << std::atan(-1.0) + 6.283185308;
    QTest::newRow("along -x") << 0.0 << -1.0 << 3.141592654;
    QTest::newRow("third quadrant") << -1.0 << -1.0 << std::atan(1.0) + 3.141592654;
  }

  void anguloDirecao() {
    QFETCH(double, dy);
    QFETCH(double, dx);
    QFETCH(double, angulo);
    // Exact: the program's decimal constants, not full-precision pi.
    QCOMPARE(AnguloDirecao(dy, dx), angulo);
  }

  void rgbPacksAndCapsComponents() {
    QCOMPARE(RGB(0, 0, 0), Cor(0));
    QCOMPARE(RGB(255, 0, 0), Cor(255));
    QCOMPARE(RGB(0, 255, 0), Cor(65280));
    QCOMPARE(RGB(0, 0, 255), Cor(16711680));
    QCOMPARE(RGB(65, 65, 33), Cor(65 + 256 * 65 + 65536 * 33));
    // The tree asks for greens up to 370: anything above 255 counts as 255.
    QCOMPARE(RGB(0, 370, 0), RGB(0, 255, 0));
    QCOMPARE(RGB(300, 256, 1000), RGB(255, 255, 255));
    QCOMPARE(Verde(RGB(10, 200, 30)), 200);
  }

  void roundsHalfToEven_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<qint64>("inteiro");
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5 (pen width)") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("346.41 (triangle apex)") << 346.41016151377545 << qint64(346);
    QTest::newRow("86.6 (hole)") << 86.60254037844386 << qint64(87);
    QTest::newRow("2952.857 (box / 3.5)") << 10335 / 3.5 << qint64(2953);
    QTest::newRow("above half") << 2.5000001 << qint64(3);
  }

  void roundsHalfToEven() {
    QFETCH(double, valor);
    QFETCH(qint64, inteiro);
    QCOMPARE(ArredondaPar(valor), inteiro);
  }

  void twipsBecomePixels() {
    QCOMPARE(Twips({360, 5520, 3495, 1035}).pixels(), QRect(24, 368, 233, 69));
    QCOMPARE(TamanhoTwips({13800, 9060}).pixels(), QSize(920, 604));
    QCOMPARE(PixelsDaFonte(14.25), 19);
    QCOMPARE(PixelsDaFonte(18), 24);
    QCOMPARE(PixelsDaFonte(36), 48);
  }
};

QTEST_APPLESS_MAIN(TstGeometry)
#include "tst_geometry.moc"
