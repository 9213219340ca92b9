// velquora-render: the program's figures, drawn by its own windows without
// showing them, written to a PNG or SVG file, a PDF worksheet or a table.
// Needs no display. Every message is in Portuguese; a bad request gets one
// line on stderr, a non-zero exit and no file.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <optional>

#include "tools/render/fractais.h"
#include "tools/render/saida.h"

using namespace velquora;

namespace {

constexpr int ErroDeUso = 2;
constexpr int ErroDeEscrita = 1;
constexpr double RazaoDaFolha = 2;

const char* const Ajuda =
    "Uso: velquora-render FRACTAL [--nivel N] [--angulo A] [--pontos N] [--escala S] -o ARQUIVO\n"
    "     velquora-render FRACTAL --sequencia [--escala S] -o ARQUIVO\n"
    "     velquora-render FRACTAL --folha [--angulo A] -o ARQUIVO.pdf\n"
    "     velquora-render FRACTAL --estatisticas [--angulo A] [--formato tabela|csv]\n"
    "\n"
    "Desenha a figura que a janela de um nível do Velquora desenha ao apertar \"Gerar\",\n"
    "sem mostrar janela alguma, e a grava em PNG ou SVG (pela terminação do arquivo).\n"
    "\n"
    "FRACTAL: curva-koch, floco-de-neve, sierpinski, sierpinski-pontos, cantor, peano,\n"
    "         tetracirculo, arvore\n"
    "\n"
    "Opções:\n"
    "  --nivel N        o nível, de 0 ao máximo da janela (padrão 0)\n"
    "  --angulo A       o ângulo de bifurcação da árvore, de 0 a 360 graus (padrão 90)\n"
    "  --pontos N       os pontos do triângulo por pontos, em lotes de 10000, até 1000000\n"
    "                   (padrão 10000)\n"
    "  --escala S       o tamanho da imagem em relação à janela, de 0,25 a 8 (padrão 1)\n"
    "  --sequencia      os quatro painéis da janela de seqüência de níveis, clicados\n"
    "  --folha          uma folha de trabalho em PDF (A4): cada nível com os seus números\n"
    "  --estatisticas   os números de cada nível na saída padrão\n"
    "  --formato F      tabela (padrão) ou csv, com --estatisticas\n"
    "  -o ARQUIVO       o arquivo a gravar: .png, .svg, ou .pdf com --folha\n"
    "  -h, --help       mostra esta ajuda\n"
    "\n"
    "Os números de cada nível são contados no que o gerador desenhou: as peças (segmentos,\n"
    "buracos, círculos, ramos ou pontos), o comprimento ou a área nas unidades da janela e\n"
    "a sua fração do nível 0, a razão de um passo e a dimensão de semelhança log N / log(1/r).\n"
    "\n"
    "Exemplos:\n"
    "  velquora-render curva-koch --nivel 4 --escala 2 -o koch.png\n"
    "  velquora-render arvore --nivel 10 --angulo 60 -o arvore.svg\n"
    "  velquora-render sierpinski --folha -o sierpinski.pdf\n";

// A bad request: its message, for one line on stderr.
struct Recusa {
  QString mensagem;
};

enum class Modo { Figura, Sequencia, Folha, Estatisticas };

struct Linha {
  const FractalDoRender* fractal = nullptr;
  Pedido pedido;
  Modo modo = Modo::Figura;
  bool csv = false;
  QString arquivo;
  bool ajuda = false;
};

QString aspas(const QString& s) { return QStringLiteral("\"%1\"").arg(s); }

int inteiro(const QString& opcao, const QString& valor) {
  bool ok = false;
  const int n = valor.toInt(&ok);
  if (!ok) throw Recusa{QStringLiteral("%1 não é um número inteiro (%2)").arg(aspas(valor), opcao)};
  return n;
}

double real(const QString& opcao, const QString& valor) {
  bool ok = false;
  QString texto = valor;
  const double x = texto.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  if (!ok || !std::isfinite(x)) throw Recusa{QStringLiteral("%1 não é um número (%2)").arg(aspas(valor), opcao)};
  return x;
}

Linha interpreta(const QStringList& args) {
  Linha l;
  std::optional<int> nivel, angulo, pontos;
  std::optional<double> escala;
  std::optional<QString> formato;
  int modos = 0;
  QString nomeFractal;
  for (int i = 0; i < args.size(); ++i) {
    QString a = args[i];
    std::optional<QString> junto;
    if (a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='))) {
      junto = a.section(QLatin1Char('='), 1);
      a = a.section(QLatin1Char('='), 0, 0);
    }
    const auto valor = [&]() -> QString {
      if (junto) return *junto;
      if (i + 1 >= args.size()) throw Recusa{QStringLiteral("falta o valor de %1").arg(a)};
      return args[++i];
    };
    if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("--ajuda")) {
      l.ajuda = true;
    } else if (a == QLatin1String("--nivel")) {
      nivel = inteiro(a, valor());
    } else if (a == QLatin1String("--angulo")) {
      angulo = inteiro(a, valor());
    } else if (a == QLatin1String("--pontos")) {
      pontos = inteiro(a, valor());
    } else if (a == QLatin1String("--escala")) {
      escala = real(a, valor());
    } else if (a == QLatin1String("--formato")) {
      formato = valor();
    } else if (a == QLatin1String("-o") || a == QLatin1String("--saida")) {
      l.arquivo = valor();
    } else if (a == QLatin1String("--sequencia")) {
      l.modo = Modo::Sequencia, ++modos;
    } else if (a == QLatin1String("--folha")) {
      l.modo = Modo::Folha, ++modos;
    } else if (a == QLatin1String("--estatisticas")) {
      l.modo = Modo::Estatisticas, ++modos;
    } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
      throw Recusa{QStringLiteral("opção desconhecida: %1 (veja velquora-render --help)").arg(a)};
    } else if (nomeFractal.isEmpty()) {
      nomeFractal = a;
    } else {
      throw Recusa{QStringLiteral("argumento a mais: %1").arg(aspas(a))};
    }
  }
  if (l.ajuda) return l;

  if (nomeFractal.isEmpty()) throw Recusa{QStringLiteral("falta o fractal (veja velquora-render --help)")};
  l.fractal = ProcuraFractal(nomeFractal);
  if (l.fractal == nullptr) {
    throw Recusa{QStringLiteral("fractal desconhecido: %1; os fractais são curva-koch, floco-de-neve, sierpinski, "
                                "sierpinski-pontos, cantor, peano, tetracirculo e arvore")
                     .arg(aspas(nomeFractal))};
  }
  const FractalDoRender& f = *l.fractal;
  const QString nome = QString::fromLatin1(f.nome);
  if (modos > 1) throw Recusa{QStringLiteral("escolha só uma de --sequencia, --folha e --estatisticas")};

  if (nivel) {
    if (!f.temNivel()) throw Recusa{QStringLiteral("%1 não tem nível; use --pontos").arg(nome)};
    if (l.modo != Modo::Figura) throw Recusa{QStringLiteral("--nivel vale só para a figura de um nível")};
    if (*nivel < 0 || *nivel > f.nivelMaximo) {
      throw Recusa{QStringLiteral("nível %1 fora do intervalo de %2: de 0 a %3").arg(*nivel).arg(nome).arg(f.nivelMaximo)};
    }
    l.pedido.nivel = *nivel;
  }
  if (angulo) {
    if (nome != QLatin1String("arvore")) throw Recusa{QStringLiteral("--angulo vale só para arvore")};
    if (l.modo == Modo::Sequencia) throw Recusa{QStringLiteral("a janela de seqüência da árvore tem o ângulo fixo de 90 graus")};
    if (*angulo < 0 || *angulo > 360) throw Recusa{QStringLiteral("ângulo %1 fora do intervalo de 0 a 360").arg(*angulo)};
    l.pedido.angulo = *angulo;
  }
  if (pontos) {
    if (nome != QLatin1String("sierpinski-pontos")) throw Recusa{QStringLiteral("--pontos vale só para sierpinski-pontos")};
    if (l.modo != Modo::Figura) throw Recusa{QStringLiteral("--pontos vale só para a figura de uma janela")};
    if (*pontos < PontosPorLote || *pontos > PontosMaximos || *pontos % PontosPorLote != 0) {
      throw Recusa{QStringLiteral("%1 pontos não é um número de lotes da janela: de 10000 a 1000000, de 10000 em 10000")
                       .arg(*pontos)};
    }
    l.pedido.pontos = *pontos;
  }
  if (escala) {
    if (l.modo == Modo::Folha || l.modo == Modo::Estatisticas) {
      throw Recusa{QStringLiteral("--escala vale só para figuras")};
    }
    if (!(*escala >= 0.25 && *escala <= 8)) {
      throw Recusa{QStringLiteral("escala %1 fora do intervalo de 0,25 a 8").arg(QLocale(QLocale::Portuguese).toString(*escala))};
    }
    l.pedido.escala = *escala;
  }
  if (formato) {
    if (l.modo != Modo::Estatisticas) throw Recusa{QStringLiteral("--formato vale só com --estatisticas")};
    if (*formato == QLatin1String("csv")) {
      l.csv = true;
    } else if (*formato != QLatin1String("tabela")) {
      throw Recusa{QStringLiteral("formato desconhecido: %1; use tabela ou csv").arg(aspas(*formato))};
    }
  }

  if (l.modo == Modo::Estatisticas) {
    if (!l.arquivo.isEmpty()) throw Recusa{QStringLiteral("--estatisticas escreve na saída padrão; tire o -o")};
    return l;
  }
  if (l.arquivo.isEmpty()) throw Recusa{QStringLiteral("falta o arquivo de saída: -o ARQUIVO")};
  const QString terminacao = QFileInfo(l.arquivo).suffix().toLower();
  if (l.modo == Modo::Folha) {
    if (terminacao != QLatin1String("pdf")) throw Recusa{QStringLiteral("a folha de trabalho é um PDF: o arquivo deve terminar em .pdf")};
  } else if (terminacao != QLatin1String("png") && terminacao != QLatin1String("svg")) {
    throw Recusa{QStringLiteral("formato de arquivo desconhecido: %1; use .png ou .svg").arg(aspas(l.arquivo))};
  }
  return l;
}

void escreveLinha(std::FILE* onde, const QString& texto) {
  std::fputs(texto.toUtf8().constData(), onde);
  std::fputc('\n', onde);
}

int recusa(const QString& mensagem, int codigo) {
  escreveLinha(stderr, QStringLiteral("velquora-render: ") + mensagem);
  return codigo;
}

QString porQueNaoEscreve(const QString& arquivo) {
  const QFileInfo info(arquivo);
  if (!info.absoluteDir().exists()) return QStringLiteral("a pasta não existe");
  if (info.isDir()) return QStringLiteral("é uma pasta");
  return QStringLiteral("sem permissão de escrita");
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);

  // Everything a request can get wrong is found before any window exists.
  Linha linha;
  try {
    linha = interpreta(args);
  } catch (const Recusa& r) {
    return recusa(r.mensagem, ErroDeUso);
  }
  if (linha.ajuda) {
    std::fputs(Ajuda, stdout);
    return 0;
  }

  // The file is written beside its place and renamed over it at the end, so
  // a failure leaves nothing behind.
  QSaveFile arquivo(linha.arquivo);
  if (linha.modo != Modo::Estatisticas && !arquivo.open(QIODevice::WriteOnly)) {
    return recusa(QStringLiteral("não é possível escrever %1: %2").arg(aspas(linha.arquivo), porQueNaoEscreve(linha.arquivo)),
                  ErroDeEscrita);
  }

  // The windows draw without a display unless one is asked for, and at the
  // scale asked for whatever the desktop's own: the scale is the device
  // pixel ratio of the windows, whose boxes draw at that resolution.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  // A worksheet is printed: its figures are drawn at twice the screen's
  // resolution, the same figures with sharper edges.
  const double razao = linha.modo == Modo::Folha ? RazaoDaFolha : linha.pedido.escala;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(razao, 'g', 6));
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));

  const FractalDoRender& f = *linha.fractal;
  const bool svg = QFileInfo(linha.arquivo).suffix().toLower() == QLatin1String("svg");
  bool ok = true;
  switch (linha.modo) {
    case Modo::Estatisticas:
      std::fputs(Tabela(f, linha.pedido, linha.csv).toUtf8().constData(), stdout);
      return 0;
    case Modo::Figura:
      if (svg) {
        SvgDoNivel(f, linha.pedido, arquivo);
      } else {
        ok = ImagemDoNivel(f, linha.pedido).save(&arquivo, "PNG");
      }
      break;
    case Modo::Sequencia:
      if (svg) {
        SvgDaSequencia(f, linha.pedido, arquivo);
      } else {
        ok = ImagemDaSequencia(f).save(&arquivo, "PNG");
      }
      break;
    case Modo::Folha:
      Folha(f, linha.pedido, arquivo);
      break;
  }
  if (!ok || arquivo.error() != QFileDevice::NoError || !arquivo.commit()) {
    arquivo.cancelWriting();
    return recusa(QStringLiteral("não foi possível terminar de escrever %1").arg(aspas(linha.arquivo)), ErroDeEscrita);
  }
  return 0;
}
