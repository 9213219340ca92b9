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
  // that holds it is (floor(x), floor(y)). In a user scale the right and
  // bottom edges fall in the last column and row.
  QPointF paraPixels(double x, double y) const;

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

  // Called after every drawing operation, and by Refresh; a widget uses them
  // to schedule or force a repaint.
  virtual void desenhou() {}
  virtual void mostraAgora() {}

  // Ends any drawing in progress on the image, so that it can be read.
  void conclui();

  void desenhaLinha(float x1, float y1, float x2, float y2, std::optional<Cor> cor) override;
  void desenhaCirculo(float x, float y, float raio, std::optional<Cor> cor) override;
  void desenhaPonto(float x, float y, Cor cor) override;
  void desenhaPoligono(const PontoPixel* pontos, int quantos) override;

 private:
  void acompanhaTamanho() {
    if (tamanhoDaArea() != imagem_.size()) redimensionaImagem(tamanhoDaArea());
  }
  void abrePintor();
  void usaPena(Cor cor);
  void descarregaLinhas();
  double fatorX() const;
  double fatorY() const;

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
};

}  // namespace velquora
