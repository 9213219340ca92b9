#include "icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainterPath>

#include "app/emblem.h"

namespace velquora {

void DesenhaIcone(QPainter& pintor, const QRectF& area) {
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setPen(Qt::NoPen);
  const auto cor = [](Cor c) { return QColor(Vermelho(c), Verde(c), Azul(c)); };

  // A square of 200 units centred on the origin, y up; the outer snowflake
  // reaches 160 / sqrt(3) = 92.4 from the centre.
  const double lado = std::min(area.width(), area.height());
  const double margem = lado / 32;
  const QRectF quadrado(area.center().x() - lado / 2 + margem, area.center().y() - lado / 2 + margem, lado - 2 * margem,
                        lado - 2 * margem);
  pintor.setBrush(cor(FundoEmblema));
  pintor.drawRoundedRect(quadrado, quadrado.width() / 8, quadrado.height() / 8);

  pintor.translate(area.center());
  pintor.scale(quadrado.width() / 200, -quadrado.height() / 200);
  for (const FlocoEmblema& f : FlocosEmblema) {
    const std::vector<QPointF> contorno = ContornoFloco(f.lado, f.nivel);
    pintor.setBrush(cor(f.cor));
    pintor.drawPolygon(contorno.data(), static_cast<int>(contorno.size()));
  }
  pintor.restore();
}

namespace {

// Paints the icon afresh for each size asked, so no size is a scaled copy.
class MotorIcone : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& tamanho, QIcon::Mode modo, QIcon::State estado) override {
    QPixmap imagem(tamanho);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    paint(&pintor, QRect(QPoint(0, 0), tamanho), modo, estado);
    return imagem;
  }
  void paint(QPainter* pintor, const QRect& area, QIcon::Mode, QIcon::State) override { DesenhaIcone(*pintor, area); }
  QIconEngine* clone() const override { return new MotorIcone; }
};

}  // namespace

QIcon Icone() { return QIcon(new MotorIcone); }

void IdentificaPrograma() {
  QGuiApplication::setDesktopFileName(QStringLiteral(VELQUORA_APP_ID));
  QGuiApplication::setWindowIcon(Icone());
}

}  // namespace velquora
