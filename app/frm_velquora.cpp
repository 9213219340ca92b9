#include "frm_velquora.h"

#include <QPixmap>

#include "app/emblem.h"
#include "app/frm_modo_ns.h"
#include "fractals/shell/controls.h"

namespace velquora {

namespace {

QPushButton* criaBotao(QWidget* pai, const char* nome, const char* texto, Twips lugar) {
  return new BotaoComando(pai, nome, QString::fromUtf8(texto), lugar, 14.25);
}

QLabel* criaCredito(QWidget* pai, const char* nome, const char* texto, Twips lugar) {
  return CriaRotulo(pai, nome, QString::fromUtf8(texto), lugar, 14.25, RGB(255, 255, 255),
                    Qt::AlignHCenter | Qt::AlignTop);
}

}  // namespace

FrmVelquora::FrmVelquora() : Form(QStringLiteral("Velquora"), AreaCliente) {
  setObjectName(QStringLiteral("frmVelquora"));
  setAutoFillBackground(true);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, QColor(64, 64, 64));
  setPalette(paleta);

  Label1 = CriaRotulo(this, "Label1", QStringLiteral("VELQUORA"), {0, 480, 13695, 795}, 36, RGB(255, 255, 255),
                      Qt::AlignHCenter | Qt::AlignTop);

  botCurvaKoch = criaBotao(this, "botCurvaKoch", "Curva de Koch", {360, 2100, 3495, 1035});
  botFlocoNeve = criaBotao(this, "botFlocoNeve", "Floco de Neve de Koch", {360, 3240, 3495, 1035});
  botTriagSierpinski = criaBotao(this, "botTriagSierpinski", "Triângulo de Sierpinski", {360, 4380, 3495, 1035});
  botSierpinskiPt =
      criaBotao(this, "botSierpinskiPt", "Triângulo de Sierpinski Construção por Pontos", {360, 5520, 3495, 1035});
  botCircular = criaBotao(this, "botCircular", "Tetracírculo", {9960, 2100, 3495, 1035});
  botCurvaPeano = criaBotao(this, "botCurvaPeano", "Curva de Peano", {9960, 3240, 3495, 1035});
  botConjCantor = criaBotao(this, "botConjCantor", "Conjunto de Cantor", {9960, 4380, 3495, 1035});
  botArvore = criaBotao(this, "botArvore", "Árvore Bifurcada", {9960, 5520, 3495, 1035});

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(Twips{5820, 3240, 2190, 1410}.pixels());
  Image1->setScaledContents(true);
  Image1->setPixmap(QPixmap::fromImage(Emblema(devicePixelRatioF())));

  Label2 = criaCredito(this, "Label2", "Curso de Introdução à Geometria Fractal", {60, 7500, 13695, 795});
  Label3 = criaCredito(this, "Label3", "Trabalho de estudo: projeto Velquora", {60, 7920, 13695, 795});
  Label4 = criaCredito(this, "Label4", "Orientação: equipe do projeto Velquora", {0, 8400, 13695, 795});

  connect(botCurvaKoch, &QPushButton::clicked, this, &FrmVelquora::botCurvaKoch_Click);
  connect(botFlocoNeve, &QPushButton::clicked, this, &FrmVelquora::botFlocoNeve_Click);
  connect(botTriagSierpinski, &QPushButton::clicked, this, &FrmVelquora::botTriagSierpinski_Click);
  connect(botSierpinskiPt, &QPushButton::clicked, this, &FrmVelquora::botSierpinskiPt_Click);
  connect(botCircular, &QPushButton::clicked, this, &FrmVelquora::botCircular_Click);
  connect(botCurvaPeano, &QPushButton::clicked, this, &FrmVelquora::botCurvaPeano_Click);
  connect(botConjCantor, &QPushButton::clicked, this, &FrmVelquora::botConjCantor_Click);
  connect(botArvore, &QPushButton::clicked, this, &FrmVelquora::botArvore_Click);

  ordemTab({botCurvaKoch, botFlocoNeve, botTriagSierpinski, botSierpinskiPt, botCircular, botCurvaPeano,
            botConjCantor, botArvore});
}

void FrmVelquora::botCurvaKoch_Click() { SlotEscolha(Fractal::CurvaKoch).Show(); }
void FrmVelquora::botFlocoNeve_Click() { SlotEscolha(Fractal::FlocoNeve).Show(); }
void FrmVelquora::botTriagSierpinski_Click() { SlotEscolha(Fractal::TriangSierpinski).Show(); }
void FrmVelquora::botSierpinskiPt_Click() { SlotEscolha(Fractal::SierpinskiPontos).Show(); }
void FrmVelquora::botCircular_Click() { SlotEscolha(Fractal::Circular).Show(); }
void FrmVelquora::botCurvaPeano_Click() { SlotEscolha(Fractal::CurvaPeano).Show(); }
void FrmVelquora::botConjCantor_Click() { SlotEscolha(Fractal::ConjCantor).Show(); }
void FrmVelquora::botArvore_Click() { SlotEscolha(Fractal::Arvore).Show(); }

}  // namespace velquora
