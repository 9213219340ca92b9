// Draws the program's icon into a hicolor icon theme tree: an SVG and a PNG
// at each of the theme's usual sizes, every one drawn afresh at its size.
//
//   make_icons <output directory> <icon name> <size>...

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <cstdio>

#include "app/icon.h"

using namespace velquora;

namespace {

bool gravaPng(const QString& raiz, const QString& nome, int lado) {
  const QString pasta = QStringLiteral("%1/hicolor/%2x%2/apps").arg(raiz).arg(lado);
  QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::transparent);
  {
    QPainter pintor(&imagem);
    DesenhaIcone(pintor, QRectF(0, 0, lado, lado));
  }
  return QDir().mkpath(pasta) && imagem.save(pasta + QLatin1Char('/') + nome + QStringLiteral(".png"));
}

bool gravaSvg(const QString& raiz, const QString& nome) {
  const QString pasta = raiz + QStringLiteral("/hicolor/scalable/apps");
  if (!QDir().mkpath(pasta)) return false;
  QSvgGenerator svg;
  svg.setFileName(pasta + QLatin1Char('/') + nome + QStringLiteral(".svg"));
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle(QStringLiteral("Velquora"));
  svg.setDescription(QStringLiteral("Três flocos de neve de Koch, um dentro do outro"));
  QPainter pintor;
  if (!pintor.begin(&svg)) return false;
  DesenhaIcone(pintor, QRectF(0, 0, 256, 256));
  return pintor.end();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList argumentos = QGuiApplication::arguments();
  if (argumentos.size() < 4) {
    std::fprintf(stderr, "uso: make_icons <pasta> <nome do ícone> <tamanho>...\n");
    return 2;
  }
  const QString raiz = argumentos[1];
  const QString nome = argumentos[2];
  bool ok = gravaSvg(raiz, nome);
  for (qsizetype i = 3; i < argumentos.size(); ++i) ok = gravaPng(raiz, nome, argumentos[i].toInt()) && ok;
  if (!ok) {
    std::fprintf(stderr, "make_icons: não foi possível gravar os ícones em %s\n", qPrintable(raiz));
    return 1;
  }
  return 0;
}
