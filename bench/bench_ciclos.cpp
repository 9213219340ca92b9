// Memory over many lives of each window: shown through its slot as the
// program shows it, its deepest figure drawn, closed and destroyed, 1,000
// times (VELQUORA_CICLOS changes the count). The counters give the resident
// memory after the first ten cycles and after the last, the growth per cycle
// between them, and the peak of the whole process so far; a window that
// leaves something behind on each close shows as a growth above zero.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <unistd.h>

#include "app/frm_velquora.h"
#include "app/window_slot.h"
#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "fractals/peano/frm_fig_peano.h"
#include "fractals/peano/frm_peano.h"
#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "fractals/tetracirculo/frm_circulo.h"
#include "fractals/tetracirculo/frm_fig_circular.h"
#include "fractals/tree/frm_arvore.h"
#include "fractals/tree/frm_fig_arvore.h"

using namespace velquora;

namespace {

double residenteMB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> campos = statm.readAll().split(' ');
  return campos.size() > 1 ? campos[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024) : 0;
}

double picoMB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return double(uso.ru_maxrss) / 1024;
}

void processaEventos() {
  for (int i = 0; i < 3; ++i) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

// The deepest figure: the scroll bar at its end and "Gerar", or the label of
// the last panel.
void desenhaMaisFundo(SingleLevelWindow& w) {
  if (w.BrNivel != nullptr) w.BrNivel->setValue(w.BrNivel->maximum());
  w.botGerar->click();
}
void desenhaMaisFundo(LevelSequenceWindow& w) { w.Lb4_Click(); }

template <class Janela>
void Ciclos(benchmark::State& estado) {
  const int ciclos = qEnvironmentVariableIsSet("VELQUORA_CICLOS") ? qEnvironmentVariableIntValue("VELQUORA_CICLOS") : 1000;
  double depoisDeDez = 0;
  for (auto _ : estado) {
    for (int c = 0; c < ciclos; ++c) {
      Janela& w = Mostra<Janela>();
      desenhaMaisFundo(w);
      w.close();
      processaEventos();
      if (c == 9) depoisDeDez = residenteMB();
    }
  }
  const double fim = residenteMB();
  estado.counters["rss_10_MB"] = depoisDeDez;
  estado.counters["rss_fim_MB"] = fim;
  estado.counters["cresce_kB_ciclo"] = ciclos > 10 ? (fim - depoisDeDez) * 1024 / (ciclos - 10) : 0;
  estado.counters["pico_MB"] = picoMB();
}

#define CICLOS(Janela) BENCHMARK_TEMPLATE(Ciclos, Janela)->Iterations(1)->Unit(benchmark::kSecond)
CICLOS(FrmCurvaKoch);
CICLOS(FrmFigCurvaKoch);
CICLOS(FrmFlocoDeNeve);
CICLOS(FrmFigFlocoNeve);
CICLOS(FrmSierpinski);
CICLOS(FrmFigTriangSierpinski);
CICLOS(frmSierpinski_Pontos);
CICLOS(FrmFigPontoSierpinski);
CICLOS(frmCantor);
CICLOS(FrmFigCantor);
CICLOS(FrmPeano);
CICLOS(FrmFigPeano);
CICLOS(FrmCirculo);
CICLOS(FrmFigCircular);
CICLOS(FrmArvore);
CICLOS(FrmFigArvore);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
