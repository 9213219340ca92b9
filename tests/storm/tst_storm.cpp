// A storm of user actions over every window of the program, offscreen: a
// seeded pseudo-random sequence of menu buttons, chooser boxes, scroll-bar
// clicks, drags and keys, "Gerar" and "Apagar", label clicks, closes and
// fresh starts. Some actions are delivered later, from the event queue, so
// that they run inside a Cantor window's yields (nested in its drawing) and
// close windows in the middle of a drawing.
//
// After every action the storm checks what a user relies on: at most one
// instance of each window, never both boxes of a chooser checked, LabNivel
// showing its scroll bar, a points count that is a multiple of 10,000 within
// 0..1,000,000, each sequence panel holding only its own figure, no window
// that no action showed, no Qt warning. A failure names its seed and step;
// the same seed replays the same storm.
//
//   VELQUORA_STORM_SEED=S      runs the one seed S (replay)
//   VELQUORA_STORM_SEEDS=N     runs seeds 1..N (default 1)
//   VELQUORA_STORM_ACTIONS=A   actions per seed (default 20,000)
//   VELQUORA_STORM_LOG=1       prints every action (with -maxwarnings 0)

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

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
#include "fractals/sierpinski/frm_fig_triang_sierpinski.h"
#include "fractals/sierpinski/frm_sierpinski.h"
#include "fractals/sierpinski_points/frm_fig_ponto_sierpinski.h"
#include "fractals/sierpinski_points/frm_sierpinski_pontos.h"
#include "fractals/tetracirculo/frm_circulo.h"
#include "fractals/tetracirculo/frm_fig_circular.h"
#include "fractals/tree/frm_arvore.h"
#include "fractals/tree/frm_fig_arvore.h"
#include "support/window_checks.h"

using namespace velquora;

namespace {

// The windows of each chooser, in the order of the main menu's buttons.
struct Par {
  const QMetaObject* nivel;
  const QMetaObject* sequencia;
  std::function<LevelSequenceWindow*()> criaSequencia;
};

template <class N, class S>
Par par() {
  return {&N::staticMetaObject, &S::staticMetaObject, [] { return new S; }};
}

const std::vector<Par>& Pares() {
  static const std::vector<Par> pares{
      par<FrmCurvaKoch, FrmFigCurvaKoch>(),   par<FrmFlocoDeNeve, FrmFigFlocoNeve>(),
      par<FrmSierpinski, FrmFigTriangSierpinski>(), par<frmSierpinski_Pontos, FrmFigPontoSierpinski>(),
      par<FrmCirculo, FrmFigCircular>(),      par<FrmPeano, FrmFigPeano>(),
      par<frmCantor, FrmFigCantor>(),         par<FrmArvore, FrmFigArvore>()};
  return pares;
}

// A window's identity: its class, and for a chooser its name too.
QString chave(const QWidget* w) {
  const QString classe = QString::fromLatin1(w->metaObject()->className());
  return qobject_cast<const FrmModoNS*>(w) != nullptr ? classe + QLatin1Char('/') + w->objectName() : classe;
}
QString chaveEscolha(int f) { return QStringLiteral("velquora::FrmModoNS/") + QLatin1String(Escolha(Fractal(f)).nome); }

QString nome(const QWidget* w) { return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName(); }

// The drawing boxes of panel i (0..3) of a sequence window: the panel and
// every box inside it.
QList<PictureBox*> caixasDoPainel(LevelSequenceWindow* w, int i) {
  PictureBox* fig = std::array{w->Fig1, w->Fig2, w->Fig3, w->Fig4}[std::size_t(i)];
  QList<PictureBox*> caixas{fig};
  caixas += fig->findChildren<PictureBox*>();
  return caixas;
}

// Notes what is drawn on a box: whether anything was since the last check,
// and how many points.
class Sentinela : public Canvas {
 public:
  bool sujo = false;
  long pontos = 0;
  void setFillStyle(int) override {}
  void setFillColor(Cor) override {}
  void setDrawWidth(int) override {}
  void Refresh() override {}

 protected:
  void desenhaLinha(float, float, float, float, std::optional<Cor>) override { sujo = true; }
  void desenhaCirculo(float, float, float, std::optional<Cor>) override { sujo = true; }
  void desenhaPonto(float, float, Cor) override {
    sujo = true;
    ++pontos;
  }
  void desenhaPoligono(const PontoPixel*, int) override { sujo = true; }
};

// What one label click draws on a fresh sequence window, box by box; or, for
// a window whose figure is random, how many points.
struct Referencia {
  std::array<std::map<QString, QImage>, 4> imagens;
  std::array<long, 4> pontos{};
  bool aleatoria = false;
};

std::map<QString, Referencia> referencias;

void calculaReferencias() {
  for (const Par& p : Pares()) {
    Referencia& ref = referencias[QString::fromLatin1(p.sequencia->className())];
    for (int i = 0; i < 4; ++i) {
      std::unique_ptr<LevelSequenceWindow> w(p.criaSequencia());
      Sentinela contagem;
      for (PictureBox* c : caixasDoPainel(w.get(), i)) c->setEspelho(&contagem);
      QLabel* rotulo = std::array<QLabel*, 4>{w->Lb1, w->Lb2, w->Lb3, w->Lb4}[std::size_t(i)];
      teste::Clica(rotulo);
      for (PictureBox* c : caixasDoPainel(w.get(), i)) ref.imagens[std::size_t(i)][c->objectName()] = c->image();
      ref.pontos[std::size_t(i)] = contagem.pontos;
      teste::Clica(rotulo);
      for (PictureBox* c : caixasDoPainel(w.get(), i)) {
        ref.aleatoria |= c->image() != ref.imagens[std::size_t(i)][c->objectName()];
        c->setEspelho(nullptr);
      }
    }
  }
}

// Qt's warnings fail the storm, but for these artefacts of the offscreen
// platform, which has no window manager to ask.
QStringList avisos;
QtMessageHandler anterior = nullptr;
void guardaAviso(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
  if (tipo == QtDebugMsg || tipo == QtInfoMsg) return anterior(tipo, contexto, texto);
  if (texto.contains(QLatin1String("This plugin does not support"))) return;
  avisos << texto;
}

class Tempestade {
 public:
  Tempestade(quint64 semente, int acoes, bool registra) : rng_(semente), semente_(semente), limite_(acoes), registra_(registra) {}

  // Runs the storm; the first failure, or an empty string.
  QString executa() {
    while (feitas_ < limite_ && falha_.isEmpty()) {
      if (visiveis().isEmpty()) {
        permitidas_.insert(chave(&Mostra<FrmVelquora>()));
        anota(QStringLiteral("the program starts"));
      } else {
        passo();
      }
      teste::ProcessaEventos();
      if (falha_.isEmpty()) confereInstancias();
    }
    // Actions still queued find the storm over and do nothing.
    teste::ProcessaEventos();
    return falha_;
  }

  int feitas() const { return feitas_; }
  int dentroDeCantor() const { return dentroDeCantor_; }

 private:
  quint64 sorteia(quint64 n) { return rng_() % n; }
  bool chance(int porCento) { return sorteia(100) < quint64(porCento); }
  template <class T>
  T* umDe(const QList<T*>& lista) {
    return lista.isEmpty() ? nullptr : lista[qsizetype(sorteia(quint64(lista.size())))];
  }

  static QList<Form*> visiveis() {
    QList<Form*> lista;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* f = qobject_cast<Form*>(w); f != nullptr && f->isVisible() && !f->fechado()) lista << f;
    }
    // Qt keeps its windows in a hashed set: sorted, the same seed picks the
    // same windows in every run.
    std::stable_sort(lista.begin(), lista.end(), [](Form* a, Form* b) { return chave(a) < chave(b); });
    return lista;
  }
  template <class T>
  static QList<T*> visiveisDe() {
    QList<T*> lista;
    for (Form* f : visiveis()) {
      if (auto* t = qobject_cast<T*>(f)) lista << t;
    }
    return lista;
  }

  // One action, then the checks.
  void passo() {
    if (!falha_.isEmpty() || feitas_ >= limite_) return;
    vigia();
    const QString acao = age();
    anota(acao);
    confere(acao);
  }

  void anota(const QString& acao) {
    ++feitas_;
    if (registra_) qInfo("%d: %s%s", feitas_, aninhamento_ > 0 ? "queued: " : "", qPrintable(acao));
  }

  // Queues an action for the next time events run: inside a drawing's
  // yield when one is running. Now and then it queues another in its turn.
  void adia() {
    QMetaObject::invokeMethod(qApp, [this] {
      if (!falha_.isEmpty() || feitas_ >= limite_) return;
      const bool outra = chance(25);
      dentroDeCantor_ += desenhoCantor_ > 0;
      ++aninhamento_;
      passo();
      --aninhamento_;
      if (outra) adia();
    }, Qt::QueuedConnection);
  }

  // Each kind of action falls back on a key press when no window offers it.
  QString age() {
    const int sorte = int(sorteia(100));
    if (sorte < 8) return botaoDoMenu();
    if (sorte < 20) return caixaDeEscolha();
    if (sorte < 36) return barra();
    if (sorte < 50) return tecla();
    if (sorte < 62) return gerarOuApagar();
    if (sorte < 78) return rotulo();
    if (sorte < 88) return fecha();
    // Queued actions may queue others in their turn; about a third of all
    // actions run from the queue, many inside a Cantor window's drawing.
    return cantorComAdiadas();
  }

  QString botaoDoMenu() {
    FrmVelquora* menu = SlotDe<FrmVelquora>().instancia();
    if (menu == nullptr) return tecla();
    const int f = int(sorteia(8));
    QPushButton* botoes[] = {menu->botCurvaKoch, menu->botFlocoNeve, menu->botTriagSierpinski, menu->botSierpinskiPt,
                             menu->botCircular,  menu->botCurvaPeano, menu->botConjCantor,     menu->botArvore};
    permite(botoes[f]);
    teste::Clica(botoes[f]);
    return QStringLiteral("menu button %1").arg(nome(botoes[f]));
  }

  QString caixaDeEscolha() {
    FrmModoNS* escolha = umDe(visiveisDe<FrmModoNS>());
    if (escolha == nullptr) return tecla();
    QCheckBox* caixa = chance(50) ? escolha->CkNivel : escolha->CkSeq;
    permite(caixa);
    teste::Clica(caixa);
    return QStringLiteral("%1 in %2").arg(nome(caixa), nome(escolha));
  }

  QString barra() {
    QList<SingleLevelWindow*> comBarra;
    for (SingleLevelWindow* w : visiveisDe<SingleLevelWindow>()) {
      if (w->BrNivel != nullptr) comBarra << w;
    }
    SingleLevelWindow* w = umDe(comBarra);
    if (w == nullptr) return tecla();
    QScrollBar* br = w->BrNivel;
    const int y = br->height() / 2;
    switch (sorteia(4)) {
      case 0: QTest::mouseClick(br, Qt::LeftButton, {}, QPoint(br->width() - 4, y)); return acaoEm(w, "right arrow");
      case 1: QTest::mouseClick(br, Qt::LeftButton, {}, QPoint(4, y)); return acaoEm(w, "left arrow");
      case 2: {
        const int x = 17 + int(sorteia(quint64(std::max(1, br->width() - 34))));
        QTest::mouseClick(br, Qt::LeftButton, {}, QPoint(x, y));
        return acaoEm(w, "click on the track");
      }
      default: {
        // The thumb dragged and let go somewhere along the bar.
        QStyleOptionSlider opcao;
        opcao.initFrom(br);
        opcao.orientation = Qt::Horizontal;
        opcao.minimum = br->minimum();
        opcao.maximum = br->maximum();
        opcao.sliderPosition = br->sliderPosition();
        opcao.sliderValue = br->value();
        opcao.pageStep = br->pageStep();
        opcao.singleStep = br->singleStep();
        const QPoint polegar =
            br->style()->subControlRect(QStyle::CC_ScrollBar, &opcao, QStyle::SC_ScrollBarSlider, br).center();
        const QPoint solta(int(sorteia(quint64(br->width()))), y);
        QTest::mousePress(br, Qt::LeftButton, {}, polegar);
        QTest::mouseMove(br, solta);
        QTest::mouseRelease(br, Qt::LeftButton, {}, solta);
        return acaoEm(w, "thumb dragged");
      }
    }
  }

  QString tecla() {
    Form* w = umDe(visiveis());
    if (w == nullptr) return QStringLiteral("nothing");
    static constexpr Qt::Key Teclas[] = {Qt::Key_Left,     Qt::Key_Right,    Qt::Key_Up,    Qt::Key_Down,
                                         Qt::Key_Home,     Qt::Key_End,      Qt::Key_PageUp, Qt::Key_PageDown,
                                         Qt::Key_Space,    Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Return};
    const Qt::Key k = Teclas[sorteia(std::size(Teclas))];
    QWidget* alvo = w->focusWidget() != nullptr ? w->focusWidget() : w;
    permite(alvo);
    QTest::keyClick(alvo, k);
    return acaoEm(w, "key %1 on %2").arg(QKeySequence(k).toString(), nome(alvo));
  }

  QString gerarOuApagar() {
    SingleLevelWindow* w = umDe(visiveisDe<SingleLevelWindow>());
    if (w == nullptr) return tecla();
    const bool gerar = chance(70);
    teste::Clica(gerar ? w->botGerar : w->botApagar);
    return acaoEm(w, gerar ? "Gerar" : "Apagar");
  }

  QString rotulo() {
    LevelSequenceWindow* w = umDe(visiveisDe<LevelSequenceWindow>());
    if (w == nullptr) return tecla();
    const int i = int(sorteia(4));
    clicaRotulo(w, i);
    return acaoEm(w, "Lb%1").arg(i + 1);
  }

  QString fecha() {
    Form* w = umDe(visiveis());
    if (w == nullptr) return QStringLiteral("nothing");
    // The menu is closed rarely: nothing shows it again until every window
    // has been closed and the program starts anew.
    if (qobject_cast<FrmVelquora*>(w) != nullptr && !chance(15)) return tecla();
    const QString acao = acaoEm(w, "closed");
    if (chance(80)) {
      QCloseEvent pedido;  // the close box of the title bar
      QCoreApplication::sendEvent(w->windowHandle(), &pedido);
    } else {
      w->close();
    }
    return acao;
  }

  // Actions queued, then a drawing started in a Cantor window: they run in
  // its yields.
  QString cantorComAdiadas() {
    const int n = 1 + int(sorteia(3));
    for (int i = 0; i < n; ++i) adia();
    QList<Form*> cantores;
    for (Form* f : visiveis()) {
      if (qobject_cast<frmCantor*>(f) != nullptr || qobject_cast<FrmFigCantor*>(f) != nullptr) cantores << f;
    }
    Form* w = umDe(cantores);
    if (w == nullptr) return QStringLiteral("%1 actions queued").arg(n);
    ++desenhoCantor_;
    QString acao;
    if (auto* um = qobject_cast<frmCantor*>(w)) {
      acao = acaoEm(w, "Gerar at level %1 with %2 actions queued").arg(um->BrNivel->value()).arg(n);
      teste::Clica(um->botGerar);
    } else {
      const int i = int(sorteia(4));
      acao = acaoEm(w, "Lb%1 with %2 actions queued").arg(i + 1).arg(n);
      clicaRotulo(qobject_cast<FrmFigCantor*>(w), i);
    }
    --desenhoCantor_;
    return acao;
  }

  void clicaRotulo(LevelSequenceWindow* w, int i) {
    vigia(w);
    teste::Clica(std::array<QLabel*, 4>{w->Lb1, w->Lb2, w->Lb3, w->Lb4}[std::size_t(i)]);
  }

  QString acaoEm(const QWidget* w, const char* acao) {
    return QStringLiteral("%1: %2").arg(nome(w), QString::fromUtf8(acao));
  }

  // The window a click or key on this control may show.
  void permite(const QWidget* controle) {
    if (FrmVelquora* menu = SlotDe<FrmVelquora>().instancia(); menu != nullptr && controle->window() == menu) {
      const QWidget* botoes[] = {menu->botCurvaKoch, menu->botFlocoNeve, menu->botTriagSierpinski, menu->botSierpinskiPt,
                                 menu->botCircular,  menu->botCurvaPeano, menu->botConjCantor,     menu->botArvore};
      for (int f = 0; f < 8; ++f) {
        if (botoes[f] == controle) permitidas_.insert(chaveEscolha(f));
      }
    }
    if (auto* escolha = qobject_cast<const FrmModoNS*>(controle->window())) {
      for (int f = 0; f < 8; ++f) {
        if (escolha->objectName() != QLatin1String(Escolha(Fractal(f)).nome)) continue;
        const Par& p = Pares()[std::size_t(f)];
        if (controle == escolha->CkNivel) permitidas_.insert(QString::fromLatin1(p.nivel->className()));
        if (controle == escolha->CkSeq) permitidas_.insert(QString::fromLatin1(p.sequencia->className()));
      }
    }
  }

  // Puts a sentinel on every box of the sequence windows not yet watched.
  void vigia(LevelSequenceWindow* w = nullptr) {
    const QList<LevelSequenceWindow*> janelas = w != nullptr ? QList<LevelSequenceWindow*>{w} : visiveisDe<LevelSequenceWindow>();
    for (LevelSequenceWindow* j : janelas) {
      for (int i = 0; i < 4; ++i) {
        for (PictureBox* c : caixasDoPainel(j, i)) {
          if (sentinelas_.count(c) != 0) continue;
          sentinelas_[c] = std::make_unique<Sentinela>();
          c->setEspelho(sentinelas_[c].get());
          QObject::connect(c, &QObject::destroyed, &contexto_, [this, c] { sentinelas_.erase(c); });
        }
      }
    }
  }

  void falha(const QString& acao, const QString& motivo) {
    if (!falha_.isEmpty()) return;
    falha_ = QStringLiteral("seed %1, step %2%3 (%4): %5\nreplay: VELQUORA_STORM_SEED=%1 VELQUORA_STORM_LOG=1 tst_storm -maxwarnings 0")
                 .arg(semente_)
                 .arg(feitas_)
                 .arg(aninhamento_ > 0 ? QStringLiteral(", queued") : QString())
                 .arg(acao, motivo);
  }

  void confere(const QString& acao) {
    if (!avisos.isEmpty()) return falha(acao, QStringLiteral("Qt warned: ") + avisos.join(QLatin1String(" | ")));
    if (QWidget* modal = QApplication::activeModalWidget()) {
      return falha(acao, QStringLiteral("a dialog appeared: ") + nome(modal));
    }
    std::map<QString, int> contagem;
    for (Form* w : visiveis()) {
      const QString k = chave(w);
      if (++contagem[k] > 1) return falha(acao, QStringLiteral("two instances of ") + k);
      if (permitidas_.count(k) == 0) return falha(acao, QStringLiteral("a window nobody showed: ") + k);
      if (auto* escolha = qobject_cast<FrmModoNS*>(w)) {
        if (escolha->CkNivel->isChecked() && escolha->CkSeq->isChecked()) {
          return falha(acao, QStringLiteral("both boxes checked in ") + k);
        }
      } else if (auto* um = qobject_cast<SingleLevelWindow*>(w)) {
        const QString leitura = um->LabNivel->text();
        if (um->BrNivel != nullptr && leitura != QString::number(um->BrNivel->value())) {
          return falha(acao, QStringLiteral("LabNivel shows %1, the bar %2 in %3").arg(leitura).arg(um->BrNivel->value()).arg(k));
        }
        bool numero = false;
        const long pontos = leitura.toLong(&numero);
        if (qobject_cast<frmSierpinski_Pontos*>(w) != nullptr &&
            (!numero || pontos < 0 || pontos > 1000000 || pontos % 10000 != 0)) {
          return falha(acao, QStringLiteral("points count ") + leitura);
        }
      } else if (auto* seq = qobject_cast<LevelSequenceWindow*>(w)) {
        conferePaineis(acao, seq);
      }
    }
    // A window that went away must be shown again before it may reappear.
    for (auto it = permitidas_.begin(); it != permitidas_.end();) {
      it = contagem.count(*it) == 0 ? permitidas_.erase(it) : std::next(it);
    }
  }

  // Each panel holds its own figure (or part of it) and nothing else.
  void conferePaineis(const QString& acao, LevelSequenceWindow* w) {
    const Referencia& ref = referencias.at(chave(w));
    for (int i = 0; i < 4; ++i) {
      for (PictureBox* c : caixasDoPainel(w, i)) {
        const auto s = sentinelas_.find(c);
        if (s == sentinelas_.end() || !s->second->sujo) continue;
        s->second->sujo = false;
        const QString onde = QStringLiteral("%1 of %2").arg(c->objectName(), chave(w));
        if (ref.aleatoria) {
          const long lote = ref.pontos[std::size_t(i)];
          if (lote == 0 || s->second->pontos % lote != 0) {
            return falha(acao, QStringLiteral("%1 has %2 points, not batches of %3").arg(onde).arg(s->second->pontos).arg(lote));
          }
          continue;
        }
        const QImage agora = c->image();
        const QImage& propria = ref.imagens[std::size_t(i)].at(c->objectName());
        const QRgb fundo = QColor(Vermelho(c->BackColor()), Verde(c->BackColor()), Azul(c->BackColor())).rgb();
        if (agora.size() != propria.size()) return falha(acao, onde + QStringLiteral(" changed size"));
        for (int y = 0; y < agora.height(); ++y) {
          const auto* a = reinterpret_cast<const QRgb*>(agora.constScanLine(y));
          const auto* p = reinterpret_cast<const QRgb*>(propria.constScanLine(y));
          for (int x = 0; x < agora.width(); ++x) {
            if ((a[x] & 0xFFFFFF) != (fundo & 0xFFFFFF) && a[x] != p[x]) {
              return falha(acao, QStringLiteral("%1 holds a figure not its own at pixel %2, %3").arg(onde).arg(x).arg(y));
            }
          }
        }
      }
    }
  }

  // With every drawing over and closed windows gone, each window has one
  // object at most: none is left behind.
  void confereInstancias() {
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::map<QString, int> vivas;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<Form*>(w) != nullptr && ++vivas[chave(w)] > 1) {
        return falha(QStringLiteral("after the events ran"), QStringLiteral("two objects of ") + chave(w));
      }
    }
  }

  std::mt19937_64 rng_;
  quint64 semente_;
  int limite_;
  bool registra_;
  int feitas_ = 0;
  int aninhamento_ = 0;
  int desenhoCantor_ = 0;   // Cantor drawings started here and not yet ended
  int dentroDeCantor_ = 0;  // queued actions run inside one of them
  QString falha_;
  std::set<QString> permitidas_;
  std::map<PictureBox*, std::unique_ptr<Sentinela>> sentinelas_;
  QObject contexto_;  // ends the connections to the boxes with the storm
};

int numeroDoAmbiente(const char* nome, int padrao) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(nome, &ok);
  return ok ? v : padrao;
}

}  // namespace

class TstStorm : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    calculaReferencias();
    teste::ProcessaEventos();
    anterior = qInstallMessageHandler(guardaAviso);
  }

  // One row per seed.
  void storm_data() {
    QTest::addColumn<int>("semente");
    const int umaSo = numeroDoAmbiente("VELQUORA_STORM_SEED", 0);
    const int primeira = umaSo != 0 ? umaSo : 1;
    const int ultima = umaSo != 0 ? umaSo : numeroDoAmbiente("VELQUORA_STORM_SEEDS", 1);
    for (int semente = primeira; semente <= ultima; ++semente) QTest::addRow("seed %d", semente) << semente;
  }

  void storm() {
    QFETCH(int, semente);
    const int acoes = numeroDoAmbiente("VELQUORA_STORM_ACTIONS", 20000);
    const bool registra = numeroDoAmbiente("VELQUORA_STORM_LOG", 0) != 0;
    QElapsedTimer relogio;
    relogio.start();
    Tempestade t(quint64(semente), acoes, registra);
    const QString falha = t.executa();
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    teste::ProcessaEventos();
    avisos.clear();
    QVERIFY2(falha.isEmpty(), qPrintable(falha));
    qInfo("seed %d: %d actions (%d inside a Cantor drawing) in %.1f s", semente, t.feitas(), t.dentroDeCantor(),
          double(relogio.elapsed()) / 1000);
  }
};

int main(int argc, char** argv) {
  // Qt Test gives a test function five minutes, all its rows together; a
  // long storm under the sanitizers takes more.
  if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  TstStorm teste;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&teste, argc, argv);
}
#include "tst_storm.moc"
