#pragma once

#include "fractals/shell/single_level_window.h"
#include "fractals/sierpinski/sierpinski.h"

namespace velquora {

// The Sierpinski triangle of one level, 0 to 10. The figure is
// drawn in device pixels on `Img`, a box inside the clipping box `Imagem`,
// which stands on the white panel `Picture1`. `Imagem` measures in pixels,
// so the position and size the window gives `Img` are pixels.
class FrmSierpinski : public SingleLevelWindow {
  Q_OBJECT

 public:
  FrmSierpinski();

  PictureBox* Picture1 = nullptr;
  PictureBox* Imagem = nullptr;
  PictureBox* Img = nullptr;

 protected:
  void botGerar_Click() override;
  QString descricaoDaFigura() const override;
  PictureBox* caixaDaFigura() const override;
  void botApagar_Click() override;

 private:
  void Form_Load();
  // Erases Img and shrinks it to 100 x 100 pixels.
  void LimpaFigura();
  // Cuts the hole with upper apex (p, q) and side r out of Img, in white.
  void RetiraTriangulo(const float& p, const float& q, const float& r);

  GeradorSierpinski gerador_{1};
};

}  // namespace velquora
