// The drawing surface under any sequence of calls a generator or a window
// could make, with any values: coordinates that are not numbers, infinite or
// far outside the image, radii and pen widths of zero or below, polygons of
// no point to many, every scale mode and user scales of zero or negative
// size, on images from 1 x 1 pixel up. Nothing may crash, no sanitizer may
// report, Qt gives no warning, and the image keeps its size.
//
// Only the public surface is used, so the target holds whatever the surface
// does inside (its rasterisers, its device-resolution images).

#include <fuzzer/FuzzedDataProvider.h>

#include <QImage>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "surface/image_canvas.h"

using namespace velquora;

namespace {

// Values that break arithmetic more often than random bits do.
constexpr double Extremos[] = {0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               0.5,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               1e30,
                               -1e30,
                               FLT_MAX,
                               -FLT_MAX,
                               2147483647.0,
                               -2147483648.0,
                               32767.0,
                               1e-30,
                               std::numeric_limits<double>::denorm_min()};

double real(FuzzedDataProvider& dados) {
  switch (dados.ConsumeIntegralInRange(0, 3)) {
    case 0: return Extremos[dados.ConsumeIntegralInRange<std::size_t>(0, std::size(Extremos) - 1)];
    case 1: return dados.ConsumeFloatingPoint<double>();
    default: return dados.ConsumeFloatingPointInRange(-2000.0, 2000.0);  // on and near the image
  }
}

float coordenada(FuzzedDataProvider& dados) { return static_cast<float>(real(dados)); }

int inteiro(FuzzedDataProvider& dados) {
  switch (dados.ConsumeIntegralInRange(0, 2)) {
    case 0: return dados.ConsumeIntegral<int>();
    default: return dados.ConsumeIntegralInRange(-3, 40);
  }
}

// A warning of Qt's is a fault of the surface as much as a crash: it reached
// Qt with values it should not have handed on.
void falhaNoAviso(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
  if (tipo == QtDebugMsg || tipo == QtInfoMsg) return;
  std::fprintf(stderr, "Qt warned: %s\n", qPrintable(texto));
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qInstallMessageHandler(falhaNoAviso);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t tamanho) {
  FuzzedDataProvider dados(bytes, tamanho);
  const QSize area(dados.ConsumeIntegralInRange(1, 400), dados.ConsumeIntegralInRange(1, 300));
  ImageCanvas tela(area, dados.ConsumeIntegral<Cor>());
  const QSize imagem = tela.image().size();
  std::vector<PontoPixel> pontos;
  for (int operacoes = 0; dados.remaining_bytes() > 0 && operacoes < 200; ++operacoes) {
    switch (dados.ConsumeIntegralInRange(0, 13)) {
      case 0: tela.setScaleMode(dados.ConsumeBool() ? inteiro(dados) : 3 * dados.ConsumeIntegralInRange(0, 1)); break;
      case 1: tela.Scale(real(dados), real(dados), real(dados), real(dados)); break;
      case 2: tela.Cls(); break;
      case 3: tela.Line(coordenada(dados), coordenada(dados), coordenada(dados), coordenada(dados)); break;
      case 4:
        tela.Line(coordenada(dados), coordenada(dados), coordenada(dados), coordenada(dados), dados.ConsumeIntegral<Cor>());
        break;
      case 5: tela.Circle(coordenada(dados), coordenada(dados), coordenada(dados)); break;
      case 6: tela.Circle(coordenada(dados), coordenada(dados), coordenada(dados), dados.ConsumeIntegral<Cor>()); break;
      case 7: tela.PSet(coordenada(dados), coordenada(dados), dados.ConsumeIntegral<Cor>()); break;
      case 8: {
        pontos.resize(dados.ConsumeIntegralInRange<std::size_t>(0, 64));
        for (PontoPixel& p : pontos) {
          const bool perto = dados.ConsumeBool();
          p.x = perto ? dados.ConsumeIntegralInRange(-50, 450) : dados.ConsumeIntegral<std::int32_t>();
          p.y = perto ? dados.ConsumeIntegralInRange(-50, 350) : dados.ConsumeIntegral<std::int32_t>();
        }
        tela.Polygon(pontos.data(), static_cast<int>(pontos.size()));
        break;
      }
      case 9: tela.setFillStyle(inteiro(dados)); break;
      case 10: tela.setFillColor(dados.ConsumeIntegral<Cor>()); break;
      case 11: tela.setDrawWidth(inteiro(dados)); break;
      case 12: tela.Refresh(); break;
      default:
        if (tela.image().size() != imagem) std::abort();  // the drawing area never changes size
        break;
    }
  }
  const QImage fim = tela.image();
  if (fim.size() != imagem || fim.isNull()) std::abort();
  return 0;
}
