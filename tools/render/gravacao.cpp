#include "gravacao.h"

#include <QPen>
#include <cmath>

namespace velquora {

namespace {

QColor qcor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }

QPen pena(const Peca& p) {
  // Square ends and mitred joins, as the surface draws every pen; width 1 is
  // a true pixel wide, so that a scaled copy keeps its proportions.
  return QPen(qcor(p.cor), p.largura, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

}  // namespace

Gravacao::Gravacao(ImageCanvas& superficie) : superficie_(superficie) {
  estilo_ = superficie.FillStyle();
  preenchimento_ = superficie.FillColor();
  largura_ = superficie.DrawWidth();
  superficie_.setEspelho(this);
}

Gravacao::~Gravacao() { superficie_.setEspelho(nullptr); }

void Gravacao::limpa() {
  pecas_.clear();
  cantos_.clear();
}

void Gravacao::desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) {
  Peca p;
  p.tipo = Peca::Linha;
  p.a = superficie_.paraPixels(x1, y1);
  p.b = superficie_.paraPixels(x2, y2);
  p.u[0] = x1, p.u[1] = y1, p.u[2] = x2, p.u[3] = y2;
  p.largura = largura_;
  p.cor = cor.value_or(superficie_.ForeColor());
  pecas_.push_back(p);
}

void Gravacao::desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) {
  Peca p;
  p.tipo = Peca::Circulo;
  p.a = superficie_.paraPixels(x, y);
  // The radius is measured along the horizontal axis.
  p.b = QPointF(std::abs(superficie_.paraPixels(x + raio, y).x() - p.a.x()), 0);
  p.u[0] = x, p.u[1] = y, p.u[2] = raio;
  p.largura = largura_;
  p.cor = cor.value_or(superficie_.ForeColor());
  p.cheia = estilo_ == 0;
  p.preenchimento = preenchimento_;
  pecas_.push_back(p);
}

void Gravacao::desenhaPonto(float x, float y, Cor cor) {
  Peca p;
  p.tipo = Peca::Ponto;
  const QPointF px = superficie_.paraPixels(x, y);
  // The square of DrawWidth pixels the surface sets, centred on the pixel.
  p.a = QPointF(std::floor(px.x()) - (largura_ - 1) / 2, std::floor(px.y()) - (largura_ - 1) / 2);
  p.u[0] = x, p.u[1] = y;
  p.largura = largura_;
  p.cor = cor;
  pecas_.push_back(p);
}

void Gravacao::desenhaPoligono(const PontoPixel* pontos, int quantos) {
  if (quantos < 2) return;
  Peca p;
  p.tipo = Peca::Poligono;
  p.primeiro = static_cast<int>(cantos_.size());
  p.quantos = quantos;
  for (int i = 0; i < quantos; ++i) cantos_.emplace_back(pontos[i].x, pontos[i].y);
  p.cor = superficie_.ForeColor();
  p.cheia = estilo_ == 0;
  p.preenchimento = preenchimento_;
  pecas_.push_back(p);
}

void Gravacao::pinta(QPainter& pintor) const {
  for (const Peca& p : pecas_) {
    switch (p.tipo) {
      case Peca::Linha:
        pintor.setPen(pena(p));
        pintor.drawLine(p.a, p.b);
        break;
      case Peca::Circulo:
        pintor.setPen(pena(p));
        pintor.setBrush(p.cheia ? QBrush(qcor(p.preenchimento)) : QBrush(Qt::NoBrush));
        pintor.drawEllipse(p.a, p.b.x(), p.b.x());
        break;
      case Peca::Ponto:
        pintor.fillRect(QRectF(p.a, QSizeF(p.largura, p.largura)), qcor(p.cor));
        break;
      case Peca::Poligono:
        pintor.setPen(pena(p));
        pintor.setBrush(p.cheia ? QBrush(qcor(p.preenchimento)) : QBrush(Qt::NoBrush));
        pintor.drawPolygon(cantos(p), p.quantos);
        break;
    }
  }
}

}  // namespace velquora
