// The two figures of this pair at their largest: the bifurcating tree at
// level 15 (98,302 lines of a 2-pixel pen) and the Tetracírculo at level 5
// (1,365 filled circles), each on a surface of its single-level window.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "fractals/tetracirculo/tetracirculo.h"
#include "fractals/tree/arvore.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

// Arguments: the branching angle and the pen width (2 as in the windows; 1
// shows what the wide pen costs).
void ArvoreNivel15(benchmark::State& estado) {
  ImageCanvas tela(QSize(677, 493));
  tela.Scale(-200, 115, 200, -155);
  const double angulo = static_cast<double>(estado.range(0));
  for (auto _ : estado) {
    tela.Cls();
    tela.setDrawWidth(static_cast<int>(estado.range(1)));
    tela.Line(TroncoX1, TroncoY1, TroncoX2, TroncoY2, CorDaProfundidade(0).cor());
    DesenhaArvore(
        TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, 15, [&] { return angulo; },
        [&](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) {
          tela.Line(x1, y1, x2, y2, c.cor());
        });
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * 98302);
}
BENCHMARK(ArvoreNivel15)->Args({90, 2})->Args({0, 2})->Args({90, 1})->Unit(benchmark::kMillisecond);

// The recursion alone, lines not drawn: what the geometry costs.
void ArvoreNivel15SemDesenho(benchmark::State& estado) {
  for (auto _ : estado) {
    double soma = 0;
    DesenhaArvore(
        TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, 15, [] { return 90; },
        [&](double, double, double x2, double, const CorDaProfundidade&) { soma += x2; });
    benchmark::DoNotOptimize(soma);
  }
  estado.SetItemsProcessed(estado.iterations() * 98301);
}
BENCHMARK(ArvoreNivel15SemDesenho)->Unit(benchmark::kMillisecond);

void TetracirculoNivel5(benchmark::State& estado) {
  ImageCanvas tela(QSize(685, 469));
  tela.setScaleMode(3);
  for (auto _ : estado) {
    tela.Cls();
    tela.setFillStyle(0);
    tela.setFillColor(CorDoCirculoInicial);
    tela.Circle(342.5, 234.5, 342.5 / 1.5);
    GeraTetracirculo(tela, 342.5, 234.5, 342.5 / 1.5, 5);
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * 1365);
}
BENCHMARK(TetracirculoNivel5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
