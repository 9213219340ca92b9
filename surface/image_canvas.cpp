#include "image_canvas.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "twips.h"

namespace velquora {

namespace {

QColor cor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }

constexpr std::size_t LoteLinhas = 4096;

// The far edges of a user scale belong to it: a coordinate that maps onto
// the boundary past the last pixel (rounding aside) goes to the middle of
// that last pixel, or it would not be drawn at all.
double dentroDaArea(double v, double tamanho, double celulasPorPixel) {
  return std::abs(v - tamanho) <= 1e-9 * tamanho ? tamanho - 0.5 * celulasPorPixel : v;
}

}  // namespace

ImageCanvas::ImageCanvas(QSize tamanho, Cor fundo, qreal razao) : tamanho_(tamanho), fundo_(fundo) {
  setRazaoDePixels(razao);
  acompanhaTamanho();
  imagem_.fill(cor(fundo_));
}

int ImageCanvas::emDispositivo(double v, qreal razao) { return static_cast<int>(std::floor(v * razao + 0.5)); }

QSize ImageCanvas::tamanhoNoDispositivo() const {
  const qreal r = razaoDaArea();
  const QSize t = tamanhoDaArea();
  return QSize(emDispositivo(t.width(), r), emDispositivo(t.height(), r));
}

void ImageCanvas::setRazaoDePixels(qreal razao) { razao_ = razao > 0 ? razao : 1; }

ImageCanvas::~ImageCanvas() { conclui(); }

void ImageCanvas::setScaleMode(int modo) { modo_ = modo; }

void ImageCanvas::Scale(double x1, double y1, double x2, double y2) {
  modo_ = UnidadeUsuario;
  escalaEsquerda_ = x1;
  escalaTopo_ = y1;
  escalaLargura_ = x2 - x1;
  escalaAltura_ = y2 - y1;
}

double ImageCanvas::fatorX(double largura, double celulasPorPixel) const {
  switch (modo_) {
    case UnidadeUsuario: return largura / escalaLargura_;
    case UnidadeTwips: return celulasPorPixel == 1 ? 1.0 / TwipsPorPixel : celulasPorPixel / TwipsPorPixel;
    default: return celulasPorPixel;
  }
}

QPointF ImageCanvas::mapeia(double x, double y, QSizeF grade, double celulasPorPixel) const {
  if (modo_ == UnidadeUsuario) {
    // The user's corners fall on the grid's edges whatever its ratio.
    return QPointF(dentroDaArea((x - escalaEsquerda_) * (grade.width() / escalaLargura_), grade.width(), celulasPorPixel),
                   dentroDaArea((y - escalaTopo_) * (grade.height() / escalaAltura_), grade.height(), celulasPorPixel));
  }
  const double f = fatorX(grade.width(), celulasPorPixel);
  return QPointF(x * f, y * f);
}

QPointF ImageCanvas::paraPixels(double x, double y) const { return mapeia(x, y, tamanhoDaArea(), 1); }

int ImageCanvas::larguraNoDispositivo(int largura) const {
  return std::max(1, emDispositivo(largura, razaoImagem_));
}

double ImageCanvas::ajusteDaPena(int largura) const {
  // At ratio 1 a one-pixel line at y covers the pixel row from y to y + 1,
  // wider pens are centred on y. A device pen of w pixels covers w / 2 either
  // side of where it is put, and a one-pixel device pen again the row below.
  const double centro = largura == 1 ? 0.5 * razaoImagem_ : 0.0;
  if (razaoImagem_ == 1) return larguraNoDispositivo(largura) == 1 ? centro - 0.5 : centro;
  // At other ratios an edge of a pen often falls exactly on the centre of a
  // pixel (a 2-pixel pen is 3 device pixels at 150 %), and whether that pixel
  // is covered would then hang on the last bit of the coordinate: two
  // segments of one vertical line could differ by a pixel. A sixteenth of a
  // pixel further decides every such tie the same way.
  constexpr double Desempate = 1.0 / 16;
  return (larguraNoDispositivo(largura) == 1 ? centro - 0.5 : centro) + Desempate;
}

void ImageCanvas::Cls() {
  conclui();
  acompanhaTamanho();
  imagem_.fill(cor(fundo_));
  desenhou();
}

void ImageCanvas::setBackColor(Cor c) {
  fundo_ = c;
  Cls();
}

void ImageCanvas::setFillStyle(int estilo) {
  estiloPreenchimento_ = estilo;
  if (espelho_ != nullptr) espelho_->setFillStyle(estilo);
}

void ImageCanvas::setFillColor(Cor c) {
  corPreenchimento_ = c;
  if (espelho_ != nullptr) espelho_->setFillColor(c);
}

void ImageCanvas::setDrawWidth(int largura) {
  if (espelho_ != nullptr) espelho_->setDrawWidth(largura);
  if (largura != larguraPena_) {
    descarregaLinhas();
    larguraPena_ = largura < 1 ? 1 : largura;
    ajustePena_ = ajusteDaPena(larguraPena_);
  }
}

void ImageCanvas::Refresh() {
  if (espelho_ != nullptr) espelho_->Refresh();
  conclui();
  mostraAgora();
}

QImage ImageCanvas::image() {
  conclui();
  acompanhaTamanho();
  return imagem_;
}

void ImageCanvas::redimensiona() {
  conclui();
  const qreal razao = razaoDaArea();
  QImage nova(tamanhoNoDispositivo(), QImage::Format_RGB32);
  nova.fill(cor(fundo_));
  if (!imagem_.isNull()) {
    QPainter p(&nova);
    imagem_.setDevicePixelRatio(1);
    if (razao == razaoImagem_) {
      p.drawImage(0, 0, imagem_);
    } else {
      p.drawImage(QRectF(0, 0, imagem_.width() * razao / razaoImagem_, imagem_.height() * razao / razaoImagem_),
                  imagem_);
    }
  }
  razaoImagem_ = razao;
  nova.setDevicePixelRatio(razao);
  imagem_ = nova;
  ajustePena_ = ajusteDaPena(larguraPena_);
}

void ImageCanvas::abrePintor() {
  if (pintor_.isActive()) return;
  // The painter works in device pixels; the image carries its ratio again
  // once the painter ends.
  imagem_.setDevicePixelRatio(1);
  pintor_.begin(&imagem_);
  larguraPenaAtiva_ = -1;
}

void ImageCanvas::usaPena(Cor c) {
  if (larguraPenaAtiva_ == larguraPena_ && corPena_ == c) return;
  QPen pena(cor(c));
  const int largura = larguraNoDispositivo(larguraPena_);
  if (largura <= 1) {
    pena.setWidth(0);  // cosmetic one-pixel pen, the fast path
    pena.setCapStyle(Qt::SquareCap);
  } else {
    pena.setWidth(largura);
    // Square ends: at the widths the figures use a round end looks the same
    // and takes the rasteriser several times longer.
    pena.setCapStyle(Qt::SquareCap);
    // A one-pixel line made wide by the ratio turns its corners as the
    // one-pixel pen does, without the spike a mitre makes at sharp ones.
    pena.setJoinStyle(larguraPena_ == 1 ? Qt::BevelJoin : Qt::MiterJoin);
  }
  pintor_.setPen(pena);
  corPena_ = c;
  larguraPenaAtiva_ = larguraPena_;
}

void ImageCanvas::descarregaLinhas() {
  if (linhas_.empty()) return;
  abrePintor();
  usaPena(corLinhas_);
  pintor_.drawLines(linhas_.data(), static_cast<int>(linhas_.size()));
  linhas_.clear();
}

void ImageCanvas::conclui() {
  descarregaLinhas();
  if (pintor_.isActive()) pintor_.end();
  imagem_.setDevicePixelRatio(razaoImagem_);
}

void ImageCanvas::desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Line(x1, y1, x2, y2, *c); else espelho_->Line(x1, y1, x2, y2);
  }
  acompanhaTamanho();
  const Cor corLinha = c.value_or(frente_);
  if (!linhas_.empty() && (corLinha != corLinhas_ || linhas_.size() >= LoteLinhas)) {
    descarregaLinhas();
  }
  corLinhas_ = corLinha;
  linhas_.emplace_back(paraDispositivo(x1, y1), paraDispositivo(x2, y2));
  desenhou();
}

void ImageCanvas::desenhaCirculo(float x, float y, float raio, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Circle(x, y, raio, *c); else espelho_->Circle(x, y, raio);
  }
  acompanhaTamanho();
  descarregaLinhas();
  abrePintor();
  usaPena(c.value_or(frente_));
  if (estiloPreenchimento_ == 0) {
    pintor_.setBrush(cor(corPreenchimento_));
  } else {
    pintor_.setBrush(Qt::NoBrush);
  }
  const double r = std::abs(raio * fatorX(imagem_.width(), razaoImagem_));
  pintor_.drawEllipse(paraDispositivo(x, y), r, r);
  desenhou();
}

void ImageCanvas::desenhaPonto(float x, float y, Cor c) {
  if (espelho_ != nullptr) espelho_->PSet(x, y, c);
  conclui();
  acompanhaTamanho();
  // The logical square of DrawWidth pixels round the pixel that holds the
  // point, as a square of whole device pixels of one size at every place.
  const QPointF p = paraPixels(x, y);
  const int ladoLogico = larguraPena_;
  const int lado = larguraNoDispositivo(ladoLogico);
  const auto inicio = [&](double v) {
    const double centro = (std::floor(v) - (ladoLogico - 1) / 2 + ladoLogico / 2.0) * razaoImagem_;
    return static_cast<int>(std::floor(centro - lado / 2.0 + 0.5));
  };
  const int x0 = inicio(p.x());
  const int y0 = inicio(p.y());
  const QRgb rgb = cor(c).rgb();
  for (int yy = y0; yy < y0 + lado; ++yy) {
    if (yy < 0 || yy >= imagem_.height()) continue;
    auto* linha = reinterpret_cast<QRgb*>(imagem_.scanLine(yy));
    for (int xx = x0; xx < x0 + lado; ++xx) {
      if (xx >= 0 && xx < imagem_.width()) linha[xx] = rgb;
    }
  }
  desenhou();
}

void ImageCanvas::desenhaPoligono(const PontoPixel* pontos, int quantos) {
  if (espelho_ != nullptr) espelho_->Polygon(pontos, quantos);
  if (quantos < 2) return;
  acompanhaTamanho();
  descarregaLinhas();
  abrePintor();
  usaPena(frente_);
  if (estiloPreenchimento_ == 0) {
    pintor_.setBrush(cor(corPreenchimento_));
  } else {
    pintor_.setBrush(Qt::NoBrush);
  }
  if (razaoImagem_ == 1) {
    std::vector<QPoint> qpts;
    qpts.reserve(static_cast<std::size_t>(quantos));
    for (int i = 0; i < quantos; ++i) qpts.emplace_back(pontos[i].x, pontos[i].y);
    pintor_.drawPolygon(qpts.data(), quantos);
  } else {
    // The corners are logical pixels: scaled with the ratio, and moved as a
    // line's ends are, so that fill and outline keep their place.
    std::vector<QPointF> qpts;
    qpts.reserve(static_cast<std::size_t>(quantos));
    for (int i = 0; i < quantos; ++i) {
      qpts.emplace_back(pontos[i].x * razaoImagem_ + ajustePena_, pontos[i].y * razaoImagem_ + ajustePena_);
    }
    pintor_.drawPolygon(qpts.data(), quantos);
  }
  desenhou();
}

}  // namespace velquora
