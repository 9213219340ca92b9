#include "fractais.h"

#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <tuple>

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

namespace velquora {

namespace {

// A window of the program, visible to itself (it draws the frames of its
// visible boxes) but to no screen.
template <class Janela>
Janela* semTela(Janela* janela) {
  janela->setAttribute(Qt::WA_DontShowOnScreen);
  janela->show();
  return janela;
}

template <class Um, class Seq>
FractalDoRender fractal(FractalDoRender f) {
  f.criaJanela = [] { return std::unique_ptr<SingleLevelWindow>(semTela(new Um)); };
  f.criaSequencia = [] { return std::unique_ptr<LevelSequenceWindow>(semTela(new Seq)); };
  return f;
}

double areaDoPoligono(const QPoint* p, int n) {
  double dobro = 0;
  for (int i = 0; i < n; ++i) {
    const QPoint& a = p[i];
    const QPoint& b = p[(i + 1) % n];
    dobro += double(a.x()) * b.y() - double(b.x()) * a.y();
  }
  return std::abs(dobro) / 2;
}

}  // namespace

double FractalDoRender::dimensao() const {
  return temDimensao ? std::log(double(passos)) / std::log(1 / razao) : std::numeric_limits<double>::quiet_NaN();
}

const std::vector<FractalDoRender>& Fractais() {
  static const std::vector<FractalDoRender> lista{
      fractal<FrmCurvaKoch, FrmFigCurvaKoch>(
          {"curva-koch", "Curva de Koch", "segmentos", Medida::Comprimento, "unidades", 6, 4, 1.0 / 3, "1/3", true,
           "cada segmento vira 4 segmentos com 1/3 do seu comprimento", {}, {}}),
      fractal<FrmFlocoDeNeve, FrmFigFlocoNeve>(
          {"floco-de-neve", "Floco de Neve de Koch", "segmentos", Medida::Comprimento, "unidades", 6, 4, 1.0 / 3,
           "1/3", true, "cada lado vira 4 segmentos com 1/3 do seu comprimento", {}, {}}),
      fractal<FrmSierpinski, FrmFigTriangSierpinski>(
          {"sierpinski", "Triângulo de Sierpinski", "buracos", Medida::Area, "pixels²", 10, 3, 0.5, "1/2", true,
           "cada triângulo preto perde o triângulo do meio e deixa 3 com metade do lado", {}, {}}),
      fractal<frmSierpinski_Pontos, FrmFigPontoSierpinski>(
          {"sierpinski-pontos", "Triângulo de Sierpinski - Construção por Pontos", "pontos", Medida::Nenhuma, "", -1, 3,
           0.5, "1/2", true, "cada ponto anda metade do caminho até um canto sorteado", {}, {}}),
      fractal<frmCantor, FrmFigCantor>(
          {"cantor", "Conjunto de Cantor", "segmentos", Medida::Comprimento, "twips", 6, 2, 1.0 / 3, "1/3", true,
           "cada segmento perde o terço do meio e deixa 2 com 1/3 do seu comprimento", {}, {}}),
      fractal<FrmPeano, FrmFigPeano>(
          {"peano", "Curva de Peano", "segmentos", Medida::Comprimento, "unidades", 6, 9, 1.0 / 3, "1/3", true,
           "cada segmento vira 9 segmentos com 1/3 do seu comprimento", {}, {}}),
      fractal<FrmCirculo, FrmFigCircular>(
          {"tetracirculo", "Tetracírculo", "círculos", Medida::Area, "pixels²", 5, 4, 1 / (std::sqrt(2.0) + 1),
           "1/(√2 + 1)", true, "dentro de cada círculo novo nascem 4 círculos de raio r/(√2 + 1)", {}, {}}),
      fractal<FrmArvore, FrmFigArvore>(
          {"arvore", "Árvore Bifurcada", "ramos", Medida::Comprimento, "unidades", 15, 2, 0.6, "3/5", false,
           "cada ramo se bifurca em 2 ramos com 0,6 do seu comprimento", {}, {}, true}),
  };
  return lista;
}

const FractalDoRender* ProcuraFractal(const QString& nome) {
  for (const FractalDoRender& f : Fractais()) {
    if (nome == QLatin1String(f.nome)) return &f;
  }
  return nullptr;
}

PictureBox* SuperficieDe(SingleLevelWindow& janela) {
  if (janela.Figura != nullptr) return janela.Figura;
  // The Sierpinski triangle draws on a box of its own inside a clipping box.
  return janela.findChild<PictureBox*>(QStringLiteral("Img"));
}

void Gera(SingleLevelWindow& janela, const Pedido& pedido) {
  if (janela.BrNivel != nullptr) janela.BrNivel->setValue(pedido.nivel);
  if (auto* arvore = qobject_cast<FrmArvore*>(&janela)) arvore->BrAng->setValue(pedido.angulo);
  const int vezes = janela.BrNivel != nullptr ? 1 : pedido.pontos / PontosPorLote;
  for (int i = 0; i < vezes; ++i) janela.botGerar->click();
}

void ClicaRotulos(LevelSequenceWindow& janela) {
  janela.Lb1_Click();
  janela.Lb2_Click();
  janela.Lb3_Click();
  janela.Lb4_Click();
}

Numeros Conta(const FractalDoRender& f, const Gravacao& gravacao) {
  Numeros n;
  const std::vector<Peca>& pecas = gravacao.pecas();
  switch (f.medida) {
    case Medida::Comprimento: {
      // The tree draws every branch again with each fork; a branch counts once.
      std::set<std::tuple<float, float, float, float>> vistos;
      for (const Peca& p : pecas) {
        if (p.tipo != Peca::Linha) continue;
        if (f.redesenha && !vistos.emplace(p.u[0], p.u[1], p.u[2], p.u[3]).second) continue;
        ++n.pecas;
        n.medida += std::hypot(double(p.u[2]) - p.u[0], double(p.u[3]) - p.u[1]);
      }
      break;
    }
    case Medida::Area:
      if (!pecas.empty() && pecas.front().tipo == Peca::Poligono) {
        // A black triangle, then the white holes cut out of it.
        n.medida = areaDoPoligono(gravacao.cantos(pecas.front()), pecas.front().quantos);
        for (std::size_t i = 1; i < pecas.size(); ++i) {
          if (pecas[i].tipo != Peca::Poligono) continue;
          ++n.pecas;
          n.medida -= areaDoPoligono(gravacao.cantos(pecas[i]), pecas[i].quantos);
        }
      } else {
        // Circles: all of them counted, the area of the newest generation,
        // the smallest ones.
        float menor = std::numeric_limits<float>::max();
        for (const Peca& p : pecas) {
          if (p.tipo != Peca::Circulo) continue;
          ++n.pecas;
          menor = std::min(menor, std::abs(p.u[2]));
        }
        for (const Peca& p : pecas) {
          const double r = std::abs(p.u[2]);
          if (p.tipo == Peca::Circulo && r <= menor * (1 + 1e-5)) n.medida += std::numbers::pi * r * r;
        }
      }
      break;
    case Medida::Nenhuma:
      for (const Peca& p : pecas) n.pecas += p.tipo == Peca::Ponto ? 1 : 0;
      n.medida = std::numeric_limits<double>::quiet_NaN();
      break;
  }
  return n;
}

std::vector<Etapa> ColheEtapas(const FractalDoRender& f, const Pedido& pedido, bool comFiguras) {
  std::vector<Etapa> etapas;
  const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
  if (f.temNivel()) {
    const std::unique_ptr<SingleLevelWindow> janela = f.criaJanela();
    PictureBox* superficie = SuperficieDe(*janela);
    for (int nivel = 0; nivel <= f.nivelMaximo; ++nivel) {
      Pedido deste = pedido;
      deste.nivel = nivel;
      Gravacao gravacao(*superficie);
      Gera(*janela, deste);
      Etapa e;
      e.rotulo = QStringLiteral("Nível %1").arg(nivel);
      e.valor = nivel;
      e.numeros = Conta(f, gravacao);
      if (comFiguras) e.figura = superficie->image();
      etapas.push_back(std::move(e));
    }
  } else {
    // The chaos game's stages are the panels of its sequence window, each
    // played once.
    const std::unique_ptr<LevelSequenceWindow> janela = f.criaSequencia();
    PictureBox* paineis[4] = {janela->Fig1, janela->Fig2, janela->Fig3, janela->Fig4};
    void (LevelSequenceWindow::*cliques[4])() = {&LevelSequenceWindow::Lb1_Click, &LevelSequenceWindow::Lb2_Click,
                                                  &LevelSequenceWindow::Lb3_Click, &LevelSequenceWindow::Lb4_Click};
    for (int i = 0; i < 4; ++i) {
      Gravacao gravacao(*paineis[i]);
      (janela.get()->*cliques[i])();
      Etapa e;
      e.rotulo = QStringLiteral("%1 pontos").arg(pt.toString(ContagensDosPaineis[i]));
      e.valor = ContagensDosPaineis[i];
      e.numeros = Conta(f, gravacao);
      if (comFiguras) e.figura = paineis[i]->image();
      etapas.push_back(std::move(e));
    }
  }
  for (Etapa& e : etapas) e.numeros.fracao = e.numeros.medida / etapas.front().numeros.medida;
  return etapas;
}

}  // namespace velquora
