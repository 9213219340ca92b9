#include "image_canvas.h"

#include <QPen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "twips.h"

namespace velquora {

namespace {

QColor cor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }
QRgb rgb(Cor c) { return qRgb(Vermelho(c), Verde(c), Azul(c)); }

constexpr std::size_t LoteLinhas = 4096;

// The widest pen: the toolkit's DrawWidth goes to 32767, and Qt draws no
// wider one.
constexpr int LarguraMaxima = 32767;

// A device point with no place on the image: an end that is not a number, as
// an infinite coordinate or a user scale of no size gives.
bool foraDoPlano(const QPointF& p) { return !std::isfinite(p.x()) || !std::isfinite(p.y()); }

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

void ImageCanvas::setRazaoDePixels(qreal razao) {
  razao_ = razao > 0 ? razao : 1;
  mapaValido_ = false;
}

ImageCanvas::~ImageCanvas() { conclui(); }

void ImageCanvas::setScaleMode(int modo) {
  modo_ = modo;
  mapaValido_ = false;
}

void ImageCanvas::Scale(double x1, double y1, double x2, double y2) {
  modo_ = UnidadeUsuario;
  escalaEsquerda_ = x1;
  escalaTopo_ = y1;
  escalaLargura_ = x2 - x1;
  escalaAltura_ = y2 - y1;
  mapaValido_ = false;
}

ImageCanvas::Mapa ImageCanvas::mapaDe(QSizeF grade, double celulasPorPixel) const {
  switch (modo_) {
    case UnidadeUsuario:
      // The user's corners fall on the grid's edges whatever its ratio.
      return {escalaEsquerda_, escalaTopo_, grade.width() / escalaLargura_, grade.height() / escalaAltura_,
              grade.width(), grade.height(), 0.5 * celulasPorPixel};
    case UnidadeTwips: {
      const double f = celulasPorPixel == 1 ? 1.0 / TwipsPorPixel : celulasPorPixel / TwipsPorPixel;
      return {0, 0, f, f};
    }
    default: return {0, 0, celulasPorPixel, celulasPorPixel};
  }
}

void ImageCanvas::refazMapa() {
  if (tamanhoNoDispositivo() != imagem_.size() || razaoDaArea() != razaoImagem_) redimensiona();
  mapa_ = mapaDe(imagem_.size(), razaoImagem_);
  mapaLogico_ = mapaDe(tamanhoDaArea(), 1);
  razaoInteira_ = razaoImagem_ == std::floor(razaoImagem_);
  if (area_ != nullptr) {
    geometriaMapeada_ = area_->geometry();
  }
  mapaValido_ = true;
}

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
  const int nova = std::clamp(largura, 1, LarguraMaxima);
  if (nova != larguraPena_) {
    descarregaLinhas();
    larguraPena_ = nova;
    ajustePena_ = ajusteDaPena(larguraPena_);
    larguraDispositivo_ = larguraNoDispositivo(larguraPena_);
    contido_ = {1, 1, 0, 0};  // worked out again for the new pen when it grows
  }
}

void ImageCanvas::Refresh() {
  if (espelho_ != nullptr) espelho_->Refresh();
  // The painter, if one is open, stays open until the widget reads the
  // image.
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
  conclui();
  acompanhaTamanho();
  return imagem_;
}

Rasteriser& ImageCanvas::ligaRasteriser() {
  conclui();
  rasteriser_ = Rasteriser(imagem_);
  rasteriserLigado_ = true;
  return rasteriser_;
}

void ImageCanvas::aumentaAlterado(const QRect& area) {
  if (area.isEmpty()) return;
  if (alterado_.isEmpty()) {
    alterado_ = area;
  } else {
    // A figure drawn stroke by stroke pushes the rectangle outward a little
    // at a time: a side that moves goes an eighth of the image further than
    // needed, so that the widget hears of it a few times rather than
    // thousands (each time costs it more than a thousand short lines).
    const int Folga = std::max(16, std::max(imagem_.width(), imagem_.height()) / 8);
    QRect maior = alterado_.united(area);
    if (maior.left() < alterado_.left()) maior.setLeft(maior.left() - Folga);
    if (maior.top() < alterado_.top()) maior.setTop(maior.top() - Folga);
    if (maior.right() > alterado_.right()) maior.setRight(maior.right() + Folga);
    if (maior.bottom() > alterado_.bottom()) maior.setBottom(maior.bottom() + Folga);
    alterado_ = maior.intersected(imagem_.rect());
  }
  // A segment whose pixels lie in [floor(min - m), floor(max + m)], m being
  // half the pen and one more, stays inside.
  const double m = larguraDispositivo_ / 2.0 + 1;
  contido_ = {alterado_.left() + m, alterado_.top() + m, alterado_.right() + 1 - m, alterado_.bottom() + 1 - m};
  desenhou(alterado_);
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
  rasteriserLigado_ = false;
  ajustePena_ = ajusteDaPena(larguraPena_);
  larguraDispositivo_ = larguraNoDispositivo(larguraPena_);
}

void ImageCanvas::abrePintor() {
  if (pintor_.isActive()) return;
  // The painter works in device pixels; the image carries its ratio again
  // once the painter ends. (Setting it may unshare the image.)
  imagem_.setDevicePixelRatio(1);
  rasteriserLigado_ = false;
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
  const QPointF a = paraDispositivo(x1, y1), b = paraDispositivo(x2, y2);
  if (foraDoPlano(a) || foraDoPlano(b)) return;
  const Cor corLinha = c.value_or(frente_);
  if (rasterizaDireto()) {
    if (contido(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y()))) {
      rasteriser().tracaDentro(a.x(), a.y(), b.x(), b.y(), larguraDispositivo_, rgb(corLinha));
    } else {
      alterou(rasteriser().linha(a.x(), a.y(), b.x(), b.y(), larguraDispositivo_, rgb(corLinha)));
    }
    return;
  }
  // Segments of one pen are collected and drawn together by the painter.
  if (!linhas_.empty() && (corLinha != corLinhas_ || linhas_.size() >= LoteLinhas)) {
    descarregaLinhas();
  }
  corLinhas_ = corLinha;
  linhas_.emplace_back(a, b);
  pintorAlterou();
}

void ImageCanvas::desenhaCirculo(float x, float y, float raio, std::optional<Cor> c) {
  if (espelho_ != nullptr) {
    if (c) espelho_->Circle(x, y, raio, *c); else espelho_->Circle(x, y, raio);
  }
  acompanhaTamanho();
  const QPointF centro = paraDispositivo(x, y);
  const double r = std::abs(raio * mapa_.fatorX);
  if (foraDoPlano(centro) || !std::isfinite(r)) return;
  if (rasterizaDireto()) {
    const QRgb preenchimento = rgb(corPreenchimento_);
    const QRgb* fundo = estiloPreenchimento_ == 0 ? &preenchimento : nullptr;
    // Inside what has changed already (the figures' circles within the
    // first one), as a segment of the circle's width would be.
    if (contido(centro.x() - r, centro.y() - r, centro.x() + r, centro.y() + r)) {
      rasteriser().tracaCirculo(centro.x(), centro.y(), r, fundo, rgb(c.value_or(frente_)), larguraDispositivo_);
    } else {
      alterou(rasteriser().circulo(centro.x(), centro.y(), r, fundo, rgb(c.value_or(frente_)), larguraDispositivo_));
    }
    return;
  }
  descarregaLinhas();
  abrePintor();
  usaPena(c.value_or(frente_));
  if (estiloPreenchimento_ == 0) {
    pintor_.setBrush(cor(corPreenchimento_));
  } else {
    pintor_.setBrush(Qt::NoBrush);
  }
  pintor_.drawEllipse(centro, r, r);
  pintorAlterou();
}

void ImageCanvas::desenhaPonto(float x, float y, Cor c) {
  if (espelho_ != nullptr) espelho_->PSet(x, y, c);
  acompanhaTamanho();
  // The logical square of DrawWidth pixels round the pixel that holds the
  // point, as a square of whole device pixels of one size at every place.
  const QPointF p = mapeia(x, y, mapaLogico_);
  if (!(std::abs(p.x()) < 1e8 && std::abs(p.y()) < 1e8)) return;  // far outside, or not a number
  const int ladoLogico = larguraPena_;
  const int lado = larguraDispositivo_;
  const auto inicio = [&](double v) {
    const double centro = (piso(v) - (ladoLogico - 1) / 2 + ladoLogico / 2.0) * razaoImagem_;
    return piso(centro - lado / 2.0 + 0.5);
  };
  alterou(rasteriser().quadrado(inicio(p.x()), inicio(p.y()), lado, rgb(c)));
}

void ImageCanvas::desenhaPoligono(const PontoPixel* pontos, int quantos) {
  if (espelho_ != nullptr) espelho_->Polygon(pontos, quantos);
  if (quantos < 2) return;
  acompanhaTamanho();
  // The corners are logical pixels: scaled with the ratio, and moved as a
  // line's ends are, so that fill and outline keep their place.
  constexpr int NaPilha = 16;
  QPointF naPilha[NaPilha];
  std::vector<QPointF> noMonte;
  QPointF* cantos = naPilha;
  if (quantos > NaPilha) {
    noMonte.resize(static_cast<std::size_t>(quantos));
    cantos = noMonte.data();
  }
  for (int i = 0; i < quantos; ++i) {
    cantos[i] = QPointF(pontos[i].x * razaoImagem_ + ajustePena_, pontos[i].y * razaoImagem_ + ajustePena_);
  }
  if (rasterizaDireto()) {
    const QRgb preenchimento = rgb(corPreenchimento_);
    alterou(rasteriser().poligono(cantos, quantos, estiloPreenchimento_ == 0 ? &preenchimento : nullptr, rgb(frente_),
                                  larguraDispositivo_));
    return;
  }
  descarregaLinhas();
  abrePintor();
  usaPena(frente_);
  if (estiloPreenchimento_ == 0) {
    pintor_.setBrush(cor(corPreenchimento_));
  } else {
    pintor_.setBrush(Qt::NoBrush);
  }
  pintor_.drawPolygon(cantos, quantos);
  pintorAlterou();
}

}  // namespace velquora
