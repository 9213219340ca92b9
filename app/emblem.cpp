#include "emblem.h"

#include <algorithm>
#include <vector>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"

namespace velquora {

namespace {

// A Koch snowflake of the level around the origin, with sides of `lado`,
// filled with the colour. The triangle is walked clockwise, so every raised
// third points out.
void floco(ImageCanvas& tela, double lado, std::int16_t nivel, Cor cor) {
  const double base = -lado * 0.28867513459481287;  // a third of the height below the centre
  const double xs[] = {-lado / 2, 0, lado / 2, -lado / 2};
  const double ys[] = {base, base + lado * 0.8660254037844386, base, base};
  std::vector<PontoPixel> contorno;
  for (int i = 0; i < 3; ++i) {
    DesenhaKoch(xs[i], ys[i], xs[i + 1], ys[i + 1], 0, nivel, [&](double x1, double y1, double, double) {
      const QPointF p = tela.paraPixels(x1, y1);
      contorno.push_back({static_cast<std::int32_t>(p.x()), static_cast<std::int32_t>(p.y())});
    });
  }
  tela.setFillColor(cor);
  tela.Polygon(contorno.data(), static_cast<int>(contorno.size()));
}

}  // namespace

QImage Emblema(qreal razao) {
  // The outlines are traced on the device pixels themselves, so that their
  // corners are as fine as the screen.
  const QSize tamanho(ImageCanvas::emDispositivo(166, razao), ImageCanvas::emDispositivo(110, razao));
  ImageCanvas tela(tamanho, RGB(64, 64, 64));
  tela.Scale(-151, 100, 151, -100);
  tela.setFillStyle(0);
  tela.setDrawWidth(std::max(1, ImageCanvas::emDispositivo(1, razao)));
  floco(tela, 160, 4, RGB(40, 110, 200));
  floco(tela, 105, 3, RGB(90, 170, 240));
  floco(tela, 55, 2, RGB(235, 245, 255));
  QImage emblema = tela.image();
  emblema.setDevicePixelRatio(razao);
  return emblema;
}

}  // namespace velquora
