#include "frm_fig_triang_sierpinski.h"

#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutSequencia Layout{
    .legenda = "Triângulo de Sierpinski",
    .areaCliente = {10230, 7740},
    .paineis = {{
        {{60, 60, 4995, 3675}, "Nível 0", {3960, 3300, 975, 315}, 0},
        {{5160, 60, 4995, 3675}, "Nível 1", {3960, 3300, 975, 315}, 1},
        {{60, 3840, 4995, 3675}, "Nível 2", {3960, 3300, 975, 315}, 2},
        {{5160, 3840, 4995, 3675}, "Nível 6", {3960, 3300, 1155, 315}, 6},
    }},
};

// The clipping box and the drawing box of each panel, relative to the frame
// box and to the clipping box. Imagem1 is laid out on the window at 1020,
// 480, which is 960, 420 from the corner of Fig1.
struct CaixasDoPainel {
  Twips imagem;
  Twips img;
};

constexpr CaixasDoPainel Caixas[4] = {
    {{960, 420, 3915, 2955}, {120, 60, 495, 195}},
    {{900, 360, 3915, 2955}, {120, 780, 2475, 915}},
    {{900, 540, 3915, 2775}, {300, 420, 2475, 915}},
    {{960, 480, 3915, 2835}, {300, 420, 2475, 915}},
};

PictureBox* criaCaixa(QWidget* pai, const QString& nome, Twips lugar) {
  auto* caixa = new PictureBox(pai);
  caixa->setObjectName(nome);
  caixa->setGeometry(lugar.pixels());
  caixa->setScaleMode(ImageCanvas::UnidadePixels);
  return caixa;
}

}  // namespace

FrmFigTriangSierpinski::FrmFigTriangSierpinski() : LevelSequenceWindow(Layout) {
  std::array<PictureBox*, 4> imagens{};
  RotuloClicavel* rotulos[] = {Lb1, Lb2, Lb3, Lb4};
  for (std::size_t i = 0; i < 4; ++i) {
    const QString n = QString::number(i + 1);
    imagens[i] = criaCaixa(painel(static_cast<int>(i)), QStringLiteral("Imagem") + n, Caixas[i].imagem);
    imgs_[i] = criaCaixa(imagens[i], QStringLiteral("Img") + n, Caixas[i].img);
    // The caption stays whole in front of the clipping box it touches.
    rotulos[i]->raise();
  }
  Imagem1 = imagens[0];
  Imagem2 = imagens[1];
  Imagem3 = imagens[2];
  Imagem4 = imagens[3];
  Img1 = imgs_[0];
  Img2 = imgs_[1];
  Img3 = imgs_[2];
  Img4 = imgs_[3];
  Form_Load();
}

void FrmFigTriangSierpinski::Form_Load() {
  for (PictureBox* img : {Img1, Img2, Img3, Img4}) {
    img->Move(0, 0);
    img->Cls();
    img->setWidth(100);
    img->setHeight(100);
  }
}

void FrmFigTriangSierpinski::DesenhaNivel() {
  const std::int16_t k = NivelAtual;
  PictureBox* img = ImgDoNivel(k);
  // The full-size box, 401 x 347 pixels, of which the figure takes half.
  img->setHeight(GeradorSierpinski::AlturaDaCaixa());
  img->setWidth(GeradorSierpinski::LarguraDaCaixa());
  PreencheTriangulo(*img, gerador_.CantosDoTriangulo(), RGB(0, 0, 0));
  img->Refresh();
  if (k < 1) return;
  GeradorSierpinski::RetiraTriangulos(
      k, [this](const float& p, const float& q, const float& r) { RetiraTriangulo(p, q, r); });
}

void FrmFigTriangSierpinski::RetiraTriangulo(const float& p, const float& q, const float& r) {
  PictureBox* img = NivelAtual == 1 ? Img2 : NivelAtual == 2 ? Img3 : Img4;
  PreencheTriangulo(*img, gerador_.CantosDoBuraco(p, q, r), RGB(255, 255, 255));
  img->Refresh();
}

QString FrmFigTriangSierpinski::descricaoDoPainel(int i) const {
  const int nivel = valorDoRotulo(i);
  return DescreveFigura(FiguraDoNivel("Triângulo de Sierpinski", nivel), Potencia(3, nivel), "triângulo", "triângulos");
}

}  // namespace velquora
