#include "saida.h"

#include <QLabel>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace velquora {

namespace {

const QLocale& pt() {
  static const QLocale local(QLocale::Portuguese, QLocale::Brazil);
  return local;
}

QColor qcor(Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); }

QString maiuscula(const char* texto) {
  QString s = QString::fromUtf8(texto);
  if (!s.isEmpty()) s[0] = s[0].toUpper();
  return s;
}

QString nomeDaMedida(Medida m) {
  switch (m) {
    case Medida::Comprimento: return QStringLiteral("Comprimento");
    case Medida::Area: return QStringLiteral("Área");
    case Medida::Nenhuma: break;
  }
  return {};
}

QString numero(double valor, int casas) { return std::isnan(valor) ? QStringLiteral("—") : pt().toString(valor, 'f', casas); }

QString razao(const FractalDoRender& f) {
  return QStringLiteral("%1 = %2").arg(QString::fromUtf8(f.razaoTexto), pt().toString(f.razao, 'f', 3));
}

// An SVG generator on a device, in pixels of the given size, declared at the
// scale.
void preparaSvg(QSvgGenerator& svg, QIODevice& destino, QSize pixels, double escala, const QString& titulo) {
  svg.setOutputDevice(&destino);
  svg.setResolution(96);
  svg.setSize((QSizeF(pixels) * escala).toSize());
  svg.setViewBox(QRect(QPoint(0, 0), pixels));
  svg.setTitle(titulo);
  svg.setDescription(QStringLiteral("Desenhado por velquora-render"));
}

}  // namespace

QImage ImagemDoNivel(const FractalDoRender& f, const Pedido& pedido) {
  const std::unique_ptr<SingleLevelWindow> janela = f.criaJanela();
  Gera(*janela, pedido);
  return SuperficieDe(*janela)->image();
}

void SvgDoNivel(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino) {
  const std::unique_ptr<SingleLevelWindow> janela = f.criaJanela();
  PictureBox* superficie = SuperficieDe(*janela);
  Gravacao gravacao(*superficie);
  Gera(*janela, pedido);
  QSvgGenerator svg;
  const QString titulo = f.temNivel() ? QStringLiteral("%1, nível %2").arg(QString::fromUtf8(f.titulo)).arg(pedido.nivel)
                                      : QStringLiteral("%1, %2 pontos").arg(QString::fromUtf8(f.titulo), pt().toString(pedido.pontos));
  preparaSvg(svg, destino, superficie->tamanhoImagem(), pedido.escala, titulo);
  QPainter p(&svg);
  p.fillRect(QRect(QPoint(0, 0), superficie->tamanhoImagem()), qcor(superficie->BackColor()));
  gravacao.pinta(p);
}

QImage ImagemDaSequencia(const FractalDoRender& f) {
  const std::unique_ptr<LevelSequenceWindow> janela = f.criaSequencia();
  ClicaRotulos(*janela);
  return janela->grab().toImage();
}

void SvgDaSequencia(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino) {
  const std::unique_ptr<LevelSequenceWindow> janela = f.criaSequencia();
  const QList<PictureBox*> caixas = janela->findChildren<PictureBox*>();
  std::vector<std::unique_ptr<Gravacao>> gravacoes;
  for (PictureBox* caixa : caixas) gravacoes.push_back(std::make_unique<Gravacao>(*caixa));
  ClicaRotulos(*janela);

  QSvgGenerator svg;
  preparaSvg(svg, destino, janela->size(), pedido.escala, janela->windowTitle());
  QPainter p(&svg);
  p.fillRect(janela->rect(), janela->palette().color(QPalette::Window));
  // Parents come before the boxes they hold, so each box covers its parent.
  for (int i = 0; i < caixas.size(); ++i) {
    PictureBox* caixa = caixas[i];
    const QRect lugar(caixa->mapTo(janela.get(), QPoint(0, 0)), caixa->size());
    if (caixa->parentWidget() == janela.get() && caixa->temMoldura()) {
      p.setPen(QColor(128, 128, 128));
      p.setBrush(Qt::NoBrush);
      p.drawRect(lugar.adjusted(-1, -1, 0, 0));
    }
    QRect visivel = lugar;
    for (QWidget* pai = caixa->parentWidget(); pai != janela.get(); pai = pai->parentWidget()) {
      visivel &= QRect(pai->mapTo(janela.get(), QPoint(0, 0)), pai->size());
    }
    p.save();
    p.setClipRect(visivel);
    p.fillRect(visivel, qcor(caixa->BackColor()));
    p.translate(lugar.topLeft());
    gravacoes[static_cast<std::size_t>(i)]->pinta(p);
    p.restore();
  }
  for (QLabel* rotulo : janela->findChildren<QLabel*>()) {
    p.setFont(rotulo->font());
    p.setPen(rotulo->palette().color(QPalette::WindowText));
    p.drawText(QRect(rotulo->mapTo(janela.get(), QPoint(0, 0)), rotulo->size()), int(rotulo->alignment()), rotulo->text());
  }
}

int Folha(const FractalDoRender& f, const Pedido& pedido, QIODevice& destino) {
  const std::vector<Etapa> etapas = ColheEtapas(f, pedido, true);
  const QString titulo = QString::fromUtf8(f.titulo);
  QPdfWriter pdf(&destino);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  pdf.setResolution(300);
  pdf.setTitle(QStringLiteral("%1 - folha de trabalho").arg(titulo));
  pdf.setCreator(QStringLiteral("velquora-render"));

  const int paginas = (static_cast<int>(etapas.size()) + EtapasPorPagina - 1) / EtapasPorPagina;
  const double mm = 300 / 25.4;
  QPainter p(&pdf);
  // Line drawings: compressed without loss, no blur around the lines.
  p.setRenderHint(QPainter::LosslessImageRendering);
  const QRectF folha = pdf.pageLayout().paintRectPixels(300);
  QFont grande(QStringLiteral("Arial"), 18, QFont::Bold);
  QFont media(QStringLiteral("Arial"), 11, QFont::Bold);
  QFont normal(QStringLiteral("Arial"), 10);
  QFont pequena(QStringLiteral("Arial"), 8);

  for (int pagina = 0; pagina < paginas; ++pagina) {
    if (pagina > 0) pdf.newPage();
    p.setPen(Qt::black);
    p.setFont(grande);
    const QRectF cabeca(0, 0, folha.width(), 10 * mm);
    p.drawText(cabeca, Qt::AlignLeft | Qt::AlignVCenter, titulo);
    p.setFont(normal);
    QString regra = QStringLiteral("Folha de trabalho. A cada passo, %1.").arg(QString::fromUtf8(f.regra));
    if (qstrcmp(f.nome, "arvore") == 0) regra += QStringLiteral(" Ângulo de bifurcação: %1 graus.").arg(pedido.angulo);
    if (f.temDimensao) {
      // 1/r as written: "3" for a scale of 1/3 (every figure with a dimension
      // has its scale written as 1/something).
      const QString inversa = QString::fromUtf8(f.razaoTexto).mid(2);
      regra += QStringLiteral(" Dimensão de semelhança: log N / log(1/r) = log %1 / log %2 = %3.")
                   .arg(f.passos)
                   .arg(inversa)
                   .arg(numero(f.dimensao(), 3));
    }
    const QRectF linhaRegra(0, 11 * mm, folha.width(), 12 * mm);
    p.drawText(linhaRegra, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, regra);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(QPointF(0, 24 * mm), QPointF(folha.width(), 24 * mm));

    const double topo = 27 * mm;
    const double rodape = 8 * mm;
    const double alturaLinha = (folha.height() - topo - rodape) / EtapasPorPagina;
    for (int k = 0; k < EtapasPorPagina; ++k) {
      const std::size_t i = static_cast<std::size_t>(pagina * EtapasPorPagina + k);
      if (i >= etapas.size()) break;
      const Etapa& e = etapas[i];
      const QRectF linha(0, topo + k * alturaLinha, folha.width(), alturaLinha - 3 * mm);
      // The figure on the left, its proportions kept, in a thin frame.
      const QRectF vaga(linha.left(), linha.top(), linha.width() * 0.58, linha.height());
      QSizeF tamanho = QSizeF(e.figura.size()).scaled(vaga.size(), Qt::KeepAspectRatio);
      const QRectF figura(vaga.topLeft() + QPointF((vaga.width() - tamanho.width()) / 2, 0), tamanho);
      p.drawImage(figura, e.figura);
      p.setPen(QColor(160, 160, 160));
      p.setBrush(Qt::NoBrush);
      p.drawRect(figura);

      const QRectF texto(vaga.right() + 6 * mm, linha.top(), linha.width() - vaga.width() - 6 * mm, linha.height());
      p.setPen(Qt::black);
      p.setFont(media);
      p.drawText(texto, Qt::AlignLeft | Qt::AlignTop, e.rotulo);
      QStringList numeros;
      numeros << QStringLiteral("%1: %2").arg(maiuscula(f.pecas), pt().toString(e.numeros.pecas));
      if (f.medida != Medida::Nenhuma) {
        numeros << QStringLiteral("%1: %2 %3").arg(nomeDaMedida(f.medida), numero(e.numeros.medida, 2),
                                                  QString::fromUtf8(f.unidade));
        numeros << QStringLiteral("(%1% do nível 0)").arg(numero(e.numeros.fracao * 100, 2));
      }
      numeros << QStringLiteral("Razão de um passo: %1").arg(razao(f));
      if (f.temDimensao) numeros << QStringLiteral("Dimensão: %1").arg(numero(f.dimensao(), 3));
      p.setFont(normal);
      p.drawText(texto.adjusted(0, 7 * mm, 0, 0), Qt::AlignLeft | Qt::AlignTop, numeros.join(QLatin1Char('\n')));
    }
    p.setFont(pequena);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(0, folha.height() - rodape, folha.width(), rodape), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Velquora - página %1 de %2").arg(pagina + 1).arg(paginas));
  }
  return paginas;
}

QString Tabela(const FractalDoRender& f, const Pedido& pedido, bool csv) {
  const std::vector<Etapa> etapas = ColheEtapas(f, pedido, false);
  const bool medida = f.medida != Medida::Nenhuma;
  QString saida;
  if (csv) {
    const QLocale c = QLocale::c();
    saida += f.temNivel() ? QStringLiteral("nivel") : QStringLiteral("pontos");
    saida += QStringLiteral(",pecas,medida,fracao,razao,dimensao\n");
    for (const Etapa& e : etapas) {
      const auto real = [&](double v) { return std::isnan(v) ? QString() : c.toString(v, 'g', 10); };
      saida += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(e.valor)
                   .arg(e.numeros.pecas)
                   .arg(real(e.numeros.medida), real(medida ? e.numeros.fracao : NAN), real(f.razao), real(f.dimensao()));
    }
    return saida;
  }
  QStringList cabeca{f.temNivel() ? QStringLiteral("Nível") : QStringLiteral("Pontos pedidos"), maiuscula(f.pecas)};
  if (medida) {
    cabeca << QStringLiteral("%1 (%2)").arg(nomeDaMedida(f.medida), QString::fromUtf8(f.unidade))
           << QStringLiteral("Fração do nível 0");
  }
  cabeca << QStringLiteral("Razão") << QStringLiteral("Dimensão");
  std::vector<QStringList> linhas{cabeca};
  for (const Etapa& e : etapas) {
    QStringList l{f.temNivel() ? QString::number(e.valor) : pt().toString(e.valor), pt().toString(e.numeros.pecas)};
    if (medida) l << numero(e.numeros.medida, 2) << numero(e.numeros.fracao * 100, 2) + QLatin1Char('%');
    l << razao(f) << numero(f.dimensao(), 3);
    linhas.push_back(l);
  }
  std::vector<int> largura(static_cast<std::size_t>(cabeca.size()), 0);
  for (const QStringList& l : linhas) {
    for (int j = 0; j < l.size(); ++j) largura[std::size_t(j)] = std::max(largura[std::size_t(j)], int(l[j].size()));
  }
  saida += QStringLiteral("%1: a cada passo, %2.").arg(QString::fromUtf8(f.titulo), QString::fromUtf8(f.regra));
  if (qstrcmp(f.nome, "arvore") == 0) saida += QStringLiteral(" Ângulo de bifurcação: %1 graus.").arg(pedido.angulo);
  saida += QLatin1Char('\n');
  for (const QStringList& l : linhas) {
    QString texto;
    for (int j = 0; j < l.size(); ++j) {
      // The first column to the left, the numbers to the right.
      texto += j == 0 ? l[j].leftJustified(largura[0]) : QStringLiteral("  ") + l[j].rightJustified(largura[std::size_t(j)]);
    }
    saida += texto + QLatin1Char('\n');
  }
  return saida;
}

}  // namespace velquora
