#pragma once
// The canvas of a drawing surface, realised on an image: the persistent
// drawing of a picture box. It owns the coordinate system (ScaleMode and
// Scale), the pen and fill state, and is the one place where pixels are made.

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QSize>
#include <vector>

#include "canvas.h"
#include "rasteriser.h"

class QWidget;

namespace velquora {

class ImageCanvas : public Canvas {
 public:
  // Units of the coordinate system.
  enum Unidade { UnidadeUsuario = 0, UnidadeTwips = 1, UnidadePixels = 3 };

  explicit ImageCanvas(QSize tamanho = QSize(0, 0), Cor fundo = RGB(255, 255, 255));
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

  // Device position of a point in the current coordinate system: the pixel
  // that holds it is (floor(x), floor(y)).
  QPointF paraPixels(double x, double y) const { return mapeia(x, y, mapaDe(tamanhoDaArea())); }

  // The drawing as it stands.
  QImage image();

  // Every operation drawn here is handed on to this canvas as well, so that
  // tests can record what a window draws. Null (the start value) for none.
  void setEspelho(Canvas* espelho) { espelho_ = espelho; }
  QSize tamanhoImagem() const { return tamanhoDaArea(); }

 protected:
  // Changes the size of the drawing area, keeping what is drawn in the part
  // that remains and filling new area with the background colour.
  void redimensionaImagem(QSize tamanho);
  void setBackColor(Cor cor);

  // The size the drawing area should have; a widget answers its own size, and
  // the image follows it before anything is drawn or read.
  virtual QSize tamanhoDaArea() const { return imagem_.size(); }

  // Called after every drawing operation with the rectangle of the drawing
  // area it may have changed, and by Refresh; a widget uses them to schedule
  // or force a repaint of what changed.
  virtual void desenhou(const QRect& area) { (void)area; }
  virtual void mostraAgora() {}

  // Ends any drawing in progress on the image, so that it can be read.
  void conclui();

  // The image as it stands, any batched segments drawn, without ending the
  // painter or copying it: for a widget to show while drawing goes on.
  const QImage& imagemParaMostrar();

  // A widget hands itself over so that its size is read directly, not
  // through tamanhoDaArea, before every primitive.
  void setArea(const QWidget* area) { area_ = area; }

  // What has changed since the widget last showed the image (desenhou has
  // been told all of it), and the widget saying it has shown everything.
  const QRect& alterado() const { return alterado_; }
  void mostrouTudo() { alterado_ = QRect(); }

  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override;
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override;
  void desenhaPonto(float x, float y, Cor cor) override;
  void desenhaPoligono(const PontoPixel* pontos, int quantos) override;

 private:
  // The mapping from the coordinate system to device pixels: device =
  // (coordinate - origem) * fator, worked out once per size and scale.
  struct Mapa {
    double origemX = 0, origemY = 0, fatorX = 1, fatorY = 1;
  };
  Mapa mapaDe(QSize tamanho) const;
  static QPointF mapeia(double x, double y, const Mapa& m) {
    return QPointF((x - m.origemX) * m.fatorX, (y - m.origemY) * m.fatorY);
  }
  QPointF mapeia(double x, double y) const { return mapeia(x, y, mapa_); }

  // Brings the image to the area's size and the mapping up to date: once per
  // primitive, a size compared and nothing more when neither changed.
  void acompanhaTamanho();
  void abrePintor();
  void usaPena(Cor cor);
  void descarregaLinhas();
  // The rasteriser bound to the image, which is unshared from then on.
  Rasteriser& rasteriser();
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

  const QWidget* area_ = nullptr;
  QSize tamanhoMapeado_{-1, -1};  // the size the mapping was worked out for
  Mapa mapa_;
  Rasteriser rasteriser_;
  bool rasteriserLigado_ = false;
  QRect alterado_;
};

}  // namespace velquora
