#include "emblem.h"

#include <algorithm>

#include "fractals/koch_curve/koch.h"
#include "surface/image_canvas.h"

namespace velquora {

std::vector<QPointF> ContornoFloco(double lado, std::int16_t nivel) {
  // The triangle is walked clockwise, so every raised third points out.
  const double base = -lado * 0.28867513459481287;  // a third of the height below the centre
  const double xs[] = {-lado / 2, 0, lado / 2, -lado / 2};
  const double ys[] = {base, base + lado * 0.8660254037844386, base, base};
  std::vector<QPointF> contorno;
  for (int i = 0; i < 3; ++i) {
    DesenhaKoch(xs[i], ys[i], xs[i + 1], ys[i + 1], 0, nivel,
                [&](double x1, double y1, double, double) { contorno.emplace_back(x1, y1); });
  }
  return contorno;
}

namespace {

// A snowflake filled with its colour.
void floco(ImageCanvas& tela, const FlocoEmblema& f) {
  std::vector<PontoPixel> contorno;
  for (const QPointF& ponto : ContornoFloco(f.lado, f.nivel)) {
    const QPointF p = tela.paraPixels(ponto.x(), ponto.y());
    contorno.push_back({static_cast<std::int32_t>(p.x()), static_cast<std::int32_t>(p.y())});
  }
  tela.setFillColor(f.cor);
  tela.Polygon(contorno.data(), static_cast<int>(contorno.size()));
}

}  // namespace

QImage Emblema(qreal razao) {
  // The outlines are traced on the device pixels themselves, so that their
  // corners are as fine as the screen.
  const QSize tamanho(ImageCanvas::emDispositivo(166, razao), ImageCanvas::emDispositivo(110, razao));
  ImageCanvas tela(tamanho, FundoEmblema);
  tela.Scale(-151, 100, 151, -100);
  tela.setFillStyle(0);
  tela.setDrawWidth(std::max(1, ImageCanvas::emDispositivo(1, razao)));
  for (const FlocoEmblema& f : FlocosEmblema) floco(tela, f);
  QImage emblema = tela.image();
  emblema.setDevicePixelRatio(razao);
  return emblema;
}

}  // namespace velquora
