#include "level_sequence_window.h"

#include <QPointer>

#include "fractals/shell/acessibilidade.h"

namespace velquora {

LevelSequenceWindow::LevelSequenceWindow(const LayoutSequencia& layout)
    : Form(QString::fromUtf8(layout.legenda), layout.areaCliente) {
  static constexpr const char* NomesPaineis[] = {"Fig1", "Fig2", "Fig3", "Fig4"};
  static constexpr const char* NomesRotulos[] = {"Lb1", "Lb2", "Lb3", "Lb4"};
  std::array<RotuloClicavel*, 4> rotulos{};
  for (std::size_t i = 0; i < 4; ++i) {
    const PainelTwips& p = layout.paineis[i];
    auto* caixa = new PictureBox(this);
    caixa->setObjectName(QLatin1String(NomesPaineis[i]));
    caixa->setGeometry(p.figura.pixels());
    paineis_[i] = caixa;
    valores_[i] = p.valor;
    rotulos[i] = new RotuloClicavel(caixa, NomesRotulos[i], QString::fromUtf8(p.legenda), p.rotulo, 14.25);
    connect(rotulos[i], &RotuloClicavel::clicked, this, [this, i] { clicaRotulo(static_cast<int>(i)); });
    TornaAcessivel(caixa, QStringLiteral("Figura: ") + rotulos[i]->text());
  }
  Fig1 = paineis_[0];
  Fig2 = paineis_[1];
  Fig3 = paineis_[2];
  Fig4 = paineis_[3];
  Lb1 = rotulos[0];
  Lb2 = rotulos[1];
  Lb3 = rotulos[2];
  Lb4 = rotulos[3];
  ordemTab({Fig1, Lb1, Fig2, Lb2, Fig3, Lb3, Fig4, Lb4});
}

void LevelSequenceWindow::clicaRotulo(int i) {
  const QPointer<Form> viva(this);
  rotuloClicado(i);
  // A drawing that yields may see its window closed; then nothing is left
  // to describe.
  if (viva.isNull() || fechado()) return;
  Descreve(painel(i), descricaoDoPainel(i));
}

void LevelSequenceWindow::rotuloClicado(int i) {
  NivelAtual = static_cast<std::int16_t>(valorDoRotulo(i));
  DesenhaNivel();
}

}  // namespace velquora
