// Writes the screenshots shown in the README: each scene opens real windows
// through the same slots and handlers a user reaches, draws, and saves the
// window with its caption above it.
//
//   capture_docs <output directory>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/frm_modo_ns.h"
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
#include "fractals/shell/controls.h"
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

struct Cena {
  const char* arquivo;
  std::function<QWidget*()> prepara;
};

void espera() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The window's client area under a plain caption bar, as a window manager
// would frame it.
QImage comLegenda(QWidget* janela) {
  const QPixmap corpo = janela->grab();
  const int barra = 26;
  QImage quadro(corpo.width() + 2, corpo.height() + barra + 1, QImage::Format_RGB32);
  quadro.fill(QColor(60, 70, 90));
  QPainter p(&quadro);
  p.drawPixmap(1, barra, corpo);
  QFont fonte(QStringLiteral("Arial"));
  fonte.setPixelSize(14);
  fonte.setBold(true);
  p.setFont(fonte);
  p.setPen(Qt::white);
  p.drawText(QRect(8, 0, quadro.width() - 16, barra), Qt::AlignVCenter | Qt::AlignLeft, janela->windowTitle());
  return quadro;
}

// The single-level window of a fractal at a level, after `vezes` presses of
// "Gerar" (the points window adds a batch with each).
template <class T>
T* escolheNivel(Fractal f, int nivel, int vezes = 1) {
  FrmModoNS& escolha = SlotEscolha(f).Show();
  escolha.CkNivel->setChecked(false);
  escolha.CkNivel->setChecked(true);
  T* janela = SlotDe<T>().instancia();
  if (janela->BrNivel != nullptr) janela->BrNivel->setValue(nivel);
  for (int i = 0; i < vezes; ++i) janela->botGerar->click();
  return janela;
}

template <class T>
T* escolheSequencia(Fractal f) {
  FrmModoNS& escolha = SlotEscolha(f).Show();
  escolha.CkSeq->setChecked(false);
  escolha.CkSeq->setChecked(true);
  T* janela = SlotDe<T>().instancia();
  for (auto* rotulo : {janela->Lb1, janela->Lb2, janela->Lb3, janela->Lb4}) emit rotulo->clicked();
  return janela;
}

const std::vector<Cena>& cenas() {
  static const std::vector<Cena> lista{
      {"menu.png", [] { return &Mostra<FrmVelquora>(); }},
      {"chooser.png", [] { return &SlotEscolha(Fractal::CurvaKoch).Show(); }},
      {"koch_curve.png", [] { return escolheNivel<FrmCurvaKoch>(Fractal::CurvaKoch, 4); }},
      {"koch_curve_sequence.png", [] { return escolheSequencia<FrmFigCurvaKoch>(Fractal::CurvaKoch); }},
      {"koch_snowflake.png", [] { return escolheNivel<FrmFlocoDeNeve>(Fractal::FlocoNeve, 5); }},
      {"koch_snowflake_sequence.png", [] { return escolheSequencia<FrmFigFlocoNeve>(Fractal::FlocoNeve); }},
      {"sierpinski.png", [] { return escolheNivel<FrmSierpinski>(Fractal::TriangSierpinski, 6); }},
      {"sierpinski_sequence.png", [] { return escolheSequencia<FrmFigTriangSierpinski>(Fractal::TriangSierpinski); }},
      {"sierpinski_points.png", [] { return escolheNivel<frmSierpinski_Pontos>(Fractal::SierpinskiPontos, 0, 10); }},
      {"sierpinski_points_sequence.png",
       [] { return escolheSequencia<FrmFigPontoSierpinski>(Fractal::SierpinskiPontos); }},
      {"tetracirculo.png", [] { return escolheNivel<FrmCirculo>(Fractal::Circular, 5); }},
      {"tetracirculo_sequence.png", [] { return escolheSequencia<FrmFigCircular>(Fractal::Circular); }},
      {"tree.png",
       [] {
         FrmArvore* janela = escolheNivel<FrmArvore>(Fractal::Arvore, 15);
         janela->BrAng->setValue(90);
         janela->botGerar->click();
         return janela;
       }},
      {"tree_sequence.png", [] { return escolheSequencia<FrmFigArvore>(Fractal::Arvore); }},
      {"cantor_set.png", [] { return escolheNivel<frmCantor>(Fractal::ConjCantor, 4); }},
      {"cantor_set_sequence.png", [] { return escolheSequencia<FrmFigCantor>(Fractal::ConjCantor); }},
      {"peano_curve.png", [] { return escolheNivel<FrmPeano>(Fractal::CurvaPeano, 4); }},
      {"peano_curve_sequence.png", [] { return escolheSequencia<FrmFigPeano>(Fractal::CurvaPeano); }},
  };
  return lista;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: capture_docs <output directory>\n");
    return 2;
  }
  const QDir saida(QString::fromLocal8Bit(argv[1]));
  int falhas = 0;
  for (const Cena& cena : cenas()) {
    QWidget* janela = cena.prepara();
    espera();
    const QString caminho = saida.filePath(QLatin1String(cena.arquivo));
    if (!comLegenda(janela).save(caminho)) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(caminho));
      ++falhas;
    }
  }
  return falhas == 0 ? 0 : 1;
}
