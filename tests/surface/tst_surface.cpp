#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>

#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "surface/image_canvas.h"
#include "surface/picture_box.h"

using namespace velquora;

namespace {

const QRgb Branco = qRgb(255, 255, 255);
const QRgb Preto = qRgb(0, 0, 0);

QRgb px(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000; }

bool linhaTemPreto(const QImage& img, int y) {
  for (int x = 0; x < img.width(); ++x) {
    if (px(img, x, y) == Preto) return true;
  }
  return false;
}

}  // namespace

class TstSurface : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  void userScaleMapsCornersToEdges() {
    ImageCanvas tela(QSize(677, 493));
    tela.Scale(-200, 115, 200, -155);
    QCOMPARE(tela.ScaleMode(), 0);
    QCOMPARE(tela.paraPixels(-200, 115), QPointF(0, 0));
    // The far edges land in the last column and row.
    QCOMPARE(tela.paraPixels(200, -155), QPointF(676.5, 492.5));
    QCOMPARE(tela.paraPixels(0, 115).y(), 0.0);
    QCOMPARE(tela.paraPixels(0, -155).y(), 492.5);
    // y grows upward: the origin lies 115 / 270 of the way down.
    QCOMPARE(tela.paraPixels(0, 0), QPointF(338.5, 493 * 115.0 / 270));
  }

  // Lines and points on the four edges of a user scale, at the edges' exact
  // values, in both directions of each axis.
  void theEdgesOfAUserScaleAreDrawn_data() {
    QTest::addColumn<QRectF>("escala");  // (x1, y1) to (x2, y2) as left, top, right, bottom
    QTest::newRow("y up") << QRectF(QPointF(-200, 115), QPointF(200, -155));
    QTest::newRow("y down, x leftward") << QRectF(QPointF(230, -195), QPointF(-230, 155));
  }

  void theEdgesOfAUserScaleAreDrawn() {
    QFETCH(QRectF, escala);
    const float x1 = escala.left(), y1 = escala.top(), x2 = escala.right(), y2 = escala.bottom();
    const float xm = (x1 + x2) / 2, ym = (y1 + y2) / 2;
    ImageCanvas tela(QSize(677, 493));
    tela.Scale(x1, y1, x2, y2);
    tela.Line(xm - 10, y1, xm + 10, y1);  // top edge
    tela.Line(xm - 10, y2, xm + 10, y2);  // bottom edge
    tela.Line(x1, ym - 10, x1, ym + 10);  // left edge
    tela.Line(x2, ym - 10, x2, ym + 10);  // right edge
    tela.PSet(x2, y2, RGB(255, 0, 0));    // the lower-right corner
    const QImage img = tela.image();
    QVERIFY(linhaTemPreto(img, 0));
    QVERIFY(linhaTemPreto(img, 492));
    QVERIFY(!linhaTemPreto(img, 1));
    QVERIFY(!linhaTemPreto(img, 491));
    QCOMPARE(px(img, 0, 246), Preto);
    QCOMPARE(px(img, 676, 246), Preto);
    QCOMPARE(px(img, 675, 246), Branco);
    QCOMPARE(px(img, 676, 492), qRgb(255, 0, 0));
  }

  void twipsAndPixelModes() {
    ImageCanvas tela(QSize(100, 100));
    QCOMPARE(tela.ScaleMode(), 1);  // twips, the start value
    QCOMPARE(tela.paraPixels(150, 3000), QPointF(10, 200));
    tela.setScaleMode(3);
    QCOMPARE(tela.paraPixels(12.5, 7), QPointF(12.5, 7));
  }

  void lineColourAndWidth() {
    ImageCanvas tela(QSize(40, 40));
    tela.setScaleMode(3);
    tela.Line(5, 10, 35, 10);  // foreground: black
    tela.Line(5, 20, 35, 20, RGB(0, 200, 0));
    tela.setDrawWidth(2);
    tela.Line(5, 30, 35, 30, RGB(0, 0, 255));
    const QImage img = tela.image();
    QCOMPARE(px(img, 20, 10), Preto);
    QCOMPARE(px(img, 20, 20), qRgb(0, 200, 0));
    QCOMPARE(px(img, 20, 11), Branco);
    // A 2-pixel pen covers two rows.
    int azuis = 0;
    for (int y = 27; y <= 33; ++y) azuis += px(img, 20, y) == qRgb(0, 0, 255);
    QCOMPARE(azuis, 2);
  }

  void clsClearsEverything() {
    ImageCanvas tela(QSize(50, 50));
    tela.setScaleMode(3);
    tela.Line(0, 0, 49, 49);
    tela.PSet(3, 40, RGB(255, 0, 0));
    tela.Cls();
    const QImage img = tela.image();
    for (int y = 0; y < 50; ++y) {
      for (int x = 0; x < 50; ++x) QCOMPARE(px(img, x, y), Branco);
    }
  }

  void pointSetsThePixelHoldingIt() {
    ImageCanvas tela(QSize(20, 20));
    tela.setScaleMode(3);
    tela.PSet(4.9f, 7.2f, RGB(10, 200, 10));
    tela.PSet(-1, 5, RGB(10, 200, 10));  // outside: ignored
    const QImage img = tela.image();
    QCOMPARE(px(img, 4, 7), qRgb(10, 200, 10));
    QCOMPARE(px(img, 5, 7), Branco);
    QCOMPARE(px(img, 0, 5), Branco);
  }

  void polygonIsFilledAndOutlined() {
    ImageCanvas tela(QSize(60, 60));
    tela.setFillStyle(0);
    tela.setFillColor(RGB(255, 0, 0));
    const PontoPixel triangulo[] = {{50, 10}, {30, 50}, {10, 10}};
    tela.Polygon(triangulo, 3);
    QImage img = tela.image();
    QCOMPARE(px(img, 30, 20), qRgb(255, 0, 0));  // inside: the fill colour
    QCOMPARE(px(img, 30, 10), Preto);            // upper side: the outline
    QCOMPARE(px(img, 10, 10), Preto);
    QCOMPARE(px(img, 5, 5), Branco);             // outside
    QCOMPARE(px(img, 30, 55), Branco);

    // A white hole cut into a black triangle keeps its black outline.
    tela.Cls();
    tela.setFillColor(RGB(0, 0, 0));
    tela.Polygon(triangulo, 3);
    tela.setFillColor(RGB(255, 255, 255));
    const PontoPixel buraco[] = {{40, 30}, {20, 30}, {30, 10}};
    tela.Polygon(buraco, 3);
    img = tela.image();
    QCOMPARE(px(img, 30, 24), Branco);
    QCOMPARE(px(img, 30, 30), Preto);
    QCOMPARE(px(img, 30, 40), Preto);

    // Transparent fill: the outline only.
    tela.Cls();
    tela.setFillStyle(1);
    tela.Polygon(triangulo, 3);
    img = tela.image();
    QCOMPARE(px(img, 30, 20), Branco);
    QCOMPARE(px(img, 30, 10), Preto);
  }

  void circleIsFilledAndOutlined() {
    ImageCanvas tela(QSize(100, 100));
    tela.setScaleMode(3);
    tela.setFillStyle(0);
    tela.setFillColor(RGB(100, 180, 80));
    tela.Circle(50, 50, 20);
    QImage img = tela.image();
    QCOMPARE(px(img, 50, 50), qRgb(100, 180, 80));
    QCOMPARE(px(img, 50, 35), qRgb(100, 180, 80));
    QCOMPARE(px(img, 75, 50), Branco);
    QCOMPARE(px(img, 50, 25), Branco);
    int contorno = 0;
    for (int x = 68; x <= 71; ++x) contorno += px(img, x, 50) == Preto;
    QCOMPARE(contorno, 1);

    // An explicit colour outlines the circle in it; the fill stays.
    tela.Cls();
    tela.Circle(50, 50, 20, RGB(200, 0, 0));
    img = tela.image();
    int vermelhos = 0;
    for (int x = 68; x <= 71; ++x) vermelhos += px(img, x, 50) == qRgb(200, 0, 0);
    QCOMPARE(vermelhos, 1);
    QCOMPARE(px(img, 50, 50), qRgb(100, 180, 80));
  }

  void circleRadiusFollowsTheHorizontalAxis() {
    // 400 units across 200 pixels: a radius of 40 units is 20 pixels, also
    // vertically, whatever the vertical scale.
    ImageCanvas tela(QSize(200, 100));
    tela.Scale(-200, 100, 200, -100);
    tela.Circle(0, 0, 40);
    const QImage img = tela.image();
    int topo = -1;
    for (int y = 0; y < 100 && topo < 0; ++y) {
      if (px(img, 100, y) == Preto) topo = y;
    }
    QVERIFY2(std::abs(topo - 30) <= 1, qPrintable(QString::number(topo)));
  }

  void mirrorSeesEveryCall() {
    ImageCanvas tela(QSize(20, 20));
    teste::RecordingCanvas gravador;
    tela.setEspelho(&gravador);
    tela.setScaleMode(3);
    tela.setDrawWidth(2);
    tela.Line(1, 2, 3, 4, RGB(1, 2, 3));
    tela.setFillStyle(0);
    tela.Circle(5, 5, 2);
    tela.PSet(1, 1, 7);
    tela.Refresh();
    QCOMPARE(gravador.linhas.size(), std::size_t(1));
    QCOMPARE(gravador.linhas[0].largura, 2);
    QCOMPARE(gravador.linhas[0].cor, std::optional<Cor>(RGB(1, 2, 3)));
    QCOMPARE(gravador.circulos[0].estilo, 0);
    QCOMPARE(gravador.ordem.size(), std::size_t(4));
  }

  void pictureBoxSizesInTheContainersUnit() {
    QWidget janela;
    PictureBox imagem(&janela);
    imagem.setGeometry(10, 10, 409, 377);
    imagem.setScaleMode(3);
    QCOMPARE(imagem.Width(), 409.0 * 15);  // on a window: twips
    auto* img = new PictureBox(&imagem);
    img->setMoldura(false);
    img->Move(0, 0, 100, 100);  // inside a box measuring in pixels: pixels
    QCOMPARE(img->geometry(), QRect(0, 0, 100, 100));
    img->setHeight(347.41016);
    img->setWidth(401);
    QCOMPARE(img->size(), QSize(401, 347));
    QCOMPARE(img->Width(), 401.0);
    QCOMPARE(img->tamanhoImagem(), QSize(401, 347));
  }

  void resizingKeepsTheDrawing() {
    QWidget janela;
    PictureBox caixa(&janela);
    caixa.resize(50, 50);
    caixa.setScaleMode(3);
    caixa.PSet(10, 10, RGB(255, 0, 0));
    caixa.resize(100, 30);
    const QImage img = caixa.image();
    QCOMPARE(img.size(), QSize(100, 30));
    QCOMPARE(px(img, 10, 10), qRgb(255, 0, 0));
    QCOMPARE(px(img, 80, 20), Branco);
  }

  void refreshShowsTheDrawingAtOnce() {
    PictureBox caixa;
    caixa.resize(30, 30);
    caixa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caixa));
    caixa.setScaleMode(3);
    caixa.Line(0, 15, 29, 15);
    caixa.Refresh();
    QCOMPARE(px(caixa.grab().toImage(), 15, 15), Preto);
  }

  void copyFigureFromTheMenuAndFromCtrlC() {
    // A box half hidden by its container, with a box on top of it: what is
    // copied is what shows.
    QWidget janela;
    janela.resize(200, 150);
    PictureBox moldura(&janela);
    moldura.setGeometry(10, 10, 120, 100);
    PictureBox caixa(&moldura);
    caixa.setGeometry(60, 50, 100, 80);
    caixa.setScaleMode(ImageCanvas::UnidadePixels);
    caixa.Line(0, 0, 99, 79);
    PictureBox porCima(&janela);
    porCima.setGeometry(110, 80, 10, 10);
    porCima.setBackColor(RGB(255, 0, 0));
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    const QImage esperada = janela.grab(QRect(70, 60, 60, 50)).toImage();
    QCOMPARE(px(esperada, 45, 25), qRgb(255, 0, 0));
    QCOMPARE(esperada.size(), QSize(60, 50) * caixa.devicePixelRatioF());
    QCOMPARE(px(esperada, 10, 8), Preto);

    QStringList oferecidas;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu != nullptr);
      for (QAction* a : menu->actions()) oferecidas << a->text();
      menu->actions().value(0)->trigger();
      menu->close();
    });
    QApplication::clipboard()->clear();
    QContextMenuEvent clique(QContextMenuEvent::Mouse, QPoint(5, 5), caixa.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&caixa, &clique);
    QCOMPARE(oferecidas, QStringList{QStringLiteral("Copiar figura")});
    QCOMPARE(QApplication::clipboard()->image(), esperada);

    QApplication::clipboard()->clear();
    caixa.setFocusPolicy(Qt::StrongFocus);
    janela.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    caixa.setFocus();
    QTRY_VERIFY(caixa.hasFocus());
    QTest::keyClick(&caixa, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->image(), esperada);
  }

  void repaintsOnlyWhatChanged() {
    struct Caixa : PictureBox {
      QRegion pintado;
      void paintEvent(QPaintEvent* e) override {
        pintado += e->region();
        PictureBox::paintEvent(e);
      }
    } caixa;
    caixa.resize(200, 100);
    caixa.setScaleMode(3);
    caixa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caixa));
    QCoreApplication::processEvents();
    caixa.pintado = QRegion();
    // Refresh shows a hole at once, repainting its surroundings only.
    caixa.setFillStyle(0);
    const PontoPixel buraco[] = {{30, 30}, {20, 30}, {25, 21}};
    caixa.Polygon(buraco, 3);
    caixa.Refresh();
    QVERIFY(caixa.pintado.contains(QRect(20, 21, 11, 10)));
    QVERIFY(!caixa.pintado.intersects(QRect(40, 0, 160, 100)));
    // Drawn and left to the event loop: one repaint, of the segment's area.
    caixa.pintado = QRegion();
    caixa.Line(100, 80, 150, 80);
    caixa.Line(110, 81, 140, 81);
    QTRY_VERIFY(caixa.pintado.contains(QRect(100, 80, 51, 2)));
    QVERIFY(!caixa.pintado.intersects(QRect(0, 0, 200, 70)));
    QCOMPARE(px(caixa.grab().toImage(), 120, 81), Preto);
  }

  void anImageTakenStaysAsItWas() {
    // The surface writes into its image directly: a copy handed out before
    // must not see what is drawn after.
    ImageCanvas tela(QSize(20, 20));
    tela.setScaleMode(3);
    tela.Line(0, 5, 19, 5);
    const QImage antes = tela.image();
    tela.Line(0, 10, 19, 10);
    tela.PSet(3, 3, RGB(255, 0, 0));
    QCOMPARE(px(antes, 10, 10), Branco);
    QCOMPARE(px(antes, 3, 3), Branco);
    QCOMPARE(px(tela.image(), 10, 10), Preto);
  }
};

QTEST_MAIN(TstSurface)
#include "tst_surface.moc"
