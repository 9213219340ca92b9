#pragma once
// What a drawing surface drew, kept piece by piece: in the surface's device
// pixels, to be painted again on any painter (an SVG or a PDF page), and in
// the surface's own units, to be counted and measured. A recording hooks
// itself onto the surface as its mirror for as long as it lives.

#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <vector>

#include "surface/image_canvas.h"

namespace velquora {

struct Peca {
  enum Tipo { Linha, Circulo, Ponto, Poligono };
  Tipo tipo = Linha;
  // Device pixels: the ends of a line, the centre of a circle (b.x() its
  // radius), the spot of a point.
  QPointF a, b;
  // Surface units: x1, y1, x2, y2 of a line; x, y, radius of a circle.
  float u[4] = {0, 0, 0, 0};
  int largura = 1;    // pen width in pixels
  Cor cor = 0;        // pen (outline) colour, or the point's colour
  bool cheia = false; // filled (FillStyle 0)
  Cor preenchimento = 0;
  // A polygon's corners: cantos[primeiro .. primeiro + quantos) of the recording.
  int primeiro = 0;
  int quantos = 0;
};

class Gravacao : public Canvas {
 public:
  explicit Gravacao(ImageCanvas& superficie);
  ~Gravacao() override;
  Gravacao(const Gravacao&) = delete;
  Gravacao& operator=(const Gravacao&) = delete;

  const std::vector<Peca>& pecas() const { return pecas_; }
  const QPoint* cantos(const Peca& p) const { return cantos_.data() + p.primeiro; }
  void limpa();

  // Paints every piece again, in the surface's device pixels, with the pens
  // and fills it was drawn with.
  void pinta(QPainter& pintor) const;

  void setFillStyle(int estilo) override { estilo_ = estilo; }
  void setFillColor(Cor cor) override { preenchimento_ = cor; }
  void setDrawWidth(int largura) override { largura_ = largura < 1 ? 1 : largura; }
  void Refresh() override {}

 protected:
  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override;
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override;
  void desenhaPonto(float x, float y, Cor cor) override;
  void desenhaPoligono(const PontoPixel* pontos, int quantos) override;

 private:
  ImageCanvas& superficie_;
  std::vector<Peca> pecas_;
  std::vector<QPoint> cantos_;
  int estilo_ = 1;
  Cor preenchimento_ = 0;
  int largura_ = 1;
};

}  // namespace velquora
