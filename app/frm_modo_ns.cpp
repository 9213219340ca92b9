#include "frm_modo_ns.h"

#include <array>
#include <utility>

#include "fractals/cantor/frm_cantor.h"
#include "fractals/cantor/frm_fig_cantor.h"
#include "fractals/koch_curve/frm_curva_koch.h"
#include "fractals/koch_curve/frm_fig_curva_koch.h"
#include "fractals/koch_snowflake/frm_fig_floco_neve.h"
#include "fractals/koch_snowflake/frm_floco_de_neve.h"
#include "fractals/peano/frm_fig_peano.h"
#include "fractals/peano/frm_peano.h"
#include "fractals/shell/controls.h"
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

template <class T>
void mostra() {
  Mostra<T>();
}

const std::array<LinhaEscolha, 8> Escolhas{{
    {"frmCurvaKochNS", "Curva de Koch", &mostra<FrmCurvaKoch>, &mostra<FrmFigCurvaKoch>},
    {"frmFlocoNeveKochNS", "Floco de Neve de Koch", &mostra<FrmFlocoDeNeve>, &mostra<FrmFigFlocoNeve>},
    {"frmTriangSierpinskiNS", "Triângulo de Sierpinski", &mostra<FrmSierpinski>, &mostra<FrmFigTriangSierpinski>},
    {"frmTriangSierpinskiPNS", "Triângulo de Sierpinski - Pontos", &mostra<frmSierpinski_Pontos>,
     &mostra<FrmFigPontoSierpinski>},
    {"frmCircularNS", "Tetracírculo", &mostra<FrmCirculo>, &mostra<FrmFigCircular>},
    {"frmPeanoNS", "Curva de Peano", &mostra<FrmPeano>, &mostra<FrmFigPeano>},
    {"frmCantorNS", "Conjunto de Cantor", &mostra<frmCantor>, &mostra<FrmFigCantor>},
    {"frmArvoreNS", "Árvore Bifurcada", &mostra<FrmArvore>, &mostra<FrmFigArvore>},
}};

QCheckBox* criaCaixa(QWidget* pai, const char* nome, const char* texto, Twips lugar) {
  auto* caixa = new QCheckBox(QString::fromUtf8(texto), pai);
  caixa->setObjectName(QLatin1String(nome));
  caixa->setGeometry(lugar.pixels());
  caixa->setFont(Arial(12));
  return caixa;
}

}  // namespace

const LinhaEscolha& Escolha(Fractal f) { return Escolhas[static_cast<std::size_t>(f)]; }

template <std::size_t... I>
auto criaSlots(std::index_sequence<I...>) {
  return std::array{WindowSlot<FrmModoNS>([] { return new FrmModoNS(Escolhas[I]); })...};
}

WindowSlot<FrmModoNS>& SlotEscolha(Fractal f) {
  static auto vagas = criaSlots(std::make_index_sequence<Escolhas.size()>{});
  return vagas[static_cast<std::size_t>(f)];
}

FrmModoNS::FrmModoNS(const LinhaEscolha& linha)
    : Form(QString::fromUtf8(linha.legenda), {4365, 1710}), linha_(linha) {
  setObjectName(QLatin1String(linha.nome));

  Frame1 = new QGroupBox(QStringLiteral("GERAR:"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(Twips{60, 0, 4275, 1695}.pixels());
  Frame1->setFont(Arial(12));
  QPalette paleta = Frame1->palette();
  paleta.setColor(QPalette::WindowText, QColor(192, 0, 0));
  Frame1->setPalette(paleta);

  CkNivel = criaCaixa(Frame1, "CkNivel", "UM NÍVEL POR VEZ", {600, 480, 3495, 375});
  CkSeq = criaCaixa(Frame1, "CkSeq", "SEQÜÊNCIA DE NÍVEIS", {600, 960, 3555, 375});
  // The red is the frame's caption only; the boxes keep black captions.
  for (QCheckBox* caixa : {CkNivel, CkSeq}) {
    QPalette preto = caixa->palette();
    preto.setColor(QPalette::WindowText, Qt::black);
    caixa->setPalette(preto);
  }

  // A box's handler runs whenever its value changes, also when the other
  // box's handler clears it.
  connect(CkNivel, &QCheckBox::toggled, this, &FrmModoNS::CkNivel_Click);
  connect(CkSeq, &QCheckBox::toggled, this, &FrmModoNS::CkSeq_Click);
  ordemTab({CkNivel, CkSeq});
}

void FrmModoNS::CkNivel_Click() {
  if (!CkNivel->isChecked()) return;
  CkSeq->setChecked(false);
  if (linha_.mostraNivel != nullptr) linha_.mostraNivel();
}

void FrmModoNS::CkSeq_Click() {
  if (!CkSeq->isChecked()) return;
  CkNivel->setChecked(false);
  if (linha_.mostraSequencia != nullptr) linha_.mostraSequencia();
}

}  // namespace velquora
