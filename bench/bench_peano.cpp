// The Peano curve's deepest levels: 531,441 segments through 66,430 calls at
// level 6, as the generator makes them and as a window draws them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cmath>

#include "fractals/peano/frm_peano.h"
#include "fractals/peano/peano.h"
#include "surface/image_canvas.h"

using namespace velquora;

namespace {

// The recursion alone, its segments summed so that none is optimised away.
void PeanoGerador(benchmark::State& estado) {
  const auto nivel = static_cast<std::int16_t>(estado.range(0));
  for (auto _ : estado) {
    double soma = 0;
    DesenhaPeano(-150, -25, 150, -25, 0, nivel, [&](double x1, double y1, double x2, double y2) { soma += x1 + y1 + x2 + y2; });
    benchmark::DoNotOptimize(soma);
  }
  estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(std::pow(9, nivel)));
}
BENCHMARK(PeanoGerador)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

// The generator drawing on a surface of the single-level window's size and
// scale.
void PeanoNaSuperficie(benchmark::State& estado) {
  const auto nivel = static_cast<std::int16_t>(estado.range(0));
  ImageCanvas tela(QSize(709, 501));
  tela.Scale(-300, 215, 300, -255);
  for (auto _ : estado) {
    tela.Cls();
    DesenhaPeano(-150, -25, 150, -25, 0, nivel, [&](double x1, double y1, double x2, double y2) {
      tela.Line(Simples(x1), Simples(y1), Simples(x2), Simples(y2));
    });
    benchmark::DoNotOptimize(tela.image().constBits());
  }
  estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(std::pow(9, nivel)));
}
BENCHMARK(PeanoNaSuperficie)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);

// A click on "Gerar" of the window itself, until its surface is on screen:
// what the user waits for.
void PeanoNaJanela(benchmark::State& estado) {
  FrmPeano janela;
  janela.show();
  janela.BrNivel->setValue(static_cast<int>(estado.range(0)));
  for (auto _ : estado) {
    janela.botGerar->click();
    janela.Figura->repaint();
  }
  estado.SetItemsProcessed(estado.iterations() * static_cast<int64_t>(std::pow(9, estado.range(0))));
}
BENCHMARK(PeanoNaJanela)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
