#include "emblem.h"

#include <vector>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"

namespace velquora {

QImage Emblema() {
  ImageCanvas tela(QSize(166, 110), RGB(64, 64, 64));
  tela.Scale(-151, 100, 151, -100);

  // The snowflake's outline around its centre, walked clockwise so every
  // raised third points out.
  const double xs[] = {-80, 0, 80, -80};
  const double ys[] = {-46.188, 92.376, -46.188, -46.188};
  std::vector<PontoPixel> contorno;
  for (int lado = 0; lado < 3; ++lado) {
    DesenhaKoch(xs[lado], ys[lado], xs[lado + 1], ys[lado + 1], 0, 3, [&](double x1, double y1, double, double) {
      const QPointF p = tela.paraPixels(x1, y1);
      contorno.push_back({static_cast<std::int32_t>(p.x()), static_cast<std::int32_t>(p.y())});
    });
  }
  tela.setFillStyle(0);
  tela.setFillColor(RGB(70, 150, 230));
  tela.Polygon(contorno.data(), static_cast<int>(contorno.size()));
  return tela.image();
}

}  // namespace velquora
