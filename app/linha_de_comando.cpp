#include "app/linha_de_comando.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velquora {

namespace {

constexpr const char* Uso =
    "Uso: velquora [opções do Qt]\n"
    "Mostra, passo a passo, como se constroem oito fractais clássicos.\n"
    "\n"
    "  -h, --help      mostra esta ajuda e termina\n"
    "  -v, --version   mostra a versão e termina\n"
    "\n"
    "Aceita também as opções do próprio Qt, como -platform, -style, -display,\n"
    "-geometry e -reverse. Precisa de uma sessão gráfica: um servidor X\n"
    "(variável DISPLAY) ou Wayland (variável WAYLAND_DISPLAY).\n";

// The options Qt takes out of the command line, and whether each is followed
// by a value. QGuiApplication takes -platform, -platformpluginpath,
// -platformtheme, -plugin, -qwindowgeometry, -qwindowicon, -qwindowtitle,
// -reverse, -session and -testability on every platform; the X11 platform
// also takes -display, -geometry, -title, -icon, -name, -visual, -sync,
// -nograb and -dograb; QApplication takes -style, -stylesheet (also written
// -style=x and -stylesheet=x) and -widgetcount; -qmljsdebugger=x is
// QCoreApplication's. Qt reads each with one dash or two. This list lets
// the program refuse anything else before Qt starts; what Qt then leaves on
// the command line (an X11 option on another platform) is refused after.
struct OpcaoQt {
  const char* nome;
  bool comValor;
};
constexpr OpcaoQt OpcoesQt[] = {
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"reverse", false},
    {"session", true},   {"testability", false},       {"display", true},       {"geometry", true},
    {"title", true},     {"icon", true},               {"name", true},          {"visual", true},
    {"sync", false},     {"nograb", false},            {"dograb", false},       {"style", true},
    {"stylesheet", true}, {"widgetcount", false},
};
constexpr const char* OpcoesQtComIgual[] = {"style=", "stylesheet=", "qmljsdebugger="};

void escreve(std::FILE* saida, const QString& texto) {
  std::fputs(texto.toLocal8Bit().constData(), saida);
  std::fflush(saida);
}

int argumentoDesconhecido(const char* argumento) {
  escreve(stderr, QStringLiteral("velquora: argumento desconhecido: %1 (velquora --help mostra o uso)\n")
                      .arg(QString::fromLocal8Bit(argumento)));
  return 2;
}

// The option's name without its dashes, or null for an argument that is not
// an option.
const char* nomeDaOpcao(const char* argumento) {
  if (argumento[0] != '-' || argumento[1] == '\0') return nullptr;
  const char* nome = argumento + 1;
  if (*nome == '-') ++nome;
  return *nome == '\0' ? nullptr : nome;
}

// Where the graphical session was looked for, for the messages.
struct Sessao {
  QString plataforma;  // as asked for; empty for Qt's default
  QString origem;      // "QT_QPA_PLATFORM" or "-platform"; empty for the default
  QString exibicao;    // the value of -display, if given
};
Sessao sessao;

bool temValor(const char* variavel) { return !qEnvironmentVariableIsEmpty(variavel); }

bool temWayland() {
  if (temValor("WAYLAND_DISPLAY")) return true;
  // Without the variable, a Wayland client looks for "wayland-0".
  const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(QStringLiteral("wayland-0")));
}

// The variable a platform reads its display from, or empty for a platform
// that needs none (offscreen, vnc, the frame buffer ones).
QString variavelDaPlataforma(const QString& plataforma) {
  if (plataforma.isEmpty() || plataforma == QLatin1String("xcb")) return QStringLiteral("DISPLAY");
  if (plataforma.startsWith(QLatin1String("wayland"))) return QStringLiteral("WAYLAND_DISPLAY");
  return {};
}

// The platforms Qt will try, in order; an entry may carry options after a
// colon ("xcb:nodpi").
QStringList plataformas() {
  QStringList nomes;
  for (const QString& p : sessao.plataforma.split(QLatin1Char(';'), Qt::SkipEmptyParts)) nomes << p.section(QLatin1Char(':'), 0, 0);
  if (nomes.isEmpty()) {
    nomes << QString();  // Qt's default: X11, or Wayland first in a Wayland session
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")) nomes.prepend(QStringLiteral("wayland"));
  }
  return nomes;
}

bool plataformaUtilizavel(const QString& plataforma) {
  const QString variavel = variavelDaPlataforma(plataforma);
  if (variavel == QLatin1String("DISPLAY")) return temValor("DISPLAY") || !sessao.exibicao.isEmpty();
  if (variavel == QLatin1String("WAYLAND_DISPLAY")) return temWayland();
  return true;
}

// Names the variables that were looked at and found empty.
QString semSessao() {
  QStringList variaveis;
  for (const QString& p : plataformas()) {
    const QString variavel = variavelDaPlataforma(p);
    if (!variavel.isEmpty() && !variaveis.contains(variavel)) variaveis << variavel;
  }
  const QString quais = variaveis.size() == 1 ? QStringLiteral("a variável %1 está vazia").arg(variaveis[0])
                                              : QStringLiteral("as variáveis %1 estão vazias").arg(variaveis.join(QStringLiteral(" e ")));
  return QStringLiteral("velquora: o programa precisa de uma sessão gráfica, mas %1. Rode-o numa área de "
                        "trabalho gráfica.\n")
      .arg(quais);
}

// Qt's messages while it starts: held back, then let through or dropped.
struct Mensagem {
  QtMsgType tipo;
  QByteArray categoria;
  QString texto;
};
QList<Mensagem> retidas;
QtMessageHandler anterior = nullptr;
bool partindo = false;

void retem(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  if (tipo != QtFatalMsg) {
    retidas.append({tipo, QByteArray(contexto.category != nullptr ? contexto.category : "default"), texto});
    return;
  }
  // Qt could not open the session it was given: answer as for a missing one,
  // naming what was asked for, and end here rather than in Qt's abort.
  bool desconhecida = false;
  for (const Mensagem& m : retidas) desconhecida |= m.texto.contains(QLatin1String("Could not find the Qt platform plugin"));
  QString explicacao;
  if (desconhecida) {
    explicacao = QStringLiteral("velquora: a plataforma gráfica \"%1\" (%2) não existe; o programa precisa de uma "
                                "sessão gráfica (xcb ou wayland).\n")
                     .arg(sessao.plataforma, sessao.origem);
  } else {
    QString onde;
    for (const QString& p : plataformas()) {
      const QString variavel = variavelDaPlataforma(p);
      if (variavel.isEmpty()) {
        onde += QStringLiteral(" a plataforma %1 (%2);").arg(p, sessao.origem);
      } else if (variavel == QLatin1String("DISPLAY") && !sessao.exibicao.isEmpty()) {
        onde += QStringLiteral(" -display %1;").arg(sessao.exibicao);
      } else {
        onde += QStringLiteral(" %1=%2;").arg(variavel, qEnvironmentVariable(qPrintable(variavel)));
      }
    }
    onde.chop(1);
    explicacao = QStringLiteral("velquora: o programa precisa de uma sessão gráfica e não conseguiu abrir a "
                                "indicada:%1.\n")
                     .arg(onde);
  }
  escreve(stderr, explicacao);
  std::_Exit(1);
}

}  // namespace

std::optional<int> ConfereLinhaDeComando(int argc, char* argv[]) {
  sessao.plataforma = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (!sessao.plataforma.isEmpty()) sessao.origem = QStringLiteral("QT_QPA_PLATFORM");
  for (int i = 1; i < argc; ++i) {
    const char* nome = nomeDaOpcao(argv[i]);
    if (nome == nullptr) return argumentoDesconhecido(argv[i]);
    if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
      escreve(stdout, QString::fromUtf8(Uso));
      return 0;
    }
    if (std::strcmp(argv[i], "-v") == 0 || std::strcmp(argv[i], "--version") == 0) {
      escreve(stdout, QStringLiteral("velquora %1\n").arg(QLatin1String(VELQUORA_VERSAO)));
      return 0;
    }
    bool doQt = false;
    for (const char* prefixo : OpcoesQtComIgual) doQt |= std::strncmp(nome, prefixo, std::strlen(prefixo)) == 0;
    for (const OpcaoQt& opcao : OpcoesQt) {
      if (doQt || std::strcmp(nome, opcao.nome) != 0) continue;
      doQt = true;
      if (!opcao.comValor) break;
      if (i + 1 >= argc) {
        escreve(stderr, QStringLiteral("velquora: falta o valor de %1 (velquora --help mostra o uso)\n")
                            .arg(QString::fromLocal8Bit(argv[i])));
        return 2;
      }
      const QString valor = QString::fromLocal8Bit(argv[++i]);
      if (std::strcmp(opcao.nome, "platform") == 0) {
        sessao.plataforma = valor;
        sessao.origem = QStringLiteral("-platform");
      }
      if (std::strcmp(opcao.nome, "display") == 0) sessao.exibicao = valor;
      break;
    }
    if (!doQt) return argumentoDesconhecido(argv[i]);
  }

  bool algumaUtilizavel = false;
  for (const QString& p : plataformas()) algumaUtilizavel |= plataformaUtilizavel(p);
  if (!algumaUtilizavel) {
    escreve(stderr, semSessao());
    return 1;
  }
  partindo = true;
  anterior = qInstallMessageHandler(retem);
  return std::nullopt;
}

std::optional<int> PartidaConcluida(int argc, char* argv[]) {
  if (partindo) {
    partindo = false;
    qInstallMessageHandler(anterior);
    for (const Mensagem& m : retidas) {
      const QMessageLogContext contexto(nullptr, 0, nullptr, m.categoria.constData());
      qt_message_output(m.tipo, contexto, m.texto);
    }
    retidas.clear();
  }
  if (argc > 1) return argumentoDesconhecido(argv[1]);
  return std::nullopt;
}

}  // namespace velquora
