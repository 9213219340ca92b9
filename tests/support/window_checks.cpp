#include "window_checks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOption>
#include <QTest>

#include "fractals/shell/controls.h"

namespace velquora::teste {

namespace {

// The part of a control that its window shows: its own rectangle cut by
// every container around it, in the control's coordinates.
QRect parteVisivel(const QWidget* w) {
  QRect visivel = w->rect();
  for (const QWidget* c = w; c->parentWidget() != nullptr && !c->isWindow(); c = c->parentWidget()) {
    const QWidget* pai = c->parentWidget();
    const QRect doPai(w->mapFrom(pai, QPoint(0, 0)), pai->size());
    visivel &= doPai;
  }
  return visivel;
}

QString nome(const QWidget* w) { return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(); }

// The ink of one line of text laid in `area` with the alignment.
QRect tinta(const QFontMetrics& fm, const QRect& area, Qt::Alignment alinhamento, const QString& texto) {
  const QRect caixa = fm.boundingRect(area, static_cast<int>(alinhamento), texto);
  const QRect justa = fm.tightBoundingRect(texto);
  return justa.translated(caixa.left(), caixa.top() + fm.ascent());
}

void confere(QStringList& cortadas, const QWidget* w, const QRect& tintaTexto, const QRect& permitido) {
  if (!permitido.contains(tintaTexto)) {
    cortadas << QStringLiteral("%1: text %2,%3 %4x%5 outside %6,%7 %8x%9")
                    .arg(nome(w))
                    .arg(tintaTexto.x()).arg(tintaTexto.y()).arg(tintaTexto.width()).arg(tintaTexto.height())
                    .arg(permitido.x()).arg(permitido.y()).arg(permitido.width()).arg(permitido.height());
  }
}

}  // namespace

QStringList LegendasCortadas(QWidget* janela) {
  QStringList cortadas;
  for (QWidget* w : janela->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(janela)) continue;
    const QFontMetrics fm = w->fontMetrics();
    const QRect visivel = parteVisivel(w);
    if (auto* rotulo = qobject_cast<QLabel*>(w); rotulo != nullptr && !rotulo->text().isEmpty()) {
      const QRect area = rotulo->contentsRect();
      if (rotulo->wordWrap()) {
        confere(cortadas, w, fm.boundingRect(area, static_cast<int>(rotulo->alignment()) | Qt::TextWordWrap, rotulo->text()),
                visivel & area);
      } else {
        confere(cortadas, w, tinta(fm, area, rotulo->alignment(), rotulo->text()), visivel & area);
      }
    } else if (auto* botao = qobject_cast<BotaoComando*>(w)) {
      const QRect area = botao->areaDaLegenda();
      const QStringList linhas = botao->linhasDaLegenda();
      const int altura = fm.height() * static_cast<int>(linhas.size());
      int largura = 0;
      for (const QString& l : linhas) largura = std::max(largura, fm.horizontalAdvance(l));
      const QRect bloco(area.center().x() - largura / 2, area.center().y() - altura / 2, largura, altura);
      confere(cortadas, w, bloco, visivel & area);
      for (const QString& l : linhas) {
        // A line wider than the button means a word that could not be broken.
        if (fm.horizontalAdvance(l) > area.width()) cortadas << nome(w) + QStringLiteral(": word does not fit: ") + l;
      }
    } else if (auto* caixa = qobject_cast<QCheckBox*>(w)) {
      QStyleOptionButton opcao;
      opcao.initFrom(caixa);
      opcao.text = caixa->text();
      const QRect area = caixa->style()->subElementRect(QStyle::SE_CheckBoxContents, &opcao, caixa);
      confere(cortadas, w, tinta(fm, area, Qt::AlignLeft | Qt::AlignVCenter, caixa->text()), visivel & area.adjusted(0, 0, 0, 0));
    } else if (auto* quadro = qobject_cast<QGroupBox*>(w); quadro != nullptr && !quadro->title().isEmpty()) {
      QStyleOptionGroupBox opcao;
      opcao.initFrom(quadro);
      opcao.text = quadro->title();
      opcao.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      const QRect area = quadro->style()->subControlRect(QStyle::CC_GroupBox, &opcao, QStyle::SC_GroupBoxLabel, quadro);
      confere(cortadas, w, tinta(fm, area, Qt::AlignLeft | Qt::AlignVCenter, quadro->title()), visivel);
    } else if (auto* outro = qobject_cast<QAbstractButton*>(w); outro != nullptr && !outro->text().isEmpty()) {
      confere(cortadas, w, tinta(fm, outro->rect(), Qt::AlignCenter, outro->text()), visivel);
    }
  }
  return cortadas;
}

int PixelsDiferentes(const QImage& imagem, QRgb fundo) {
  int n = 0;
  for (int y = 0; y < imagem.height(); ++y) {
    for (int x = 0; x < imagem.width(); ++x) {
      if ((imagem.pixel(x, y) & 0xFFFFFF) != (fundo & 0xFFFFFF)) ++n;
    }
  }
  return n;
}

void Clica(QWidget* controle) {
  QTest::mouseClick(controle, Qt::LeftButton, {}, QPoint(controle->width() / 2, controle->height() / 2));
}

void SetaDireita(QScrollBar* barra, int vezes) {
  for (int i = 0; i < vezes; ++i) {
    QTest::mouseClick(barra, Qt::LeftButton, {}, QPoint(barra->width() - 4, barra->height() / 2));
  }
}

void ProcessaEventos() {
  for (int i = 0; i < 3; ++i) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
}

}  // namespace velquora::teste
