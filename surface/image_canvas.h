#pragma once
// The canvas of a drawing surface, realised on an image: the persistent
// drawing of a picture box. It owns the coordinate system (ScaleMode and
// Scale), the pen and fill state, and is the one place where pixels are made.
//
// Sizes, positions and pen widths are in logical pixels (1/96 inch at 100 %);
// the image behind them has the device pixel ratio of its screen, so on a
// screen of ratio 2 a 400 x 300 area is a 800 x 600 image and a 1-pixel line
// two device pixels wide. Everything is drawn at device resolution: the same
// figure in the same place, only sharper. At ratio 1 the two coincide.

#include <QImage>
#include <cmath>
#include <QLineF>
#include <QPainter>
#include <QSize>
#include <QWidget>
#include <vector>

#include "canvas.h"
#include "rasteriser.h"

class QWidget;

namespace velquora {

class ImageCanvas : public Canvas {
 public:
  // Units of the coordinate system.
  enum Unidade { UnidadeUsuario = 0, UnidadeTwips = 1, UnidadePixels = 3 };

  // `tamanho` in logical pixels; the image is `tamanho` x `razao` device
  // pixels, rounded.
  explicit ImageCanvas(QSize tamanho = QSize(0, 0), Cor fundo = RGB(255, 255, 255), qreal razao = 1);
  ~ImageCanvas() override;
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  // 1 (twips, the start value) or 3 (pixels) take the origin at the
  // upper-left corner with y down; 0 keeps the system last set by Scale.
  void setScaleMode(int modo);
  int ScaleMode() const { return modo_; }

  // The upper-left corner of the drawing area becomes (x1, y1) and the
  // lower-right corner (x2, y2); with y2 < y1, y grows upward. Sets
  // ScaleMode to 0.
  void Scale(double x1, double y1, double x2, double y2);

  // Clears the drawing to the background colour.
  void Cls();

  void setFillStyle(int estilo) override;
  void setFillColor(Cor cor) override;
  void setDrawWidth(int largura) override;
  void Refresh() override;

  int FillStyle() const { return estiloPreenchimento_; }
  Cor FillColor() const { return corPreenchimento_; }
  int DrawWidth() const { return larguraPena_; }
  Cor BackColor() const { return fundo_; }
  Cor ForeColor() const { return frente_; }

  // Logical position of a point in the current coordinate system: the pixel
  // that holds it is (floor(x), floor(y)). In a user scale the right and
  // bottom edges fall in the last column and row.
  QPointF paraPixels(double x, double y) const { return mapeia(x, y, mapaDe(tamanhoDaArea(), 1)); }

  // The device pixel ratio the drawing is made at. A picture box takes its
  // screen's and ignores the one set here.
  void setRazaoDePixels(qreal razao);
  qreal razaoDePixels() const { return razaoDaArea(); }

  // The drawing as it stands, in device pixels, carrying its ratio.
  QImage image();

  // Every operation drawn here is handed on to this canvas as well, so that
  // tests can record what a window draws. Null (the start value) for none.
  void setEspelho(Canvas* espelho) { espelho_ = espelho; }
  QSize tamanhoImagem() const { return tamanhoDaArea(); }

  // Device pixels of a logical length at a ratio: a logical edge at `v` falls
  // on the device edge nearest v x razao, a half going up, as the window
  // system places widgets.
  static int emDispositivo(double v, qreal razao);

 protected:
  void setBackColor(Cor cor);

  // The size the drawing area should have, in logical pixels; a widget
  // answers its own size. The image follows it before anything is drawn or
  // read.
  virtual QSize tamanhoDaArea() const { return tamanho_; }
  // Its ratio and its size in device pixels: by default the logical size
  // times the ratio, rounded.
  virtual qreal razaoDaArea() const { return razao_; }
  virtual QSize tamanhoNoDispositivo() const;

  // Called when what has changed since the widget last showed the image
  // grows (with all of it, in device pixels of the image), and by Refresh; a
  // widget uses them to schedule or force a repaint of what changed.
  virtual void desenhou(const QRect& alterado) { (void)alterado; }
  virtual void mostraAgora() {}

  // Ends any drawing in progress on the image, so that it can be read.
  void conclui();

  // The image as it stands, any batched segments drawn, without ending the
  // painter or copying it: for a widget to show while drawing goes on.
  const QImage& imagemParaMostrar();

  // What has changed since the widget last showed the image, in device
  // pixels, and the widget saying it has shown everything.
  const QRect& alterado() const { return alterado_; }
  void mostrouTudo() {
    alterado_ = QRect();
    contido_ = {1, 1, 0, 0};
  }

  // A widget hands itself over so that its size and place are read directly
  // before every primitive, not through the virtual size functions; it calls
  // remede() when its ratio may have changed.
  void setArea(const QWidget* area) { area_ = area; }
  void remede() { mapaValido_ = false; }

  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override;
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override;
  void desenhaPonto(float x, float y, Cor cor) override;
  void desenhaPoligono(const PontoPixel* pontos, int quantos) override;

 private:
  // Brings the image to the area's size and the mapping up to date: once per
  // primitive, a size and a place compared and nothing more when neither
  // changed.
  // Keeps the mapping true to the area as it stands: it is worked out again
  // only when the area has moved or changed size since.
  void acompanhaTamanho() {
    if (mapaValido_ && (area_ == nullptr || area_->geometry() == geometriaMapeada_)) return;
    refazMapa();
  }
  void refazMapa();
  // Brings the image to the area's device size and ratio. What is drawn is
  // kept: at the same ratio as it stands, in the part that remains; at a new
  // ratio rescaled. New area takes the background colour.
  void redimensiona();
  void abrePintor();
  void usaPena(Cor cor);
  void descarregaLinhas();

  // The one mapping from the coordinate system to a grid laid over the
  // drawing area: `grade` cells across it, `celulasPorPixel` to a logical
  // pixel. Logical pixels are the grid of tamanhoDaArea() at 1, device
  // pixels the image's at its ratio. A point maps to (coordinate - origem) *
  // fator on each axis.
  //
  // The far edges of a user scale belong to it: a coordinate that maps onto
  // the boundary past the last pixel (rounding aside) goes to the middle of
  // that last pixel, or it would not be drawn at all. Other systems have no
  // far edge (limite -1).
  struct Mapa {
    double origemX = 0, origemY = 0, fatorX = 1, fatorY = 1;
    double limiteX = -1, limiteY = -1, meioPixel = 0;
  };
  Mapa mapaDe(QSizeF grade, double celulasPorPixel) const;
  static double dentroDaArea(double v, double limite, double meio) {
    return std::abs(v - limite) <= 1e-9 * limite ? limite - meio : v;
  }
  static QPointF mapeia(double x, double y, const Mapa& m) {
    return QPointF(dentroDaArea((x - m.origemX) * m.fatorX, m.limiteX, m.meioPixel),
                   dentroDaArea((y - m.origemY) * m.fatorY, m.limiteY, m.meioPixel));
  }
  // Where the painter is to put a point so that the pen in use covers the
  // same logical pixels as at ratio 1, by the mapping worked out for the
  // image as it stands.
  QPointF paraDispositivo(double x, double y) const {
    return mapeia(x, y, mapa_) + QPointF(ajustePena_, ajustePena_);
  }
  // Whether the rasteriser of our own draws at this ratio (whole ratios);
  // at others the painter does.
  bool rasterizaDireto() const { return razaoInteira_; }
  Rasteriser& rasteriser() { return rasteriserLigado_ ? rasteriser_ : ligaRasteriser(); }
  Rasteriser& ligaRasteriser();
  // Adds a primitive's rectangle to what has changed; the widget hears of it
  // only when it reaches outside what it was already told.
  void alterou(const QRect& area) {
    if (area.left() >= alterado_.left() && area.right() <= alterado_.right() && area.top() >= alterado_.top() &&
        area.bottom() <= alterado_.bottom()) {
      return;
    }
    aumentaAlterado(area);
  }
  void aumentaAlterado(const QRect& area);
  // Whether a shape spanning these device coordinates, widened by the pen,
  // lies inside what has changed already.
  bool contido(double xMin, double yMin, double xMax, double yMax) const {
    return xMin >= contido_.x0 && xMax < contido_.x1 && yMin >= contido_.y0 && yMax < contido_.y1;
  }
  // Everything the painter drew since it opened counts as changed.
  void pintorAlterou() { aumentaAlterado(imagem_.rect()); }
  // A pen of `largura` logical pixels, in whole device pixels.
  int larguraNoDispositivo(int largura) const;
  double ajusteDaPena(int largura) const;

  QSize tamanho_;
  qreal razao_ = 1;
  qreal razaoImagem_ = 1;
  QImage imagem_;
  QPainter pintor_;
  Cor fundo_;
  Cor frente_ = RGB(0, 0, 0);

  int modo_ = UnidadeTwips;
  double escalaEsquerda_ = 0;
  double escalaTopo_ = 0;
  double escalaLargura_ = 1;
  double escalaAltura_ = 1;

  int estiloPreenchimento_ = 1;
  Cor corPreenchimento_ = RGB(0, 0, 0);
  int larguraPena_ = 1;

  // Segments of one pen are collected and drawn together; anything else
  // drawn, and any read of the image, draws them first.
  Canvas* espelho_ = nullptr;

  std::vector<QLineF> linhas_;
  Cor corLinhas_ = 0;
  Cor corPena_ = 0;
  int larguraPenaAtiva_ = -1;
  double ajustePena_ = 0;

  const QWidget* area_ = nullptr;
  bool mapaValido_ = false;
  QRect geometriaMapeada_;  // the widget's size and place the mapping was worked out for
  Mapa mapa_;             // to device pixels of the image
  Mapa mapaLogico_;       // to logical pixels
  int larguraDispositivo_ = 1;  // the pen in whole device pixels
  bool razaoInteira_ = true;
  Rasteriser rasteriser_;
  bool rasteriserLigado_ = false;
  QRect alterado_;
  // alterado_ as the bounds a segment's ends must keep within, the pen's
  // reach included, for it to fall inside: x0, y0, x1, y1 (empty: none).
  struct Limites {
    double x0, y0, x1, y1;
  } contido_{1, 1, 0, 0};
};

}  // namespace velquora
