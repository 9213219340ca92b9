#include <QTest>

#include "app/frm_velquora.h"
#include "app/screen_fit.h"

using namespace velquora;

namespace {

// The menu with its caption bar and borders, in logical pixels.
QSizeF menuEmoldurado() { return QSizeF(FrmVelquora::AreaCliente.pixels() + MolduraDaJanela); }

}  // namespace

class TstScreenFit : public QObject {
  Q_OBJECT

 private slots:
  void theDesktopsFactorStaysWhereTheMenuFits() {
    QCOMPARE(FatorQueCabe(menuEmoldurado(), QSizeF(1920, 1050), 1.5), 1.5);
    QCOMPARE(FatorQueCabe(menuEmoldurado(), QSizeF(1366, 740), 1.0), 1.0);
    QCOMPARE(FatorQueCabe(menuEmoldurado(), QSizeF(3840, 2100), 2.0), 2.0);
  }

  void aSmallScreenGetsJustTheFactorThatFits() {
    // A 1366 x 768 laptop at 125 %, and a 1920 x 1080 screen at 200 %, each
    // with a panel of 28 device pixels.
    for (const auto& [disponivel, fatorDaTela] : {std::pair{QSizeF(1366, 740), 1.25}, std::pair{QSizeF(1920, 1052), 2.0}}) {
      const double f = FatorQueCabe(menuEmoldurado(), disponivel, fatorDaTela);
      QVERIFY(f < fatorDaTela && f >= 1);
      const QSizeF ocupa = menuEmoldurado() * f;
      QVERIFY(ocupa.width() <= disponivel.width() && ocupa.height() <= disponivel.height());
      // Just enough: a hundredth more and it would not fit.
      const QSizeF maior = menuEmoldurado() * (f + 0.01);
      QVERIFY(maior.width() > disponivel.width() || maior.height() > disponivel.height());
    }
  }

  void anEightHundredBySixHundredScreen() {
    // At 150 % or 200 % the factor comes down to 1 and no lower: Qt's
    // widgets draw nothing sound below it.
    QCOMPARE(FatorQueCabe(menuEmoldurado(), QSizeF(800, 600), 1.5), 1.0);
    QCOMPARE(FatorQueCabe(menuEmoldurado(), QSizeF(800, 600), 2.0), 1.0);
  }
};

QTEST_MAIN(TstScreenFit)
#include "tst_screen_fit.moc"
