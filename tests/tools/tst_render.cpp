// velquora-render as its users run it: the real binary, its files read back.

#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <functional>

#include "fractals/sierpinski_points/fonte_aleatoria.h"
#include "fractals/tree/frm_arvore.h"
#include "support/window_checks.h"
#include "tools/render/fractais.h"

using namespace velquora;

Q_DECLARE_METATYPE(std::function<double(int)>)

namespace {

struct Execucao {
  int codigo = -1;
  QByteArray saida;
  QByteArray erros;
};

Execucao executa(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VELQUORA_RENDER), args);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

QString programa(const char* nome) { return QStandardPaths::findExecutable(QLatin1String(nome)); }

}  // namespace

class TstRender : public QObject {
  Q_OBJECT

  QTemporaryDir pasta_;
  QString arquivo(const QString& nome) const { return pasta_.filePath(nome); }

 private slots:
  void renderEqualsTheWindowAfterGerar_data() {
    QTest::addColumn<QString>("fractal");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("curva-koch 3") << "curva-koch" << 3 << QStringList{};
    QTest::newRow("floco-de-neve 2") << "floco-de-neve" << 2 << QStringList{};
    QTest::newRow("sierpinski 4") << "sierpinski" << 4 << QStringList{};
    QTest::newRow("sierpinski-pontos 20000") << "sierpinski-pontos" << 0 << QStringList{"--pontos", "20000"};
    QTest::newRow("cantor 3") << "cantor" << 3 << QStringList{};
    QTest::newRow("peano 2") << "peano" << 2 << QStringList{};
    QTest::newRow("tetracirculo 3") << "tetracirculo" << 3 << QStringList{};
    QTest::newRow("arvore 6 at 60") << "arvore" << 6 << QStringList{"--angulo", "60"};
  }
  void renderEqualsTheWindowAfterGerar() {
    QFETCH(QString, fractal);
    QFETCH(int, nivel);
    QFETCH(QStringList, extra);
    const QString png = arquivo(fractal + QStringLiteral(".png"));
    QStringList args{fractal, "-o", png};
    if (nivel > 0) args << "--nivel" << QString::number(nivel);
    const Execucao e = executa(args + extra);
    QCOMPARE(e.codigo, 0);

    // The window as a user drives it, from the program's first random draw.
    FonteDoPrograma() = FonteAleatoria();
    const std::unique_ptr<SingleLevelWindow> janela = ProcuraFractal(fractal)->criaJanela();
    if (janela->BrNivel != nullptr) teste::SetaDireita(janela->BrNivel, nivel);
    if (auto* arvore = qobject_cast<FrmArvore*>(janela.get())) teste::SetaDireita(arvore->BrAng, 60);
    const int vezes = janela->BrNivel != nullptr ? 1 : 2;
    for (int i = 0; i < vezes; ++i) teste::Clica(janela->botGerar);
    const QImage daJanela = SuperficieDe(*janela)->image();
    QVERIFY(teste::PixelsDiferentes(daJanela) > 0);
    QCOMPARE(QImage(png).convertToFormat(daJanela.format()), daJanela);
  }

  void scaleMultipliesTheImage() {
    const QString png = arquivo(QStringLiteral("escala.png"));
    QCOMPARE(executa({"tetracirculo", "--nivel", "1", "--escala", "2,5", "-o", png}).codigo, 0);
    const std::unique_ptr<SingleLevelWindow> janela = ProcuraFractal(QStringLiteral("tetracirculo"))->criaJanela();
    QCOMPARE(QImage(png).size(), SuperficieDe(*janela)->size() * 2.5);
  }

  void svgHoldsOneVectorElementPerPieceDrawn_data() {
    QTest::addColumn<QString>("fractal");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("elemento");
    QTest::addColumn<int>("quantos");
    // Lines are polylines, circles circles, polygons closed paths, points
    // one-pixel squares; the background is one more square.
    QTest::newRow("arvore: 1 + 3 (2^4 - 1) lines") << "arvore" << QStringList{"--nivel", "4"} << "polyline" << 46;
    QTest::newRow("tetracirculo: 21 circles") << "tetracirculo" << QStringList{"--nivel", "2"} << "circle" << 21;
    QTest::newRow("sierpinski: 1 + 13 polygons") << "sierpinski" << QStringList{"--nivel", "3"} << "path" << 14;
    QTest::newRow("sierpinski-pontos: 9979 points") << "sierpinski-pontos" << QStringList{} << "rect" << 9980;
    // The four panels of the window, levels 0, 1, 2 and 6: 3 + 12 + 48 +
    // 12288 lines.
    QTest::newRow("floco-de-neve sequence") << "floco-de-neve" << QStringList{"--sequencia"} << "polyline" << 12351;
  }
  void svgHoldsOneVectorElementPerPieceDrawn() {
    QFETCH(QString, fractal);
    QFETCH(QStringList, args);
    QFETCH(QString, elemento);
    QFETCH(int, quantos);
    const QString svg = arquivo(fractal + QStringLiteral(".svg"));
    QCOMPARE(executa(QStringList{fractal, "-o", svg} + args).codigo, 0);
    QVERIFY(QSvgRenderer(svg).isValid());
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QMap<QString, int> contagem;
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement) ++contagem[xml.name().toString()];
    }
    QVERIFY(!xml.hasError());
    QCOMPARE(contagem.value(elemento), quantos);
    QCOMPARE(contagem.value(QStringLiteral("image")), 0);
  }

  void worksheetHasAPagePerFourStagesAndTheirNumbers_data() {
    QTest::addColumn<QString>("fractal");
    QTest::addColumn<int>("paginas");
    QTest::addColumn<QStringList>("textos");
    QTest::newRow("curva-koch, levels 0 to 6") << "curva-koch" << 2
                                               << QStringList{"Curva de Koch", "Nível 6", "Segmentos: 4.096",
                                                              "561,87% do nível 0", "Dimensão: 1,262", "página 2 de 2"};
    QTest::newRow("arvore, levels 0 to 15") << "arvore" << 4
                                            << QStringList{"Árvore Bifurcada", "Ramos: 65.535", "Nível 15"};
    QTest::newRow("sierpinski-pontos, the panels") << "sierpinski-pontos" << 1
                                                   << QStringList{"50.000 pontos", "Pontos: 49.979", "Dimensão: 1,585"};
  }
  void worksheetHasAPagePerFourStagesAndTheirNumbers() {
    QFETCH(QString, fractal);
    QFETCH(int, paginas);
    QFETCH(QStringList, textos);
    QVERIFY2(!programa("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
    const QString pdf = arquivo(fractal + QStringLiteral(".pdf"));
    QCOMPARE(executa({fractal, "--folha", "-o", pdf}).codigo, 0);
    QProcess texto;
    texto.start(programa("pdftotext"), {pdf, "-"});
    QVERIFY(texto.waitForFinished());
    const QString conteudo = QString::fromUtf8(texto.readAllStandardOutput());
    // pdftotext ends every page with a form feed.
    QCOMPARE(conteudo.count(QLatin1Char('\f')), paginas);
    for (const QString& t : textos) QVERIFY2(conteudo.contains(t), qPrintable(t));
  }

  void statisticsMatchTheClosedFormulas_data() {
    QTest::addColumn<QString>("fractal");
    QTest::addColumn<QList<int>>("etapas");
    // Pieces and share of stage 0 at a stage n.
    QTest::addColumn<std::function<double(int)>>("pecas");
    QTest::addColumn<std::function<double(int)>>("fracao");
    QTest::addColumn<double>("tolerancia");  // of the share, relative
    QTest::addColumn<QString>("dimensao");
    using F = std::function<double(int)>;
    const auto pot = [](double b, int n) { return std::pow(b, n); };
    QTest::newRow("curva-koch") << "curva-koch" << QList<int>{1, 3, 6} << F([=](int n) { return pot(4, n); })
                                << F([=](int n) { return pot(4.0 / 3, n); }) << 1e-5 << "1.261859507";
    QTest::newRow("floco-de-neve") << "floco-de-neve" << QList<int>{0, 2, 5} << F([=](int n) { return 3 * pot(4, n); })
                                   << F([=](int n) { return pot(4.0 / 3, n); }) << 1e-5 << "1.261859507";
    // Holes are cut at whole pixels: the black area keeps (3/4)^n only
    // roughly.
    QTest::newRow("sierpinski") << "sierpinski" << QList<int>{1, 4, 8} << F([=](int n) { return (pot(3, n) - 1) / 2; })
                                << F([=](int n) { return pot(0.75, n); }) << 0.02 << "1.584962501";
    QTest::newRow("cantor") << "cantor" << QList<int>{1, 3, 6} << F([=](int n) { return pot(2, n); })
                            << F([=](int n) { return pot(2.0 / 3, n); }) << 1e-5 << "0.6309297536";
    QTest::newRow("peano") << "peano" << QList<int>{1, 3, 5} << F([=](int n) { return pot(9, n); })
                           << F([=](int n) { return pot(3, n); }) << 1e-5 << "2";
    QTest::newRow("tetracirculo") << "tetracirculo" << QList<int>{1, 3, 5}
                                  << F([=](int n) { return (pot(4, n + 1) - 1) / 3; })
                                  << F([=](int n) { return pot(4 / pot(std::sqrt(2.0) + 1, 2), n); }) << 1e-5
                                  << "1.572879403";
    QTest::newRow("arvore") << "arvore" << QList<int>{1, 7, 15} << F([=](int n) { return pot(2, n + 1) - 1; })
                            << F([=](int n) { return (pot(1.2, n + 1) - 1) / 0.2; }) << 1e-5 << "";
    // The panels of 2,500 to 50,000 points, stages 0 to 3: a batch of N
    // plots N - 21 points.
    QTest::newRow("sierpinski-pontos") << "sierpinski-pontos" << QList<int>{0, 1, 3}
                                       << F([](int i) { return double(ContagensDosPaineis[i] - 21); })
                                       << F([](int) { return NAN; }) << 0.0 << "1.584962501";
  }
  void statisticsMatchTheClosedFormulas() {
    QFETCH(QString, fractal);
    QFETCH(QList<int>, etapas);
    QFETCH(std::function<double(int)>, pecas);
    QFETCH(std::function<double(int)>, fracao);
    QFETCH(double, tolerancia);
    QFETCH(QString, dimensao);
    const Execucao e = executa({fractal, "--estatisticas", "--formato", "csv"});
    QCOMPARE(e.codigo, 0);
    const QStringList linhas = QString::fromUtf8(e.saida).trimmed().split(QLatin1Char('\n'));
    QVERIFY(linhas.value(0).endsWith(QLatin1String(",pecas,medida,fracao,razao,dimensao")));
    for (int n : etapas) {
      const QStringList c = linhas.value(n + 1).split(QLatin1Char(','));
      QCOMPARE(c.size(), 6);
      QCOMPARE(c[1].toDouble(), pecas(n));
      if (std::isnan(fracao(n))) {
        QVERIFY(c[3].isEmpty());
      } else {
        QVERIFY2(std::abs(c[3].toDouble() / fracao(n) - 1) <= tolerancia, qPrintable(linhas.value(n + 1)));
      }
      QCOMPARE(c[5], dimensao);
    }
  }

  void badInputsGetOneLineAndNoFile_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("unknown fractal") << QStringList{"mandelbrot", "-o", "x.png"} << "fractal desconhecido: \"mandelbrot\"";
    QTest::newRow("level above the window's") << QStringList{"curva-koch", "--nivel", "7", "-o", "x.png"}
                                              << "nível 7 fora do intervalo de curva-koch: de 0 a 6";
    QTest::newRow("negative level") << QStringList{"arvore", "--nivel", "-1", "-o", "x.png"} << "fora do intervalo";
    QTest::newRow("level that is no number") << QStringList{"cantor", "--nivel", "três", "-o", "x.png"}
                                             << "\"três\" não é um número inteiro (--nivel)";
    QTest::newRow("scale that is no number") << QStringList{"peano", "--escala", "2x", "-o", "x.png"} << "não é um número";
    QTest::newRow("points not in batches") << QStringList{"sierpinski-pontos", "--pontos", "15000", "-o", "x.png"}
                                           << "15000 pontos não é um número de lotes";
    QTest::newRow("unknown file ending") << QStringList{"peano", "-o", "x.bmp"} << "formato de arquivo desconhecido";
    QTest::newRow("worksheet that is no PDF") << QStringList{"peano", "--folha", "-o", "x.png"} << "deve terminar em .pdf";
    QTest::newRow("folder that does not exist") << QStringList{"peano", "-o", "nada/x.png"} << "a pasta não existe";
  }
  void badInputsGetOneLineAndNoFile() {
    QFETCH(QStringList, args);
    QFETCH(QString, mensagem);
    QTemporaryDir vazia;
    for (QString& a : args) {
      if (a.contains(QLatin1Char('.'))) a = vazia.filePath(a);
    }
    const Execucao e = executa(args);
    QVERIFY(e.codigo > 0);
    const QString erros = QString::fromUtf8(e.erros);
    QCOMPARE(erros.count(QLatin1Char('\n')), 1);
    QVERIFY2(erros.startsWith(QLatin1String("velquora-render: ")) && erros.contains(mensagem), qPrintable(erros));
    QVERIFY(e.saida.isEmpty());
    QCOMPARE(QDir(vazia.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
  }
};

QTEST_MAIN(TstRender)
#include "tst_render.moc"
