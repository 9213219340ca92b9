#include <QTest>
#include <vector>

#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski/sierpinski.h"
#include "support/recording_canvas.h"
#include "support/sem_avisos.h"
#include "support/window_checks.h"

using namespace velquora;
using teste::PixelsDiferentes;
using teste::RecordingCanvas;

namespace {

using Pontos = std::vector<PontoPixel>;

// The holes the generator cuts at a level, as the pixel corners a window of
// that divisor hands to Polygon.
std::vector<Pontos> buracos(std::int16_t nivel, double divisor) {
  const GeradorSierpinski g(divisor);
  std::vector<Pontos> s;
  GeradorSierpinski::RetiraTriangulos(nivel, [&](const float& p, const float& q, const float& r) {
    const TrianguloPixel t = g.CantosDoBuraco(p, q, r);
    s.emplace_back(t.begin(), t.end());
  });
  return s;
}

// The pixel corners of the figure: level 0, then the holes of levels 1 and 2 in
// drawing order.
const Pontos TrianguloCheio = {{400, 0}, {200, 346}, {0, 0}};
const std::vector<Pontos> BuracosCheios = {
    {{300, 173}, {100, 173}, {200, 0}},
    {{150, 87}, {50, 87}, {100, 0}},
    {{350, 87}, {250, 87}, {300, 0}},
    {{250, 260}, {150, 260}, {200, 173}},
};
const Pontos TrianguloMetade = {{200, 0}, {100, 173}, {0, 0}};
const std::vector<Pontos> BuracosMetade = {
    {{150, 87}, {50, 87}, {100, 0}},
    {{75, 43}, {25, 43}, {50, 0}},
    {{175, 43}, {125, 43}, {150, 0}},
    {{125, 130}, {75, 130}, {100, 87}},
};

QRgb px(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }
constexpr QRgb Branco = 0xFFFFFF;
constexpr QRgb Preto = 0x000000;

std::vector<Pontos> poligonos(const RecordingCanvas& g) {
  std::vector<Pontos> s;
  for (const auto& p : g.poligonos) s.push_back(p.pontos);
  return s;
}

}  // namespace

class TstSierpinski : public QObject {
  Q_OBJECT

 private slots:
  void init() { teste::FalhaComAvisos(); }
  // --- The generator.

  void cornerTableStartsAtZeroAndIsSinglePrecision() {
    TabelaCantos t;
    t.Redimensiona(3, 9);
    QCOMPARE(t(1, 1), Canto{});
    QCOMPARE(t(3, 9), Canto{});
    static_assert(std::is_same_v<decltype(Canto::x), float>);
    t(2, 3) = {1.5f, 2.5f};
    t.Redimensiona(3, 9);
    QCOMPARE(t(2, 3), Canto{});  // sized afresh: all (0, 0) again
  }

  void boxSizeIsTheFullSize() {
    QVERIFY(std::abs(GeradorSierpinski::AlturaDaCaixa() - 347.41016) < 1e-5);
    QCOMPARE(GeradorSierpinski::LarguraDaCaixa(), 401.0);
  }

  void fullSizeCorners() {
    const GeradorSierpinski g(1);
    const TrianguloPixel t = g.CantosDoTriangulo();
    QCOMPARE(Pontos(t.begin(), t.end()), TrianguloCheio);
    const auto n1 = buracos(1, 1);
    QCOMPARE(n1.size(), std::size_t(1));
    QCOMPARE(n1[0], BuracosCheios[0]);
    QCOMPARE(buracos(2, 1), BuracosCheios);
  }

  void halfSizeCorners() {
    const GeradorSierpinski g(2);
    const TrianguloPixel t = g.CantosDoTriangulo();
    QCOMPARE(Pontos(t.begin(), t.end()), TrianguloMetade);
    QCOMPARE(buracos(1, 2), std::vector<Pontos>(BuracosMetade.begin(), BuracosMetade.begin() + 1));
    QCOMPARE(buracos(2, 2), BuracosMetade);
  }

  void halvesRoundToEven() {
    // Level 3 cuts holes of side 50 whose corners fall on half pixels at half
    // size: 37.5 -> 38, 12.5 -> 12, 62.5 -> 62.
    const auto s = buracos(3, 2);
    QCOMPARE(s[4][0], (PontoPixel{38, 22}));  // ((50 + 25) / 2, (0 + 43.3) / 2)
    QCOMPARE(s[4][1], (PontoPixel{12, 22}));
    QCOMPARE(s[4][2], (PontoPixel{25, 0}));
    QCOMPARE(ArredondaPar(62.5), std::int64_t(62));
  }

  void holeCounts_data() {
    QTest::addColumn<int>("nivel");
    for (int n : {1, 2, 3, 6, 10}) QTest::newRow(qPrintable(QString::number(n))) << n;
  }

  void holeCounts() {
    QFETCH(int, nivel);
    std::int32_t n = 0;
    float menor = 1e9f;
    GeradorSierpinski::RetiraTriangulos(static_cast<std::int16_t>(nivel),
                                        [&](const float&, const float&, const float& r) {
                                          ++n;
                                          menor = std::min(menor, r);
                                        });
    QCOMPARE(n, BuracosDoNivel(nivel));
    QCOMPARE(menor, 400.f / float(1 << nivel));
  }

  void levelTenHas29524HolesInsideTheBox() {
    const GeradorSierpinski g(1);
    std::int32_t n = 0;
    bool dentro = true;
    GeradorSierpinski::RetiraTriangulos(10, [&](const float& p, const float& q, const float& r) {
      ++n;
      for (const PontoPixel& c : g.CantosDoBuraco(p, q, r))
        dentro = dentro && c.x >= 0 && c.x <= 400 && c.y >= 0 && c.y <= 346;
    });
    QCOMPARE(n, 29524);
    QVERIFY(dentro);
  }

  // --- The single-level window.

  void windowLayout() {
    FrmSierpinski w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Triângulo de Sierpinski"));
    QCOMPARE(w.size(), QSize(695, 555));
    QVERIFY(w.Figura == nullptr);
    QCOMPARE(w.Picture1->geometry(), QRect(4, 4, 685, 465));
    QCOMPARE(w.Imagem->geometry(), QRect(140, 52, 409, 377));
    QCOMPARE(w.Img->parentWidget(), w.Imagem);
    QCOMPARE(w.Imagem->ScaleMode(), 3);
    QCOMPARE(w.Img->ScaleMode(), 3);
    // Placed at load at the corner of Imagem, with its laid-out size.
    QCOMPARE(w.Img->geometry(), QRect(0, 0, 249, 89));
    QCOMPARE(w.BrNivel->maximum(), 10);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("0"));
    QCOMPARE(PixelsDiferentes(w.Img->image()), 0);
  }

  void gerarDrawsTheExactPolygons() {
    FrmSierpinski w;
    w.show();
    RecordingCanvas gravador;
    w.Img->setEspelho(&gravador);

    teste::Clica(w.botGerar);  // level 0
    QCOMPARE(w.Img->Width(), 401.0);
    QCOMPARE(w.Img->Height(), 347.0);
    QCOMPARE(poligonos(gravador), std::vector<Pontos>{TrianguloCheio});
    QCOMPARE(gravador.poligonos[0].estilo, 0);
    QCOMPARE(gravador.poligonos[0].preenchimento, RGB(0, 0, 0));

    teste::SetaDireita(w.BrNivel, 2);
    gravador.limpa();
    teste::Clica(w.botGerar);  // level 2: the triangle, then the holes in order
    std::vector<Pontos> esperados{TrianguloCheio};
    esperados.insert(esperados.end(), BuracosCheios.begin(), BuracosCheios.end());
    QCOMPARE(poligonos(gravador), esperados);
    for (std::size_t i = 1; i < gravador.poligonos.size(); ++i) {
      QCOMPARE(gravador.poligonos[i].preenchimento, RGB(255, 255, 255));
      QCOMPARE(gravador.poligonos[i].estilo, 0);
    }
  }

  void renderedLevelTwo() {
    FrmSierpinski w;
    w.show();
    teste::SetaDireita(w.BrNivel, 2);
    teste::Clica(w.botGerar);
    const QImage img = w.Img->image();
    QCOMPARE(img.size(), QSize(401, 347));
    QCOMPARE(px(img, 200, 100), Branco);  // inside the level-1 hole
    QCOMPARE(px(img, 100, 40), Branco);   // inside a level-2 hole
    QCOMPARE(px(img, 300, 40), Branco);
    QCOMPARE(px(img, 200, 230), Branco);
    QCOMPARE(px(img, 50, 20), Preto);  // remaining triangles
    QCOMPARE(px(img, 150, 20), Preto);
    QCOMPARE(px(img, 200, 300), Preto);
    QCOMPARE(px(img, 200, 173), Preto);  // the hole's outline
    QCOMPARE(px(img, 30, 200), Branco);  // outside the triangle
  }

  void levelTenFitsAndDraws29524Holes() {
    FrmSierpinski w;
    w.show();
    RecordingCanvas gravador;
    w.Img->setEspelho(&gravador);
    teste::SetaDireita(w.BrNivel, 10);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("10"));
    teste::Clica(w.botGerar);
    QCOMPARE(gravador.poligonos.size(), std::size_t(1 + 29524));
    QCOMPARE(w.Img->image().size(), QSize(401, 347));
  }

  void apagarThenGerar() {
    FrmSierpinski w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Img->image();
    teste::Clica(w.botGerar);
    QCOMPARE(w.Img->image(), nivel3);  // erased first: one picture
    teste::Clica(w.botApagar);
    QCOMPARE(w.Img->geometry().size(), QSize(100, 100));
    QCOMPARE(PixelsDiferentes(w.Img->image()), 0);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("3"));
    teste::Clica(w.botGerar);
    QCOMPARE(w.Img->image(), nivel3);
  }

  void scrollBarAloneLeavesTheFigure() {
    FrmSierpinski w;
    w.show();
    teste::SetaDireita(w.BrNivel, 3);
    teste::Clica(w.botGerar);
    const QImage nivel3 = w.Img->image();
    teste::SetaDireita(w.BrNivel, 2);
    QCOMPARE(w.LabNivel->text(), QStringLiteral("5"));
    QCOMPARE(w.Img->image(), nivel3);
  }

  // --- The level-sequence window.

  void sequenceLayout() {
    FrmFigTriangSierpinski w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Triângulo de Sierpinski"));
    QCOMPARE(w.size(), QSize(682, 516));
    QCOMPARE(w.Fig4->geometry(), QRect(344, 256, 333, 245));
    QCOMPARE(w.Lb4->text(), QStringLiteral("Nível 6"));
    PictureBox* imagens[] = {w.Imagem1, w.Imagem2, w.Imagem3, w.Imagem4};
    PictureBox* imgs[] = {w.Img1, w.Img2, w.Img3, w.Img4};
    PictureBox* figs[] = {w.Fig1, w.Fig2, w.Fig3, w.Fig4};
    const QRect lugares[] = {{64, 28, 261, 197}, {60, 24, 261, 197}, {60, 36, 261, 185}, {64, 32, 261, 189}};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(imagens[i]->ScaleMode(), 3);
      QCOMPARE(imgs[i]->parentWidget(), imagens[i]);
      // Relative to the panel's frame box; Imagem1 is 1020, 480 on the window.
      QCOMPARE(imagens[i]->geometry(), lugares[i]);
      QCOMPARE(imgs[i]->geometry(), QRect(0, 0, 100, 100));
      QCOMPARE(PixelsDiferentes(imgs[i]->image()), 0);
      QCOMPARE(w.ImgDoNivel(i == 3 ? 6 : i), imgs[i]);
      QCOMPARE(imagens[i]->parentWidget(), figs[i]);
    }
    QCOMPARE(w.Fig1->mapTo(&w, w.Imagem1->geometry().topLeft()), QPoint(68, 32));
  }

  void sequenceDrawsTheExactHalfSizePolygons() {
    FrmFigTriangSierpinski w;
    w.show();
    RecordingCanvas gravadores[4];
    PictureBox* imgs[] = {w.Img1, w.Img2, w.Img3, w.Img4};
    for (int i = 0; i < 4; ++i) imgs[i]->setEspelho(&gravadores[i]);

    teste::Clica(w.Lb1);
    QCOMPARE(poligonos(gravadores[0]), std::vector<Pontos>{TrianguloMetade});
    QCOMPARE(w.Img1->image().size(), QSize(401, 347));  // the full size, clipped by Imagem1

    teste::Clica(w.Lb2);
    QCOMPARE(poligonos(gravadores[1]), (std::vector<Pontos>{TrianguloMetade, BuracosMetade[0]}));

    teste::Clica(w.Lb3);
    std::vector<Pontos> esperados{TrianguloMetade};
    esperados.insert(esperados.end(), BuracosMetade.begin(), BuracosMetade.end());
    QCOMPARE(poligonos(gravadores[2]), esperados);
    // Shown one by one: a Refresh after every polygon.
    const std::vector<RecordingCanvas::Tipo> ordem(10, RecordingCanvas::Poligono);
    QCOMPARE(gravadores[2].ordem.size(), std::size_t(10));
    for (std::size_t i = 0; i < 10; ++i) {
      QCOMPARE(gravadores[2].ordem[i], i % 2 == 0 ? RecordingCanvas::Poligono : RecordingCanvas::Atualizacao);
    }
  }

  void sequenceLevelSixDraws364HolesInPanelFourOnly() {
    FrmFigTriangSierpinski w;
    w.show();
    RecordingCanvas gravadores[4];
    PictureBox* imgs[] = {w.Img1, w.Img2, w.Img3, w.Img4};
    for (int i = 0; i < 4; ++i) imgs[i]->setEspelho(&gravadores[i]);
    teste::Clica(w.Lb4);
    QCOMPARE(w.NivelAtual, std::int16_t(6));
    QCOMPARE(gravadores[3].poligonos.size(), std::size_t(1 + 364));
    QCOMPARE(BuracosDoNivel(6), 364);
    int atualizacoes = 0;
    for (auto t : gravadores[3].ordem) atualizacoes += t == RecordingCanvas::Atualizacao;
    QCOMPARE(atualizacoes, 365);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(gravadores[i].poligonos.size(), std::size_t(0));
      QCOMPARE(PixelsDiferentes(imgs[i]->image()), 0);
      QCOMPARE(imgs[i]->geometry().size(), QSize(100, 100));
    }
    // The half-size figure, 201 x 174 pixels, shows whole inside Imagem4.
    const QImage img = w.Img4->image();
    QCOMPARE(px(img, 100, 60), Branco);  // the level-1 hole
    QCOMPARE(px(img, 100, 172), Preto);  // the lower apex
    QCOMPARE(px(img, 1, 0), Preto);
    QCOMPARE(px(img, 199, 0), Preto);
    QVERIFY(w.Imagem4->rect().contains(QRect(0, 0, 201, 174)));
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        if (x > 200 || y > 173) QCOMPARE(px(img, x, y), Branco);
      }
    }
  }

  void sequenceClickTwiceLeavesThePicture() {
    FrmFigTriangSierpinski w;
    w.show();
    teste::Clica(w.Lb3);
    const QImage uma = w.Img3->image();
    QVERIFY(PixelsDiferentes(uma) > 0);
    teste::Clica(w.Lb3);
    QCOMPARE(w.Img3->image(), uma);
    QTest::mouseClick(w.Fig2, Qt::LeftButton, {}, QPoint(10, 10));  // the panel itself does nothing
    QCOMPARE(PixelsDiferentes(w.Img2->image()), 0);
  }

  void sequenceLabelsAreInFrontOfTheClippingBoxes() {
    FrmFigTriangSierpinski w;
    w.show();
    RotuloClicavel* rotulos[] = {w.Lb1, w.Lb2, w.Lb3, w.Lb4};
    PictureBox* imagens[] = {w.Imagem1, w.Imagem2, w.Imagem3, w.Imagem4};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(rotulos[i]->parentWidget(), imagens[i]->parentWidget());
      const QObjectList irmaos = rotulos[i]->parentWidget()->children();
      QVERIFY(irmaos.indexOf(rotulos[i]) > irmaos.indexOf(imagens[i]));
      // A click in the label's top row, where it meets the clipping box,
      // still reaches the label.
      const QPoint topo(rotulos[i]->width() / 2, 1);
      QCOMPARE(rotulos[i]->parentWidget()->childAt(rotulos[i]->mapToParent(topo)), rotulos[i]);
    }
  }
};

QTEST_MAIN(TstSierpinski)
#include "tst_sierpinski.moc"
