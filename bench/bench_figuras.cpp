// Every window's deepest figure, from a click on the real control to the
// finished figure in the backing image, beside its raster limit (bench/
// limite.h) measured in the same run, round for round: the ratio of the two
// medians is what the surface costs over the least a figure can cost. Also
// the program's own start-up time to the menu's first frame and the memory
// the Peano curve of level 6 adds to an idle window, each in a child process
// of its own.
//
// Run offscreen, at the device pixel ratio the environment gives
// (QT_SCALE_FACTOR=2 for 2): `make bench` runs it at 1 and 2.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "fractals/koch_curve/koch.h"
#include "fractals/koch_snowflake/floco_de_neve.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "fractals/peano/frm_fig_peano.h"
#include "fractals/peano/frm_peano.h"
#include "fractals/peano/peano.h"
#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski/sierpinski.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "fractals/tetracirculo/frm_circulo.h"
#include "fractals/tetracirculo/frm_fig_circular.h"
#include "fractals/tetracirculo/tetracirculo.h"
#include "fractals/tree/arvore.h"
#include "fractals/tree/frm_arvore.h"
#include "fractals/tree/frm_fig_arvore.h"
#include "limite.h"

using namespace velquora;
using namespace velquora::bancada;

// The processor time of this thread: on a machine shared with other work
// (the builds of a team on two cores), the time the drawing itself took, not
// the time it waited for the processor. On a quiet machine the two agree.
struct Relogio {
  using duration = std::chrono::nanoseconds;
  static std::chrono::time_point<Relogio, duration> now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::time_point<Relogio, duration>(duration(std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec));
  }
};

namespace {

// ---------------------------------------------------------------- the table

struct Linha {
  std::string figura;
  double tempo;     // median, ms
  double limite;    // median, ms
  double dispersao; // interquartile range of the figure's times over their median
  int rodadas;
};

std::vector<Linha>& Tabela() {
  static std::vector<Linha> t;
  return t;
}

double Quantil(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  const double pos = q * static_cast<double>(v.size() - 1);
  const auto i = static_cast<std::size_t>(pos);
  const double f = pos - static_cast<double>(i);
  return i + 1 < v.size() ? v[i] * (1 - f) + v[i + 1] * f : v[i];
}

double Ms(Relogio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Lets everything pending run: repaints scheduled by the last figure among
// them, so that none is left for the next timed click.
void Assenta() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// Rounds of (prepare, figure, limit), the figure and its limit timed one
// right after the other so both see the same load on the machine. At least 9
// rounds, more for quick figures (about 1 s of figure in all, at most 301:
// the quickest take a fifth of a millisecond, and a median of few of them
// moves with every disturbance of the machine).
void Mede(benchmark::State& estado, const std::string& nome, const std::function<void()>& prepara,
          const std::function<void()>& figura, const std::function<void()>& limite) {
  for (auto _ : estado) {
    std::vector<double> tf, tl;
    auto rodada = [&] {
      prepara();
      Assenta();
      const auto t0 = Relogio::now();
      figura();
      const auto t1 = Relogio::now();
      limite();
      const auto t2 = Relogio::now();
      tf.push_back(Ms(t1 - t0));
      tl.push_back(Ms(t2 - t1));
    };
    rodada();  // warm-up: first allocations, caches
    tf.clear();
    tl.clear();
    rodada();
    const int rodadas = std::clamp(static_cast<int>(1000 / std::max(tf[0], 0.001)), 9, 301);
    while (static_cast<int>(tf.size()) < rodadas) rodada();
    const double mf = Quantil(tf, 0.5), ml = Quantil(tl, 0.5);
    estado.SetIterationTime(mf / 1000);
    estado.counters["limite_ms"] = ml;
    estado.counters["razao"] = mf / ml;
    Tabela().push_back({nome, mf, ml, (Quantil(tf, 0.75) - Quantil(tf, 0.25)) / mf, rodadas});
  }
}

void Registra(const std::string& nome, std::function<void(benchmark::State&)> corpo) {
  benchmark::RegisterBenchmark(nome.c_str(), [corpo, nome](benchmark::State& s) { corpo(s); })
      ->Iterations(1)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void Exibe(Form& janela) {
  janela.mostra();
  if (!QTest::qWaitForWindowExposed(&janela)) std::fprintf(stderr, "window not exposed\n");
  Assenta();
}

template <class J>
std::unique_ptr<J> Abre() {
  auto j = std::make_unique<J>();
  Exibe(*j);
  return j;
}

// A click as the control itself makes it (QAbstractButton::click, or the
// label's clicked signal, whose handler is the window's LbN_Click): the
// handler runs at once and nothing else does. A synthesised pointer click
// would also let pending repaints run inside the timing.
void Clica(QAbstractButton* botao) { botao->click(); }
void Clica(RotuloClicavel* rotulo) { emit rotulo->clicked(); }

// ------------------------------------------------------ single-level windows

// A single-level window at level `nivel`: the figure is a click on "Gerar",
// the limit clears the buffer and runs the generator through `gera`.
template <class J>
void UmNivel(const std::string& nome, int nivel, std::function<void(J&, TelaLimite&)> gera,
             std::function<void(J&)> ajusta = nullptr, std::function<void(J&)> antes = nullptr,
             std::function<PictureBox*(J&)> caixaDe = nullptr) {
  Registra(nome, [=](benchmark::State& s) {
    auto j = Abre<J>();
    if (j->BrNivel != nullptr) j->BrNivel->setValue(nivel);
    if (ajusta) ajusta(*j);
    Clica(j->botGerar);
    PictureBox* caixa = caixaDe ? caixaDe(*j) : j->Figura;
    TelaLimite tela = TelaLimite::DaCaixa(*caixa);
    Mede(
        s, nome, [&] { if (antes) antes(*j); },
        [&] {
          Clica(j->botGerar);
          benchmark::DoNotOptimize(caixa->image().constBits());
        },
        [&] {
          tela.Cls();
          gera(*j, tela);
          benchmark::DoNotOptimize(tela.dados());
        });
  });
}

// A sequence window: the figure is a click on the label of the last panel;
// panels are never cleared, so neither is the limit's buffer.
template <class J>
void Sequencia(const std::string& nome, std::function<PictureBox*(J&)> caixaDe, std::function<void(J&, TelaLimite&)> gera) {
  Registra(nome, [=](benchmark::State& s) {
    auto j = Abre<J>();
    Clica(j->Lb4);
    PictureBox* caixa = caixaDe(*j);
    TelaLimite tela = TelaLimite::DaCaixa(*caixa);
    Mede(
        s, nome, [] {},
        [&] {
          Clica(j->Lb4);
          benchmark::DoNotOptimize(caixa->image().constBits());
        },
        [&] {
          gera(*j, tela);
          benchmark::DoNotOptimize(tela.dados());
        });
  });
}

void Koch(TelaLimite& t, int nivel) {
  DesenhaKoch(-150, -50, 150, -50, 0, static_cast<std::int16_t>(nivel),
              [&](double x1, double y1, double x2, double y2) { t.Line(x1, y1, x2, y2); });
}

void Floco(TelaLimite& t, int nivel) {
  DesenhaFlocoDeNeve(static_cast<std::int16_t>(nivel),
                     [&](double x1, double y1, double x2, double y2) { t.Line(x1, y1, x2, y2); });
}

void Peano(TelaLimite& t, int nivel) {
  DesenhaPeano(-150, -25, 150, -25, 0, static_cast<std::int16_t>(nivel), [&](double x1, double y1, double x2, double y2) {
    t.Line(Simples(x1), Simples(y1), Simples(x2), Simples(y2));
  });
}

void Tetracirculo(TelaLimite& t, PictureBox& caixa, int nivel) {
  const double cx = caixa.Width() / 30, cy = caixa.Height() / 30, R = cx / 1.5;
  t.setFillStyle(0);
  t.setFillColor(CorDoCirculoInicial);
  t.Circle(cx, cy, R);
  GeraTetracirculo(t, cx, cy, R, static_cast<std::int16_t>(nivel));
}

void Arvore(TelaLimite& t, int nivel, double angulo) {
  t.setDrawWidth(2);
  t.Line(TroncoX1, TroncoY1, TroncoX2, TroncoY2, CorDaProfundidade(0).cor());
  DesenhaArvore(
      TroncoX1, TroncoY1, TroncoX2, TroncoY2, 0, static_cast<std::int16_t>(nivel), [&] { return angulo; },
      [&](double x1, double y1, double x2, double y2, const CorDaProfundidade& c) { t.Line(x1, y1, x2, y2, c.cor()); });
}

void Sierpinski(TelaLimite& t, int nivel, double divisor, const std::function<void()>& mostra) {
  const GeradorSierpinski g(divisor);
  PreencheTriangulo(t, g.CantosDoTriangulo(), RGB(0, 0, 0));
  mostra();
  GeradorSierpinski::RetiraTriangulos(static_cast<std::int16_t>(nivel), [&](const float& p, const float& q, const float& r) {
    PreencheTriangulo(t, g.CantosDoBuraco(p, q, r), RGB(255, 255, 255));
    mostra();
  });
}

void JogaLote(TelaLimite& t, JogoDoCaos jogo, FonteAleatoria& fonte, int pontos) {
  jogo.SorteiaInicio(fonte);
  jogo.NumPontos = pontos;
  jogo.JogaPontos(t, fonte);
}

// The Cantor set's limit: the program's own generator and yields, in a bare
// window whose box repaints the segment drawn since the last yield.
class CantorNu : public JanelaNua, public ConjuntoCantor {
 public:
  CantorNu(QSize tamanho, TelaLimite& tela, double y, int largura)
      : JanelaNua(tamanho, tela), ConjuntoCantor(static_cast<Form&>(*this)), tela_(tela), y_(y), largura_(largura) {}
  void Desenha(std::int32_t nivel, double inicio, double fim) {
    XInicio = inicio;
    XFim = fim;
    DesenhaCantor(nivel);
  }

 protected:
  void TracaSegmento(std::int32_t) override {
    tela_.setDrawWidth(largura_);
    tela_.Line(static_cast<float>(XA), static_cast<float>(y_), static_cast<float>(XB), static_cast<float>(y_));
    caixa->update(tela_.retanguloDoSegmento(XA, y_, XB, y_));
  }

 private:
  TelaLimite& tela_;
  double y_;
  int largura_;
};

void RegistraFiguras() {
  UmNivel<FrmCurvaKoch>("Koch curve level 6", 6, [](auto&, TelaLimite& t) { Koch(t, 6); });
  Sequencia<FrmFigCurvaKoch>("Koch curve sequence level 6", [](auto& j) { return j.Fig4; },
                             [](auto&, TelaLimite& t) { Koch(t, 6); });
  UmNivel<FrmFlocoDeNeve>("Koch snowflake level 6", 6, [](auto&, TelaLimite& t) { Floco(t, 6); });
  Sequencia<FrmFigFlocoNeve>("Koch snowflake sequence level 6", [](auto& j) { return j.Fig4; },
                             [](auto&, TelaLimite& t) { Floco(t, 6); });
  UmNivel<FrmSierpinski>(
      "Sierpinski level 10", 10, [](auto&, TelaLimite& t) { Sierpinski(t, 10, 1, [] {}); }, nullptr, nullptr,
      [](auto& j) { return j.Img; });

  // The sequence window shows every hole at once: its limit adds, per
  // Refresh, a synchronous repaint of one pixel of a bare box of its size.
  Registra("Sierpinski sequence level 6", [](benchmark::State& s) {
    auto j = Abre<FrmFigTriangSierpinski>();
    Clica(j->Lb4);
    TelaLimite tela = TelaLimite::DaCaixa(*j->Img4);
    JanelaNua nua(j->Img4->size(), tela);
    Exibe(nua);
    Mede(
        s, "Sierpinski sequence level 6", [] {},
        [&] {
          Clica(j->Lb4);
          benchmark::DoNotOptimize(j->Img4->image().constBits());
        },
        [&] { Sierpinski(tela, 6, 2, [&] { nua.caixa->repaint(0, 0, 1, 1); }); });
  });

  // One press on an erased figure (a press adds to what is there, up to a
  // million points).
  UmNivel<frmSierpinski_Pontos>(
      "chaos game 10,000 points", 0,
      [](auto& j, TelaLimite& t) {
        static FonteAleatoria fonte;
        JogaLote(t, j, fonte, 10000);
      },
      nullptr, [](auto& j) { Clica(j.botApagar); });
  Registra("chaos game 1,000,000 points in 100 presses", [](benchmark::State& s) {
    auto j = Abre<frmSierpinski_Pontos>();
    Clica(j->botGerar);
    TelaLimite tela = TelaLimite::DaCaixa(*j->Figura);
    FonteAleatoria fonte;
    Mede(
        s, "chaos game 1,000,000 points in 100 presses", [&] { Clica(j->botApagar); },
        [&] {
          for (int i = 0; i < 100; ++i) Clica(j->botGerar);
          benchmark::DoNotOptimize(j->Figura->image().constBits());
        },
        [&] {
          tela.Cls();
          for (int i = 0; i < 100; ++i) JogaLote(tela, *j, fonte, 10000);
        });
  });
  Sequencia<FrmFigPontoSierpinski>("chaos game sequence 50,000 points", [](auto& j) { return j.Fig4; },
                                   [](auto& j, TelaLimite& t) {
                                     static FonteAleatoria fonte;
                                     JogaLote(t, j, fonte, 50000);
                                   });

  // The Cantor windows yield while drawing: their limit yields as often, on
  // a bare window, repainting the segment drawn since the last yield (and the
  // whole box once after a clear).
  Registra("Cantor set level 6", [](benchmark::State& s) {
    auto j = Abre<frmCantor>();
    j->BrNivel->setValue(6);
    Clica(j->botGerar);
    TelaLimite tela = TelaLimite::DaCaixa(*j->Figura);
    CantorNu nua(j->Figura->size(), tela, 3200, 2);
    Exibe(nua);
    Mede(
        s, "Cantor set level 6", [] {},
        [&] {
          Clica(j->botGerar);
          benchmark::DoNotOptimize(j->Figura->image().constBits());
        },
        [&] {
          tela.Cls();
          nua.caixa->update();
          nua.Desenha(6, 500, 9750);
        });
  });
  Registra("Cantor set sequence level 5", [](benchmark::State& s) {
    auto j = Abre<FrmFigCantor>();
    Clica(j->Lb4);
    TelaLimite tela = TelaLimite::DaCaixa(*j->Fig4);
    CantorNu nua(j->Fig4->size(), tela, 1800, 1);
    Exibe(nua);
    Mede(
        s, "Cantor set sequence level 5", [] {},
        [&] {
          Clica(j->Lb4);
          benchmark::DoNotOptimize(j->Fig4->image().constBits());
        },
        [&] { nua.Desenha(5, 2500.0 / 3, 11750.0 / 3); });
  });

  UmNivel<FrmPeano>("Peano curve level 6", 6, [](auto&, TelaLimite& t) { Peano(t, 6); });
  Sequencia<FrmFigPeano>("Peano curve sequence level 5", [](auto& j) { return j.Fig4; },
                         [](auto&, TelaLimite& t) { Peano(t, 5); });
  UmNivel<FrmCirculo>("Tetracirculo level 5", 5, [](auto& j, TelaLimite& t) { Tetracirculo(t, *j.Figura, 5); });
  Sequencia<FrmFigCircular>("Tetracirculo sequence level 5", [](auto& j) { return j.Fig4; },
                            [](auto& j, TelaLimite& t) { Tetracirculo(t, *j.Fig4, 5); });
  UmNivel<FrmArvore>(
      "tree level 15 (angle 90)", 15, [](auto& j, TelaLimite& t) { Arvore(t, 15, j.BrAng->value()); },
      [](auto& j) { j.BrAng->setValue(90); });
  Sequencia<FrmFigArvore>("tree sequence level 10", [](auto& j) { return j.Fig4; },
                          [](auto&, TelaLimite& t) { Arvore(t, 10, 90); });
}

// ----------------------------------------------------------- child processes

double Agora() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Starts argv[0] with the environment given, its output `fd` (stdout or
// stderr) into a pipe; returns the pipe's end to read, or -1 (pid 0) when it
// could not be started.
int Inicia(char* const argv[], char* const ambiente[], int fd, pid_t& pid) {
  pid = 0;
  int canal[2];
  if (pipe(canal) != 0) return -1;
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_adddup2(&acoes, canal[1], fd);
  posix_spawn_file_actions_addclose(&acoes, canal[0]);
  const int erro = posix_spawn(&pid, argv[0], &acoes, nullptr, argv, ambiente);
  posix_spawn_file_actions_destroy(&acoes);
  close(canal[1]);
  if (erro != 0) {
    close(canal[0]);
    pid = 0;
    return -1;
  }
  return canal[0];
}

// Starts this program again with one argument and returns what it printed.
std::string Filho(const char* programa, const char* modo) {
  char* argv[] = {const_cast<char*>(programa), const_cast<char*>(modo), nullptr};
  pid_t pid = 0;
  const int leitura = Inicia(argv, environ, STDOUT_FILENO, pid);
  if (leitura < 0) return {};
  std::string saida;
  char buf[256];
  ssize_t n = 0;
  while ((n = read(leitura, buf, sizeof buf)) > 0) saida.append(buf, static_cast<std::size_t>(n));
  close(leitura);
  int estado = 0;
  waitpid(pid, &estado, 0);
  return saida;
}

long CampoKb(const char* campo) {
  std::ifstream f("/proc/self/status");
  std::string linha;
  while (std::getline(f, linha)) {
    if (linha.rfind(campo, 0) == 0) return std::strtol(linha.c_str() + std::strlen(campo), nullptr, 10);
  }
  return -1;
}

// The Peano curve of level 6 on a shown, idle window: prints how far the
// process's peak resident memory rose above what the idle window held.
int Memoria(int argc, char** argv) {
  QApplication app(argc, argv);
  FrmPeano j;
  Exibe(j);
  j.BrNivel->setValue(6);
  Assenta();
  const long ocioso = CampoKb("VmRSS:");
  {
    // Starts the peak again from the memory now resident.
    std::ofstream zera("/proc/self/clear_refs");
    zera << "5";
  }
  const long picoAntes = CampoKb("VmHWM:");
  Clica(j.botGerar);
  Assenta();
  const long pico = CampoKb("VmHWM:");
  // Without the reset (an old kernel) the old peak counts too: the rise is
  // then overstated, never understated.
  std::printf("%ld %ld %ld\n", pico - ocioso, ocioso, picoAntes);
  return 0;
}

// Starts the program itself, as a user does, with Qt's log of widget painting
// on and stamped with the monotonic clock, and returns the time from the
// start of its process to the flush of the menu's first frame, in ms (to the
// millisecond the log gives); negative when it never got there.
double ArranqueDoPrograma(const char* programa) {
  std::vector<std::string> variaveis;
  for (char** v = environ; *v != nullptr; ++v) {
    if (std::strncmp(*v, "QT_LOGGING_RULES=", 17) != 0 && std::strncmp(*v, "QT_MESSAGE_PATTERN=", 19) != 0) {
      variaveis.emplace_back(*v);
    }
  }
  variaveis.emplace_back("QT_LOGGING_RULES=qt.widgets.painting=true");
  variaveis.emplace_back("QT_MESSAGE_PATTERN=%{time boot} %{message}");
  std::vector<char*> ambiente;
  for (std::string& v : variaveis) ambiente.push_back(v.data());
  ambiente.push_back(nullptr);
  char* argv[] = {const_cast<char*>(programa), nullptr};
  pid_t pid = 0;
  const double inicio = Agora();
  const int leitura = Inicia(argv, ambiente.data(), STDERR_FILENO, pid);
  if (leitura < 0) return -1;
  double quadro = -1;
  std::string saida;
  char buf[4096];
  ssize_t n = 0;
  while (quadro < 0 && (n = read(leitura, buf, sizeof buf)) > 0) {
    saida.append(buf, static_cast<std::size_t>(n));
    for (std::size_t fim; quadro < 0 && (fim = saida.find('\n')) != std::string::npos; saida.erase(0, fim + 1)) {
      const std::string linha = saida.substr(0, fim);
      if (linha.find("Flushing") != std::string::npos && linha.find("FrmVelquora") != std::string::npos) {
        quadro = std::strtod(linha.c_str(), nullptr) * 1000 - inicio;
      }
    }
  }
  close(leitura);
  kill(pid, SIGTERM);
  int estado = 0;
  waitpid(pid, &estado, 0);
  return quadro;
}

// The start-up and memory lines; the number of them above their bars, or
// that could not be measured.
int Processos(const char* programa) {
  int acima = 0;
  std::vector<double> arranques;
  for (int i = 0; i < 11; ++i) {
    const double t = ArranqueDoPrograma(VELQUORA_PROGRAMA);
    if (t >= 0) arranques.push_back(t);
  }
  if (!arranques.empty()) {
    const double m = Quantil(arranques, 0.5);
    std::printf("start-up to the menu's first frame: %.1f ms (median of %zu, spread %.0f%%; bar 50 ms)%s\n", m,
                arranques.size(), 100 * (Quantil(arranques, 0.75) - Quantil(arranques, 0.25)) / m,
                m > 50 ? "  ABOVE THE BAR" : "");
    acima += m > 50;
  } else {
    std::printf("start-up to the menu's first frame: not measured, the program never showed it\n");
    ++acima;
  }
  const std::string s = Filho(programa, "--memoria");
  const long kb = std::strtol(s.c_str(), nullptr, 10);
  if (!s.empty()) {
    std::printf("Peano curve level 6, peak memory over an idle window: %.2f MB (bar 2 MB)%s\n", kb / 1024.0,
                kb >= 2048 ? "  ABOVE THE BAR" : "");
  }
  return acima + (s.empty() || kb >= 2048);
}

// The table of figures; the number of them above the bar.
int ImprimeTabela(double razao) {
  int acima = 0;
  std::printf("\nFigures at device pixel ratio %g (offscreen), medians; ratio = time / raster limit, bar 1.5\n", razao);
  std::printf("%-44s %10s %10s %7s %8s %7s\n", "figure", "time ms", "limit ms", "ratio", "spread", "rounds");
  for (const Linha& l : Tabela()) {
    const double r = l.tempo / l.limite;
    std::printf("%-44s %10.3f %10.3f %7.2f %7.0f%% %7d%s\n", l.figura.c_str(), l.tempo, l.limite, r, 100 * l.dispersao,
                l.rodadas, r > 1.5 ? "  ABOVE THE BAR" : "");
    acima += r > 1.5;
  }
  return acima;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--memoria") == 0) return Memoria(argc, argv);

  QApplication app(argc, argv);
  RegistraFiguras();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // Anything above its bar fails the run, as a test would.
  int acima = ImprimeTabela(QGuiApplication::primaryScreen()->devicePixelRatio());
  acima += Processos("/proc/self/exe");
  if (acima > 0) std::printf("%d above the bar\n", acima);
  return acima > 0 ? 1 : 0;
}
