// The surface's primitives at the volumes the largest figures reach.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>

#include "fractals/koch_curve/koch.h"
#include "fractals/sierpinski/sierpinski.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

// Koch curve of a level on the single-level window's surface.
void KochNaSuperficie(benchmark::State& estado) {
  const auto nivel = static_cast<std::int16_t>(estado.range(0));
  ImageCanvas tela(QSize(677, 493));
  tela.Scale(-200, 115, 200, -155);
  for (auto _ : estado) {
    tela.Cls();
    DesenhaKoch(-150, -50, 150, -50, 0, nivel,
                [&](double x1, double y1, double x2, double y2) { tela.Line(x1, y1, x2, y2); });
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(std::pow(4, nivel)));
}
BENCHMARK(KochNaSuperficie)->Arg(6)->Unit(benchmark::kMillisecond);

// Half a million short segments of one pen: the size of the Peano curve's
// deepest level.
void MeioMilhaoDeSegmentos(benchmark::State& estado) {
  ImageCanvas tela(QSize(709, 501));
  tela.Scale(-300, 215, 300, -255);
  for (auto _ : estado) {
    tela.Cls();
    double x = -150, y = -25;
    for (int i = 0; i < 531441; ++i) {
      const double a = i * 1.5707963;
      const double nx = x + 0.41 * std::cos(a), ny = y + 0.41 * std::sin(a);
      tela.Line(x, y, nx, ny);
      x = nx > 150 ? -150 : nx;
      y = ny;
    }
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * 531441);
}
BENCHMARK(MeioMilhaoDeSegmentos)->Unit(benchmark::kMillisecond);

// The Sierpinski triangle of level 10: one black triangle and 29,524 white
// holes, one polygon each.
void SierpinskiNivelDez(benchmark::State& estado) {
  ImageCanvas tela(QSize(401, 347));
  tela.setScaleMode(3);
  const GeradorSierpinski g(1);
  for (auto _ : estado) {
    tela.Cls();
    PreencheTriangulo(tela, g.CantosDoTriangulo(), RGB(0, 0, 0));
    GeradorSierpinski::RetiraTriangulos(10, [&](const float& p, const float& q, const float& r) {
      PreencheTriangulo(tela, g.CantosDoBuraco(p, q, r), RGB(255, 255, 255));
    });
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * (1 + BuracosDoNivel(10)));
}
BENCHMARK(SierpinskiNivelDez)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
