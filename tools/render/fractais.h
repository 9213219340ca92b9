#pragma once
// The eight fractals as the renderer knows them: the name on the command
// line, the program's own windows that draw them, and what one step of the
// construction does. The figures themselves come from those windows, driven
// as a user drives them but never shown.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "fractals/shell/level_sequence_window.h"
#include "fractals/shell/single_level_window.h"
#include "tools/render/gravacao.h"

namespace velquora {

enum class Medida { Comprimento, Area, Nenhuma };

struct FractalDoRender {
  const char* nome;     // on the command line
  const char* titulo;   // as the program names it
  const char* pecas;    // what is counted, in the plural
  Medida medida;
  const char* unidade;  // of the measure, in the window's own units
  int nivelMaximo;      // of the single-level window; -1 where it has no level
  // One step of the construction: pieces of one piece, and their scale.
  int passos;
  double razao;
  const char* razaoTexto;  // the scale as a teacher writes it, "1/3"
  bool temDimensao;
  const char* regra;    // one step in words
  std::function<std::unique_ptr<SingleLevelWindow>()> criaJanela;
  std::function<std::unique_ptr<LevelSequenceWindow>()> criaSequencia;
  // Whether the generator draws a piece again later (the tree redraws every
  // branch with each fork): such a piece counts once.
  bool redesenha = false;

  bool temNivel() const { return nivelMaximo >= 0; }
  // log N / log(1/r), the similarity dimension.
  double dimensao() const;
};

const std::vector<FractalDoRender>& Fractais();
const FractalDoRender* ProcuraFractal(const QString& nome);

// The figure the user asks for.
struct Pedido {
  int nivel = 0;
  int angulo = 90;      // the tree's branching angle
  int pontos = 10000;   // the chaos game's points, in batches of 10,000
  // Of the images to the window's size: the device pixel ratio the process
  // runs at (see main.cpp); SVG only declares its size by it.
  double escala = 1;
};

inline constexpr int PontosPorLote = 10000;
inline constexpr int PontosMaximos = 1000000;

// The four point counts of the chaos game's panels.
inline constexpr int ContagensDosPaineis[4] = {2500, 5000, 25000, 50000};

// The box of a single-level window that the figure is drawn on.
PictureBox* SuperficieDe(SingleLevelWindow& janela);

// Sets the window's bars to the request and presses "Gerar", once for each
// batch of points.
void Gera(SingleLevelWindow& janela, const Pedido& pedido);

// Clicks the four labels of a level-sequence window, first to last.
void ClicaRotulos(LevelSequenceWindow& janela);

// What one stage of the construction drew, counted.
struct Numeros {
  qint64 pecas = 0;
  double medida = 0;  // NaN where the figure has no measure
  double fracao = 0;  // of the first stage's measure
};
Numeros Conta(const FractalDoRender& f, const Gravacao& gravacao);

// One stage of a worksheet or of the table: a level, or a panel's point count.
struct Etapa {
  QString rotulo;  // "Nível 3", "2.500 pontos"
  int valor = 0;
  QImage figura;   // empty unless asked for
  Numeros numeros;
};

// Every stage of a fractal: levels 0 to the window's maximum (the tree at the
// request's angle), or the four panels of the chaos game.
std::vector<Etapa> ColheEtapas(const FractalDoRender& f, const Pedido& pedido, bool comFiguras);

}  // namespace velquora
