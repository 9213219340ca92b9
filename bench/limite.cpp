#include "limite.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velquora::bancada {

TelaLimite::TelaLimite(QSize tamanho, double razao, QPointF origem, QPointF fator)
    : largura_px_(tamanho.width()),
      altura_px_(tamanho.height()),
      razao_(razao),
      ox_(origem.x() * razao),
      oy_(origem.y() * razao),
      fx_(fator.x() * razao),
      fy_(fator.y() * razao),
      px_(static_cast<std::size_t>(tamanho.width()) * static_cast<std::size_t>(tamanho.height()), 0xFFFFFFFFu) {}

TelaLimite TelaLimite::DaCaixa(ImageCanvas& caixa) {
  const QImage img = caixa.image();
  const QPointF o = caixa.paraPixels(0, 0);
  const QPointF um = caixa.paraPixels(1, 1);
  return TelaLimite(img.size(), img.devicePixelRatio(), o, um - o);
}

void TelaLimite::Cls() { std::fill(px_.begin(), px_.end(), 0xFFFFFFFFu); }

QImage TelaLimite::imagem() const {
  QImage img(reinterpret_cast<const uchar*>(px_.data()), largura_px_, altura_px_, QImage::Format_RGB32);
  img.setDevicePixelRatio(razao_);
  return img;
}

QRect TelaLimite::retanguloDoSegmento(double x1, double y1, double x2, double y2) const {
  const double a = (ox_ + fx_ * x1) / razao_, b = (oy_ + fy_ * y1) / razao_;
  const double c = (ox_ + fx_ * x2) / razao_, d = (oy_ + fy_ * y2) / razao_;
  const int m = largura_;
  return QRect(QPoint(static_cast<int>(std::floor(std::min(a, c))) - m, static_cast<int>(std::floor(std::min(b, d))) - m),
               QPoint(static_cast<int>(std::floor(std::max(a, c))) + m, static_cast<int>(std::floor(std::max(b, d))) + m));
}

void TelaLimite::span(int y, int x0, int x1, std::uint32_t c) {
  if (static_cast<unsigned>(y) >= static_cast<unsigned>(altura_px_)) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, largura_px_ - 1);
  if (x0 > x1) return;
  std::uint32_t* linha = px_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(largura_px_);
  std::fill(linha + x0, linha + x1 + 1, c);
}

void TelaLimite::bresenham(int x0, int y0, int x1, int y1, std::uint32_t c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int erro = dx + dy;
  for (;;) {
    poe(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * erro;
    if (e2 >= dy) { erro += dy; x0 += sx; }
    if (e2 <= dx) { erro += dx; y0 += sy; }
  }
}

void TelaLimite::retangular(double x0, double y0, double x1, double y1, int largura, std::uint32_t c) {
  // Along the major axis, one run of `largura` pixels across it per step.
  const double dx = x1 - x0, dy = y1 - y0;
  const int meia = largura / 2;
  if (std::abs(dx) >= std::abs(dy)) {
    if (x1 < x0) { std::swap(x0, x1); std::swap(y0, y1); }
    const int a = static_cast<int>(std::floor(x0)), b = static_cast<int>(std::floor(x1));
    const double passo = dx == 0 ? 0 : (y1 - y0) / (x1 - x0);
    double y = y0 - meia;
    for (int x = a; x <= b; ++x, y += passo) {
      const int yy = static_cast<int>(std::floor(y));
      for (int k = 0; k < largura; ++k) poe(x, yy + k, c);
    }
  } else {
    if (y1 < y0) { std::swap(x0, x1); std::swap(y0, y1); }
    const int a = static_cast<int>(std::floor(y0)), b = static_cast<int>(std::floor(y1));
    const double passo = (x1 - x0) / (y1 - y0);
    double x = x0 - meia;
    for (int y = a; y <= b; ++y, x += passo) {
      const int xx = static_cast<int>(std::floor(x));
      span(y, xx, xx + largura - 1, c);
    }
  }
}

void TelaLimite::desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) {
  const std::uint32_t c = converte(cor.value_or(0));
  const double a = ox_ + fx_ * x1, b = oy_ + fy_ * y1, d = ox_ + fx_ * x2, e = oy_ + fy_ * y2;
  const int largura = static_cast<int>(std::lround(largura_ * razao_));
  if (largura <= 1) {
    bresenham(static_cast<int>(std::floor(a)), static_cast<int>(std::floor(b)), static_cast<int>(std::floor(d)),
              static_cast<int>(std::floor(e)), c);
  } else {
    retangular(a, b, d, e, largura, c);
  }
}

void TelaLimite::desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) {
  const std::uint32_t contorno = converte(cor.value_or(0));
  const double cx = ox_ + fx_ * x, cy = oy_ + fy_ * y, r = std::abs(raio * fx_);
  const int borda = static_cast<int>(std::lround(razao_));
  const int y0 = static_cast<int>(std::floor(cy - r)), y1 = static_cast<int>(std::floor(cy + r));
  for (int yy = y0; yy <= y1; ++yy) {
    const double dy = yy + 0.5 - cy;
    const double meia = std::sqrt(std::max(0.0, r * r - dy * dy));
    const int a = static_cast<int>(std::floor(cx - meia)), b = static_cast<int>(std::floor(cx + meia));
    if (estilo_ == 0 && b - a > 2 * borda) span(yy, a + borda, b - borda, preenchimento_);
    span(yy, a, a + borda - 1, contorno);
    span(yy, b - borda + 1, b, contorno);
  }
}

void TelaLimite::desenhaPonto(float x, float y, Cor cor) {
  const std::uint32_t c = converte(cor);
  const int lado = static_cast<int>(std::lround(largura_ * razao_));
  const int x0 = static_cast<int>(std::floor(ox_ + fx_ * x)), y0 = static_cast<int>(std::floor(oy_ + fy_ * y));
  for (int yy = y0; yy < y0 + lado; ++yy) {
    for (int xx = x0; xx < x0 + lado; ++xx) poe(xx, yy, c);
  }
}

void TelaLimite::desenhaPoligono(const PontoPixel* pontos, int quantos) {
  if (quantos < 2) return;
  const int k = static_cast<int>(std::lround(razao_));
  int topo = pontos[0].y * k, fundo = topo;
  for (int i = 1; i < quantos; ++i) {
    topo = std::min(topo, pontos[i].y * k);
    fundo = std::max(fundo, pontos[i].y * k);
  }
  if (estilo_ == 0) {
    // Scanline fill: on each row, from the leftmost to the rightmost crossing
    // of an edge (the polygons drawn are convex).
    for (int y = std::max(topo, 0); y <= std::min(fundo, altura_px_ - 1); ++y) {
      double esq = 1e9, dir = -1e9;
      for (int i = 0; i < quantos; ++i) {
        const PontoPixel p = pontos[i], q = pontos[(i + 1) % quantos];
        const double py = p.y * k, qy = q.y * k;
        if ((y < py && y < qy) || (y > py && y > qy)) continue;
        const double x = py == qy ? p.x * k : p.x * k + (y - py) * (q.x - p.x) * k / (qy - py);
        const double x2 = py == qy ? q.x * k : x;
        esq = std::min({esq, x, x2});
        dir = std::max({dir, x, x2});
      }
      if (esq <= dir) span(y, static_cast<int>(std::lround(esq)), static_cast<int>(std::lround(dir)), preenchimento_);
    }
  }
  const std::uint32_t contorno = converte(0);
  for (int i = 0; i < quantos; ++i) {
    const PontoPixel p = pontos[i], q = pontos[(i + 1) % quantos];
    for (int d = 0; d < k; ++d) bresenham(p.x * k + d, p.y * k, q.x * k + d, q.y * k, contorno);
  }
}

CaixaNua::CaixaNua(QWidget* pai, QSize tamanho, const TelaLimite& tela) : QWidget(pai), tela_(tela) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(QRect(QPoint(0, 0), tamanho));
}

void CaixaNua::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  const QImage img = tela_.imagem();
  const QRect r = evento->rect();
  const qreal k = img.devicePixelRatio();
  p.drawImage(QRectF(r), img, QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k));
}

JanelaNua::JanelaNua(QSize tamanho, const TelaLimite& tela)
    : Form(QStringLiteral("limite"), TamanhoTwips{tamanho.width() * TwipsPorPixel, tamanho.height() * TwipsPorPixel}) {
  caixa = new CaixaNua(this, tamanho, tela);
}

}  // namespace velquora::bancada
