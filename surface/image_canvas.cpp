#include "image_canvas.h"

#include <QPen>
#include <algorithm>
#include <cmath>

namespace velquora {

namespace {

QColor cor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }

constexpr std::size_t LoteLinhas = 4096;

// The widest pen: the toolkit's DrawWidth goes to 32767, and Qt draws no
// wider one.
constexpr int LarguraMaxima = 32767;

// A device point with no place on the image: an end that is not a number, as
// an infinite coordinate or a user scale of no size gives.
bool foraDoPlano(const QPointF& p) { return !std::isfinite(p.x()) || !std::isfinite(p.y()); }

}  // namespace

ImageCanvas::ImageCanvas(QSize tamanho, Cor fundo)
    : imagem_(tamanho, QImage::Format_RGB32), fundo_(fundo) {
  imagem_.fill(cor(fundo_));
}

ImageCanvas::~ImageCanvas() { conclui(); }

void ImageCanvas::setScaleMode(int modo) { modo_ = modo; }

void ImageCanvas::Scale(double x1, double y1, double x2, double y2) {
  modo_ = UnidadeUsuario;
  escalaEsquerda_ = x1;
  escalaTopo_ = y1;
  escalaLargura_ = x2 - x1;
  escalaAltura_ = y2 - y1;
}

double ImageCanvas::fatorX() const {
  switch (modo_) {
    case UnidadeUsuario: return tamanhoDaArea().width() / escalaLargura_;
    case UnidadeTwips: return 1.0 / 15;
    default: return 1.0;
  }
}

double ImageCanvas::fatorY() const {
  switch (modo_) {
    case UnidadeUsuario: return tamanhoDaArea().height() / escalaAltura_;
    case UnidadeTwips: return 1.0 / 15;
    default: return 1.0;
  }
}

QPointF ImageCanvas::paraPixels(double x, double y) const {
  if (modo_ == UnidadeUsuario) {
    return QPointF((x - escalaEsquerda_) * fatorX(), (y - escalaTopo_) * fatorY());
  }
  return QPointF(x * fatorX(), y * fatorY());
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
  const int nova = std::clamp(largura, 1, LarguraMaxima);
  if (nova != larguraPena_) {
    descarregaLinhas();
    larguraPena_ = nova;
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

void ImageCanvas::redimensionaImagem(QSize tamanho) {
  if (tamanho == imagem_.size()) return;
  conclui();
  QImage nova(tamanho, QImage::Format_RGB32);
  nova.fill(cor(fundo_));
  QPainter p(&nova);
  p.drawImage(0, 0, imagem_);
  p.end();
  imagem_ = nova;
}

void ImageCanvas::abrePintor() {
  if (pintor_.isActive()) return;
  pintor_.begin(&imagem_);
  larguraPenaAtiva_ = -1;
}

void ImageCanvas::usaPena(Cor c) {
  if (larguraPenaAtiva_ == larguraPena_ && corPena_ == c) return;
  QPen pena(cor(c));
  if (larguraPena_ <= 1) {
    pena.setWidth(0);  // cosmetic one-pixel pen, the fast path
    pena.setCapStyle(Qt::SquareCap);
  } else {
    pena.setWidth(larguraPena_);
    // Square ends: at the widths the figures use a round end looks the same
    // and takes the rasteriser several times longer.
    pena.setCapStyle(Qt::SquareCap);
    pena.setJoinStyle(Qt::MiterJoin);
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
}

void ImageCanvas::desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Line(x1, y1, x2, y2, *c); else espelho_->Line(x1, y1, x2, y2);
  }
  acompanhaTamanho();
  const QLineF linha(paraPixels(x1, y1), paraPixels(x2, y2));
  if (foraDoPlano(linha.p1()) || foraDoPlano(linha.p2())) return;
  const Cor corLinha = c.value_or(frente_);
  if (!linhas_.empty() && (corLinha != corLinhas_ || linhas_.size() >= LoteLinhas)) {
    descarregaLinhas();
  }
  corLinhas_ = corLinha;
  linhas_.push_back(linha);
  desenhou();
}

void ImageCanvas::desenhaCirculo(float x, float y, float raio, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Circle(x, y, raio, *c); else espelho_->Circle(x, y, raio);
  }
  acompanhaTamanho();
  const QPointF centro = paraPixels(x, y);
  const double r = std::abs(raio * fatorX());
  if (foraDoPlano(centro) || !std::isfinite(r)) return;
  descarregaLinhas();
  abrePintor();
  usaPena(c.value_or(frente_));
  if (estiloPreenchimento_ == 0) {
    pintor_.setBrush(cor(corPreenchimento_));
  } else {
    pintor_.setBrush(Qt::NoBrush);
  }
  pintor_.drawEllipse(centro, r, r);
  desenhou();
}

void ImageCanvas::desenhaPonto(float x, float y, Cor c) {
  if (espelho_ != nullptr) espelho_->PSet(x, y, c);
  conclui();
  acompanhaTamanho();
  const QPointF p = paraPixels(x, y);
  // The square of the pen around the pixel, cut to the image in real numbers
  // first: a point far off the image, or not a number, sets nothing.
  const int lado = larguraPena_;
  const double x0 = std::floor(p.x()) - (lado - 1) / 2;
  const double y0 = std::floor(p.y()) - (lado - 1) / 2;
  const double xIni = std::max(x0, 0.0), xFim = std::min(x0 + lado, double(imagem_.width()));
  const double yIni = std::max(y0, 0.0), yFim = std::min(y0 + lado, double(imagem_.height()));
  if (!(xIni < xFim && yIni < yFim)) return;
  const QRgb rgb = cor(c).rgb();
  for (int yy = static_cast<int>(yIni); yy < static_cast<int>(yFim); ++yy) {
    auto* linha = reinterpret_cast<QRgb*>(imagem_.scanLine(yy));
    for (int xx = static_cast<int>(xIni); xx < static_cast<int>(xFim); ++xx) linha[xx] = rgb;
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
  std::vector<QPoint> qpts;
  qpts.reserve(static_cast<std::size_t>(quantos));
  for (int i = 0; i < quantos; ++i) qpts.emplace_back(pontos[i].x, pontos[i].y);
  pintor_.drawPolygon(qpts.data(), quantos);
  desenhou();
}

}  // namespace velquora
