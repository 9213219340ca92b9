// Drawing on screens of higher density. The executable runs once per ratio
// (QT_SCALE_FACTOR 1.5 and 2): the windows then have that device pixel ratio,
// and bare canvases are given it.

#include <QCryptographicHash>
#include <QTest>

#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/tree/frm_arvore.h"
#include "support/window_checks.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

const QRgb Branco = qRgb(255, 255, 255);
const QRgb Preto = qRgb(0, 0, 0);
const QRgb Moldura = qRgb(128, 128, 128);

QRgb px(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000; }

// Every primitive, with both pen widths the figures use.
QImage cena(qreal razao) {
  ImageCanvas tela(QSize(121, 87), RGB(255, 255, 255), razao);
  tela.Scale(-60, 43, 61, -44);
  tela.Line(-50, -30, 40, 35);
  tela.Line(-55, 20, 55, 20, RGB(0, 0, 200));
  tela.Line(-20.3f, -40, -20.3f, 40);
  tela.setDrawWidth(2);
  tela.Line(-50, -35, 50, 10, RGB(0, 150, 0));
  tela.PSet(30, -20, RGB(200, 0, 0));
  tela.setDrawWidth(1);
  tela.PSet(33.5f, -25.2f, RGB(200, 0, 0));
  tela.setFillStyle(0);
  tela.setFillColor(RGB(250, 200, 0));
  tela.Circle(25, 25, 12);
  const PontoPixel triangulo[] = {{10, 80}, {40, 50}, {60, 80}};
  tela.Polygon(triangulo, 3);
  return tela.image().convertToFormat(QImage::Format_RGB32);
}

// Device pixels of `alta` that contradict the ratio-1 drawing `base`: where
// a logical pixel and its eight neighbours are all of one colour, every
// device pixel of it must be of that colour.
int foraDoLugar(const QImage& base, const QImage& alta) {
  const qreal r = alta.devicePixelRatio();
  int erros = 0;
  for (int y = 0; y < alta.height(); ++y) {
    for (int x = 0; x < alta.width(); ++x) {
      const int lx = static_cast<int>(x / r), ly = static_cast<int>(y / r);
      if (lx < 1 || ly < 1 || lx >= base.width() - 1 || ly >= base.height() - 1) continue;
      const QRgb c = px(base, lx, ly);
      bool uniforme = true;
      for (int dy = -1; dy <= 1 && uniforme; ++dy) {
        for (int dx = -1; dx <= 1 && uniforme; ++dx) uniforme = px(base, lx + dx, ly + dy) == c;
      }
      if (uniforme && px(alta, x, y) != c) ++erros;
    }
  }
  return erros;
}

// The black pixels of a row (or column) of an image between two positions,
// as [first, last] of one unbroken run; {-1, -1} when there is none or more
// than one.
std::pair<int, int> trecho(const QImage& img, bool linha, int fixo, int de, int ate) {
  int primeiro = -1, ultimo = -1;
  for (int i = de; i < ate; ++i) {
    if (px(img, linha ? i : fixo, linha ? fixo : i) != Preto) continue;
    if (primeiro >= 0 && ultimo != i - 1) return {-1, -1};
    if (primeiro < 0) primeiro = i;
    ultimo = i;
  }
  return {primeiro, ultimo};
}

// The pixels of a row that are not white, as one run [first, last].
std::pair<int, int> trechoDeCor(const QImage& img, int y) {
  int primeiro = -1, ultimo = -1;
  for (int x = 0; x < img.width(); ++x) {
    if (px(img, x, y) == Branco) continue;
    if (primeiro < 0) primeiro = x;
    ultimo = x;
  }
  return {primeiro, ultimo};
}

}  // namespace

class TstHidpi : public QObject {
  Q_OBJECT

  qreal razao_ = 1;

 private slots:
  void initTestCase() {
    FrmCurvaKoch w;
    razao_ = w.devicePixelRatioF();
    QVERIFY2(razao_ > 1, "run with QT_SCALE_FACTOR above 1");
  }

  void ratioOneIsTheDrawingItWas() {
    // The hash of the scene as the program draws it at ratio 1: what it drew
    // before it knew of ratios, but for the edge pixels in which its own
    // rasteriser and Qt's painter differ (tst_rasteriser bounds them).
    const QImage img = cena(1);
    QCOMPARE(img.devicePixelRatio(), 1.0);
    QCOMPARE(QCryptographicHash::hash(QByteArrayView(img.constBits(), img.sizeInBytes()), QCryptographicHash::Sha1)
                 .toHex(),
             QByteArray("cac0e991049a0fde7ebe1371972f449f90f297fb"));
  }

  void everyPrimitiveKeepsItsPlace() {
    const QImage base = cena(1);
    for (qreal r : {razao_, 2.0, 1.25}) {
      const QImage alta = cena(r);
      QCOMPARE(alta.size(), QSize(qRound(121 * r), qRound(87 * r)));
      QCOMPARE(alta.devicePixelRatio(), r);
      QVERIFY2(foraDoLugar(base, alta) == 0, qPrintable(QString::number(r)));
    }
    // A point of the chaos game is a square of whole device pixels.
    ImageCanvas tela(QSize(20, 20), RGB(255, 255, 255), razao_);
    tela.setScaleMode(ImageCanvas::UnidadePixels);
    tela.PSet(7.6f, 5, RGB(0, 0, 0));
    const QImage img = tela.image();
    const int lado = qRound(razao_);
    QCOMPARE(teste::PixelsDiferentes(img), lado * lado);
    const auto [y1, y2] = trecho(img, false, static_cast<int>(7.5 * razao_), 0, img.height());
    QCOMPARE(y2 - y1 + 1, lado);
    QVERIFY(std::abs((y1 + y2 + 1) / 2.0 - 5.5 * razao_) <= 0.5);
  }

  void kochLevelOneIsSharpInTheWindow() {
    FrmCurvaKoch w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    teste::SetaDireita(w.BrNivel, 1);
    teste::Clica(w.botGerar);
    const QImage janela = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(janela.devicePixelRatio(), razao_);
    const QRect caixa = w.Figura->areaNaJanela();
    const QImage fig = janela.copy(caixa);
    const int largura = qRound(razao_);
    const auto emDispositivo = [&](double x, double y) { return w.Figura->paraPixels(x, y) * razao_; };

    // Whole device pixels only: no blurred grey edge.
    for (int y = 0; y < fig.height(); ++y) {
      for (int x = 0; x < fig.width(); ++x) {
        const QRgb c = px(fig, x, y);
        if (c != Preto && c != Branco) QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is neither").arg(x).arg(y)));
      }
    }
    // The left third lies flat: the same rows all along, as many as one
    // logical pixel makes, where y = -50 falls.
    const int de = static_cast<int>(emDispositivo(-140, 0).x()), ate = static_cast<int>(emDispositivo(-60, 0).x());
    const auto linhasBase = trecho(fig, false, de, 0, fig.height());
    QCOMPARE(linhasBase.second - linhasBase.first + 1, largura);
    QVERIFY(std::abs(linhasBase.first - emDispositivo(0, -50).y()) <= 1);
    for (int x = de; x < ate; ++x) QCOMPARE(trecho(fig, false, x, 0, fig.height()), linhasBase);

    // The rising side, steep on this scale: each device column crosses it in
    // one run of even length, and the run moves at every column; an enlarged
    // image would repeat columns in pairs, a 2 x 2 staircase.
    const int esquerda = static_cast<int>(emDispositivo(-45, 0).x()), direita = static_cast<int>(emDispositivo(-5, 0).x());
    std::pair<int, int> anterior{-1, -1};
    int menor = 1000, maior = 0;
    for (int x = esquerda; x < direita; ++x) {
      const auto t = trecho(fig, false, x, 0, fig.height());
      QVERIFY2(t.first >= 0, qPrintable(QString::number(x)));
      QVERIFY2(t != anterior, qPrintable(QStringLiteral("column %1 repeats the one before").arg(x)));
      menor = std::min(menor, t.second - t.first + 1);
      maior = std::max(maior, t.second - t.first + 1);
      anterior = t;
    }
    QVERIFY2(menor >= largura && maior - menor <= 1, qPrintable(QStringLiteral("%1 to %2").arg(menor).arg(maior)));
  }

  void aStraightTreeIsOneEvenLine() {
    // At angle 0 the branches continue the trunk upward, their x off by the
    // last bits of a cosine: every row of the 2-pixel line covers the same
    // device columns.
    FrmArvore w;
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage img = w.Figura->image();
    const auto emDispositivo = [&](double y) { return static_cast<int>(w.Figura->paraPixels(0, y).y() * razao_); };
    const auto tronco = trechoDeCor(img, emDispositivo(-100));
    QCOMPARE(tronco.second - tronco.first + 1, qRound(2 * razao_));
    for (int y = emDispositivo(60); y < emDispositivo(-130); ++y) QCOMPARE(trechoDeCor(img, y), tronco);
  }

  void frameIsWholeOnEverySide() {
    FrmCurvaKoch w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage janela = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect caixa = w.Figura->areaNaJanela();
    // The box reaches where its logical edges fall.
    QCOMPARE(caixa.left(), qRound(w.Figura->x() * razao_));
    QCOMPARE(caixa.right() + 1, qRound((w.Figura->x() + w.Figura->width()) * razao_));
    const int largura = qRound(razao_);
    const QRect fora = caixa.adjusted(-largura, -largura, largura, largura);
    // The frame all round, and the box's own outermost pixels white inside it.
    const QRect miolo = caixa.adjusted(1, 1, -1, -1);
    for (int y = fora.top(); y <= fora.bottom(); ++y) {
      for (int x = fora.left(); x <= fora.right(); ++x) {
        if (miolo.contains(x, y)) continue;
        if (px(janela, x, y) != (caixa.contains(x, y) ? Branco : Moldura)) {
          QFAIL(qPrintable(QStringLiteral("pixel %1,%2 of the frame or the box's edge").arg(x).arg(y)));
        }
      }
    }
  }
};

QTEST_MAIN(TstHidpi)
#include "tst_hidpi.moc"
