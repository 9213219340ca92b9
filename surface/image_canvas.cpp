#include "image_canvas.h"

#include <QPen>
#include <QWidget>
#include <cmath>

namespace velquora {

namespace {

QColor cor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }
QRgb rgb(Cor c) { return qRgb(Vermelho(c), Verde(c), Azul(c)); }

constexpr std::size_t LoteLinhas = 4096;

}  // namespace

ImageCanvas::ImageCanvas(QSize tamanho, Cor fundo)
    : imagem_(tamanho, QImage::Format_RGB32), fundo_(fundo) {
  imagem_.fill(cor(fundo_));
}

ImageCanvas::~ImageCanvas() { conclui(); }

void ImageCanvas::setScaleMode(int modo) {
  modo_ = modo;
  tamanhoMapeado_ = QSize(-1, -1);
}

void ImageCanvas::Scale(double x1, double y1, double x2, double y2) {
  modo_ = UnidadeUsuario;
  escalaEsquerda_ = x1;
  escalaTopo_ = y1;
  escalaLargura_ = x2 - x1;
  escalaAltura_ = y2 - y1;
  tamanhoMapeado_ = QSize(-1, -1);
}

ImageCanvas::Mapa ImageCanvas::mapaDe(QSize tamanho) const {
  switch (modo_) {
    case UnidadeUsuario:
      return {escalaEsquerda_, escalaTopo_, tamanho.width() / escalaLargura_, tamanho.height() / escalaAltura_};
    case UnidadeTwips: return {0, 0, 1.0 / 15, 1.0 / 15};
    default: return {0, 0, 1.0, 1.0};
  }
}

void ImageCanvas::acompanhaTamanho() {
  const QSize tamanho = area_ != nullptr ? area_->size() : tamanhoDaArea();
  if (tamanho == tamanhoMapeado_) return;
  if (tamanho != imagem_.size()) redimensionaImagem(tamanho);
  mapa_ = mapaDe(tamanho);
  tamanhoMapeado_ = tamanho;
}

void ImageCanvas::Cls() {
  conclui();
  acompanhaTamanho();
  imagem_.fill(cor(fundo_));
  aumentaAlterado(imagem_.rect());
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
  }
}

void ImageCanvas::Refresh() {
  if (espelho_ != nullptr) espelho_->Refresh();
  // The painter, if one is open, stays open: the widget reads the image as
  // it is.
  descarregaLinhas();
  mostraAgora();
}

QImage ImageCanvas::image() {
  conclui();
  acompanhaTamanho();
  // The copy handed out shares the image's memory until either changes: the
  // rasteriser binds again, unsharing it, before it next writes.
  rasteriserLigado_ = false;
  return imagem_;
}

const QImage& ImageCanvas::imagemParaMostrar() {
  descarregaLinhas();
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
  rasteriserLigado_ = false;
}

Rasteriser& ImageCanvas::rasteriser() {
  if (!rasteriserLigado_) {
    conclui();
    rasteriser_ = Rasteriser(imagem_);
    rasteriserLigado_ = true;
  }
  return rasteriser_;
}

void ImageCanvas::aumentaAlterado(const QRect& area) {
  if (area.isEmpty()) return;
  alterado_ = alterado_.isEmpty() ? area : alterado_.united(area);
  desenhou(alterado_);
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
  const QPointF a = mapeia(x1, y1), b = mapeia(x2, y2);
  alterou(rasteriser().linha(a.x(), a.y(), b.x(), b.y(), larguraPena_, rgb(c.value_or(frente_))));
}

void ImageCanvas::desenhaCirculo(float x, float y, float raio, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Circle(x, y, raio, *c); else espelho_->Circle(x, y, raio);
  }
  acompanhaTamanho();
  const QPointF centro = mapeia(x, y);
  const QRgb preenchimento = rgb(corPreenchimento_);
  alterou(rasteriser().circulo(centro.x(), centro.y(), std::abs(raio * mapa_.fatorX),
                               estiloPreenchimento_ == 0 ? &preenchimento : nullptr, rgb(c.value_or(frente_)),
                               larguraPena_));
}

void ImageCanvas::desenhaPonto(float x, float y, Cor c) {
  if (espelho_ != nullptr) espelho_->PSet(x, y, c);
  acompanhaTamanho();
  const QPointF p = mapeia(x, y);
  if (!(std::abs(p.x()) < 1e8 && std::abs(p.y()) < 1e8)) return;  // far outside, or not a number
  const int lado = larguraPena_;
  auto piso = [](double v) {
    const int i = static_cast<int>(v);
    return i - (v < i);
  };
  const int x0 = piso(p.x()) - (lado - 1) / 2;
  const int y0 = piso(p.y()) - (lado - 1) / 2;
  alterou(rasteriser().quadrado(x0, y0, lado, rgb(c)));
}

void ImageCanvas::desenhaPoligono(const PontoPixel* pontos, int quantos) {
  if (espelho_ != nullptr) espelho_->Polygon(pontos, quantos);
  if (quantos < 2) return;
  acompanhaTamanho();
  constexpr int NoMaximoNaPilha = 16;
  QPointF naPilha[NoMaximoNaPilha];
  std::vector<QPointF> noMonte;
  QPointF* cantos = naPilha;
  if (quantos > NoMaximoNaPilha) {
    noMonte.resize(static_cast<std::size_t>(quantos));
    cantos = noMonte.data();
  }
  for (int i = 0; i < quantos; ++i) cantos[i] = QPointF(pontos[i].x, pontos[i].y);
  const QRgb preenchimento = rgb(corPreenchimento_);
  alterou(rasteriser().poligono(cantos, quantos, estiloPreenchimento_ == 0 ? &preenchimento : nullptr, rgb(frente_),
                                larguraPena_));
}

}  // namespace velquora
