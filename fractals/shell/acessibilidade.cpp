#include "acessibilidade.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>

#include "fractals/shell/controls.h"
#include "surface/picture_box.h"

namespace velquora {

namespace {

// A caption label that draws its level when clicked: a button whose press
// action is the click.
class RotuloAcessivel : public QAccessibleWidget {
 public:
  explicit RotuloAcessivel(RotuloClicavel* rotulo) : QAccessibleWidget(rotulo, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return rotulo()->text();
    return QAccessibleWidget::text(t);
  }

  QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

  void doAction(const QString& acao) override {
    if (acao == pressAction()) {
      rotulo()->aciona();
    } else {
      QAccessibleWidget::doAction(acao);
    }
  }

  QStringList keyBindingsForAction(const QString& acao) const override {
    if (acao == pressAction()) return {QStringLiteral("Space"), QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(acao);
  }

 private:
  RotuloClicavel* rotulo() const { return static_cast<RotuloClicavel*>(widget()); }
};

QAccessibleInterface* fabrica(const QString&, QObject* objeto) {
  if (auto* rotulo = qobject_cast<RotuloClicavel*>(objeto)) return new RotuloAcessivel(rotulo);
  if (auto* caixa = qobject_cast<PictureBox*>(objeto)) return new QAccessibleWidget(caixa, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void InstalaAcessibilidade() {
  static const bool instalada = [] {
    QAccessible::installFactory(fabrica);
    return true;
  }();
  Q_UNUSED(instalada);
}

void TornaAcessivel(PictureBox* caixa, const QString& nome) {
  caixa->setFocusPolicy(Qt::StrongFocus);
  caixa->setAccessibleName(nome);
  Descreve(caixa, DescricaoVazia());
}

void Descreve(QWidget* caixa, const QString& descricao) { caixa->setAccessibleDescription(descricao); }

QString DescricaoVazia() { return QStringLiteral("vazio"); }

QString DescreveFigura(const QString& figura, qint64 quantos, const char* singular, const char* plural) {
  static const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
  return QStringLiteral("%1: %2 %3")
      .arg(figura, brasil.toString(quantos), QString::fromUtf8(quantos == 1 ? singular : plural));
}

QString FiguraDoNivel(const char* nome, int nivel) {
  return QStringLiteral("%1, nível %2").arg(QString::fromUtf8(nome)).arg(nivel);
}

}  // namespace velquora
