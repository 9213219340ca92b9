#include "frm_sierpinski.h"

#include "fractals/shell/acessibilidade.h"

namespace velquora {

namespace {

const LayoutUmNivel Layout{
    .legenda = "Triângulo de Sierpinski",
    .areaCliente = {10425, 8325},
    .figura = {},  // the window builds its own boxes
    .frame1 = {0, 7020, 10455, 1275},
    .label1 = {3420, 420, 975, 435},
    .labNivel = {4440, 420, 675, 435},
    .brNivel = {3360, 840, 1515, 255},
    .botGerar = {4980, 540, 1575, 495},
    .botApagar = {6540, 540, 1575, 495},
    .nivelMaximo = 10,
};

PictureBox* criaCaixa(QWidget* pai, const char* nome, Twips lugar) {
  auto* caixa = new PictureBox(pai);
  caixa->setObjectName(QLatin1String(nome));
  caixa->setGeometry(lugar.pixels());
  return caixa;
}

}  // namespace

FrmSierpinski::FrmSierpinski() : SingleLevelWindow(Layout) {
  Picture1 = criaCaixa(this, "Picture1", {60, 60, 10275, 6975});
  // The white panel lies behind everything, the frame's upper edge included.
  Picture1->lower();
  Imagem = criaCaixa(this, "Imagem", {2100, 780, 6135, 5655});
  Imagem->setScaleMode(ImageCanvas::UnidadePixels);
  Imagem->setMoldura(false);
  Img = criaCaixa(Imagem, "Img", {300, 240, 3735, 1335});
  Img->setScaleMode(ImageCanvas::UnidadePixels);
  // The white panel stands for the figure: it takes the focus, and screen
  // readers hear there what Img shows.
  TornaAcessivel(Picture1, QStringLiteral("Figura"));
  ordemTab({Picture1, botApagar, BrNivel, botGerar});
  Form_Load();
}

void FrmSierpinski::Form_Load() { Img->Move(0, 0); }

void FrmSierpinski::LimpaFigura() {
  Img->Cls();
  Img->setWidth(100);
  Img->setHeight(100);
}

void FrmSierpinski::botApagar_Click() { LimpaFigura(); }

void FrmSierpinski::botGerar_Click() {
  LimpaFigura();
  const auto L = static_cast<std::int16_t>(BrNivel->value());
  // Height first, then width: 347.41016 and 401 pixels.
  Img->setHeight(GeradorSierpinski::AlturaDaCaixa());
  Img->setWidth(GeradorSierpinski::LarguraDaCaixa());
  PreencheTriangulo(*Img, gerador_.CantosDoTriangulo(), RGB(0, 0, 0));
  if (L == 0) return;
  GeradorSierpinski::RetiraTriangulos(
      L, [this](const float& p, const float& q, const float& r) { RetiraTriangulo(p, q, r); });
}

void FrmSierpinski::RetiraTriangulo(const float& p, const float& q, const float& r) {
  PreencheTriangulo(*Img, gerador_.CantosDoBuraco(p, q, r), RGB(255, 255, 255));
}

PictureBox* FrmSierpinski::caixaDaFigura() const { return Picture1; }

// Level L leaves 3^L black triangles.
QString FrmSierpinski::descricaoDaFigura() const {
  const int nivel = BrNivel->value();
  return DescreveFigura(FiguraDoNivel("Triângulo de Sierpinski", nivel), Potencia(3, nivel), "triângulo", "triângulos");
}

}  // namespace velquora
