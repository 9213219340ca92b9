#pragma once
// The raster limit of a figure: the same generator drawing through the
// Canvas interface into a bare 32-bit buffer of the backing image's size,
// with the plainest rasteriser for each primitive (Bresenham for 1-pixel
// lines, a rectangle scan for wider ones, a scanline fill for polygons, span
// fills for discs, direct writes for points). Nothing here is shown; it is
// what drawing the figure costs at the least.
//
// Beside it, the floor cost of showing a drawing while it is made, measured
// on a bare widget: a window holding one child of the drawing box's size
// that copies the changed rectangle of the buffer to the screen.

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "fractals/shell/form.h"
#include "surface/canvas.h"
#include "surface/image_canvas.h"

namespace velquora::bancada {

class TelaLimite : public Canvas {
 public:
  // A buffer of `tamanho` device pixels, `razao` of them to a logical pixel,
  // mapping like the box: device = (origem + fator * coordenada) * razao.
  TelaLimite(QSize tamanho, double razao, QPointF origem, QPointF fator);

  // The mapping, size and device ratio of a box as it stands.
  static TelaLimite DaCaixa(ImageCanvas& caixa);

  void Cls();
  void setFillStyle(int estilo) override { estilo_ = estilo; }
  void setFillColor(Cor cor) override { preenchimento_ = converte(cor); }
  void setDrawWidth(int largura) override { largura_ = largura < 1 ? 1 : largura; }
  void Refresh() override {}

  QSize tamanho() const { return {largura_px_, altura_px_}; }
  const std::uint32_t* dados() const { return px_.data(); }
  // The buffer as an image, sharing its memory.
  QImage imagem() const;
  // The device rectangle a segment in user coordinates covers, pen included,
  // in logical pixels.
  QRect retanguloDoSegmento(double x1, double y1, double x2, double y2) const;

 protected:
  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override;
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override;
  void desenhaPonto(float x, float y, Cor cor) override;
  void desenhaPoligono(const PontoPixel* pontos, int quantos) override;

 private:
  static std::uint32_t converte(Cor c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(Vermelho(c)) << 16) |
           (static_cast<std::uint32_t>(Verde(c)) << 8) | static_cast<std::uint32_t>(Azul(c));
  }
  void poe(int x, int y, std::uint32_t c) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(largura_px_) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(altura_px_)) {
      px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(largura_px_) + static_cast<std::size_t>(x)] = c;
    }
  }
  void span(int y, int x0, int x1, std::uint32_t c);
  void bresenham(int x0, int y0, int x1, int y1, std::uint32_t c);
  void retangular(double x0, double y0, double x1, double y1, int largura, std::uint32_t c);

  int largura_px_;
  int altura_px_;
  double razao_;
  double ox_, oy_, fx_, fy_;  // device = o + f * coordinate
  std::vector<std::uint32_t> px_;
  int estilo_ = 1;
  std::uint32_t preenchimento_ = 0xFF000000u;
  int largura_ = 1;
};

// A bare widget of a drawing box's size, in a window of its own, that shows
// a buffer: a paint copies only the rectangle asked for.
class CaixaNua : public QWidget {
 public:
  CaixaNua(QWidget* pai, QSize tamanho, const TelaLimite& tela);

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  const TelaLimite& tela_;
};

// A bare window: the Form of the program (whose yield is the real one) with
// one bare box at its corner.
class JanelaNua : public Form {
 public:
  JanelaNua(QSize tamanho, const TelaLimite& tela);
  CaixaNua* caixa = nullptr;
};

}  // namespace velquora::bancada
