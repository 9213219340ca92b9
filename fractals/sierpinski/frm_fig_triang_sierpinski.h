#pragma once

#include <array>

#include "fractals/shell/level_sequence_window.h"
#include "fractals/sierpinski/sierpinski.h"

namespace velquora {

// The Sierpinski triangle at levels 0, 1, 2 and 6, at half size, in four
// panels. Each panel is a frame box FigN that holds a clipping box
// ImagemN (in pixels) that holds the drawing box ImgN, and the caption LbN.
// The holes are cut one by one and each is shown at once.
class FrmFigTriangSierpinski : public LevelSequenceWindow {
  Q_OBJECT

 public:
  FrmFigTriangSierpinski();

  PictureBox* Imagem1 = nullptr;
  PictureBox* Imagem2 = nullptr;
  PictureBox* Imagem3 = nullptr;
  PictureBox* Imagem4 = nullptr;
  PictureBox* Img1 = nullptr;
  PictureBox* Img2 = nullptr;
  PictureBox* Img3 = nullptr;
  PictureBox* Img4 = nullptr;

  // The drawing box of a level: Img1 for 0, Img2 for 1, Img3 for 2, Img4 for
  // any other level.
  PictureBox* ImgDoNivel(int nivel) const { return imgs_[static_cast<std::size_t>(IndicePainel(nivel))]; }

 protected:
  void DesenhaNivel() override;
  QString descricaoDoPainel(int i) const override;

 private:
  void Form_Load();
  // Cuts a hole at half size out of the box of NivelAtual (Img2 for 1, Img3
  // for 2, Img4 otherwise) and shows it at once.
  void RetiraTriangulo(const float& p, const float& q, const float& r);

  std::array<PictureBox*, 4> imgs_{};
  GeradorSierpinski gerador_{2};
};

}  // namespace velquora
