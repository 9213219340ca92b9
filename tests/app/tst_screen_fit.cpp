#include <QTest>

#include "app/frm_velquora.h"
#include "app/screen_fit.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "support/window_checks.h"

using namespace velquora;

namespace {

const QSizeF Menu(FrmVelquora::AreaCliente.pixels());
const QSizeF Moldura(MolduraDaJanela);

// Whether the menu, framed, fits the area at the scale.
bool cabe(const EscalaDoPrograma& e, QSizeF disponivel) {
  const QSizeF ocupa = (Menu * e.leiaute + Moldura) * e.fator;
  return ocupa.width() <= disponivel.width() + 1e-9 && ocupa.height() <= disponivel.height() + 1e-9;
}

}  // namespace

class TstScreenFit : public QObject {
  Q_OBJECT

 private slots:
  void theDesktopsFactorStaysWhereTheMenuFits() {
    for (const auto& [disponivel, fator] : {std::pair{QSizeF(1920, 1050), 1.5}, std::pair{QSizeF(1366, 740), 1.0},
                                            std::pair{QSizeF(3840, 2100), 2.0}}) {
      const EscalaDoPrograma e = EscalaQueCabe(Menu, Moldura, disponivel, fator);
      QCOMPARE(e.fator, fator);
      QCOMPARE(e.leiaute, 1.0);
    }
  }

  void aSmallScreenGetsJustTheScaleThatFits() {
    // A 1366 x 768 laptop at 125 % and a 1920 x 1080 screen at 200 %, each
    // with a panel: Qt's factor comes down. An 800 x 600 screen at 100 %,
    // 150 % or 200 %: the factor stops at 1 and the layouts shrink.
    struct Caso {
      QSizeF disponivel;
      double fatorDaTela;
      bool encolhe;
    };
    for (const Caso& c : {Caso{{1366, 740}, 1.25, false}, Caso{{1920, 1052}, 2.0, false}, Caso{{800, 600}, 1.0, true},
                          Caso{{800, 570}, 1.5, true}, Caso{{800, 600}, 2.0, true}}) {
      const EscalaDoPrograma e = EscalaQueCabe(Menu, Moldura, c.disponivel, c.fatorDaTela);
      QVERIFY(e.fator <= c.fatorDaTela && e.fator >= 1);
      QCOMPARE(e.leiaute < 1, c.encolhe);
      if (c.encolhe) QCOMPARE(e.fator, 1.0);
      QVERIFY(cabe(e, c.disponivel));
      // Just enough: a hundredth more and it would not fit.
      EscalaDoPrograma maior = e;
      (c.encolhe ? maior.leiaute : maior.fator) += 0.01;
      QVERIFY(!cabe(maior, c.disponivel));
    }
  }

  void aShrunkLayoutKeepsTheFigureInItsBox() {
    // The triangle is drawn in the program's pixels, 400 wide, in a box of
    // 401 x 347 of them: with the layouts at 85 % the box is that much
    // smaller on the screen, and the triangle with it, whole.
    setEscalaDoLeiaute(0.85);
    const struct Repoe {
      ~Repoe() { setEscalaDoLeiaute(1); }
    } repoe;
    FrmSierpinski w;
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    QCOMPARE(w.Img->tamanhoImagem(), QSize(401, 347));
    const QImage img = w.Img->image();
    QCOMPARE(img.size(), w.Img->size());
    QVERIFY(std::abs(img.width() - 401 * 0.85) <= 1);
    QRect preto;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        if ((img.pixel(x, y) | 0xFF000000) == qRgb(0, 0, 0)) preto |= QRect(x, y, 1, 1);
      }
    }
    QVERIFY2(std::abs(preto.left()) <= 1 && std::abs(preto.top()) <= 1 && std::abs(preto.right() - 400 * 0.85) <= 1 &&
                 std::abs(preto.bottom() - 346 * 0.85) <= 1,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(preto.x()).arg(preto.y()).arg(preto.width()).arg(preto.height())));
  }
};

QTEST_MAIN(TstScreenFit)
#include "tst_screen_fit.moc"
