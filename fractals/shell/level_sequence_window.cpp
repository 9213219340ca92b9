#include "level_sequence_window.h"

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
    connect(rotulos[i], &RotuloClicavel::clicked, this, [this, i] { rotuloClicado(static_cast<int>(i)); });
  }
  Fig1 = paineis_[0];
  Fig2 = paineis_[1];
  Fig3 = paineis_[2];
  Fig4 = paineis_[3];
  Lb1 = rotulos[0];
  Lb2 = rotulos[1];
  Lb3 = rotulos[2];
  Lb4 = rotulos[3];
}

void LevelSequenceWindow::rotuloClicado(int i) {
  NivelAtual = static_cast<std::int16_t>(valorDoRotulo(i));
  DesenhaNivel();
}

}  // namespace velquora
