#include "resources/Labels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "resources/TextShapes.h"

namespace velmoran::art {

namespace {

const QColor goldTop(255, 236, 150);
const QColor goldBottom(214, 150, 40);
const QColor ink(30, 14, 6);

// Gold lettering with a dark edge and a soft drop shadow.
void paintGoldText(QPainter& p, const QPainterPath& text, qreal edge) {
  const QRectF bounds = text.boundingRect();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(text.translated(edge * 1.2, edge * 1.2), QColor(0, 0, 20, 150));
  p.strokePath(text, QPen(ink, edge * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient g(bounds.topLeft(), bounds.bottomLeft());
  g.setColorAt(0, goldTop);
  g.setColorAt(0.55, QColor(240, 196, 80));
  g.setColorAt(1, goldBottom);
  p.fillPath(text, g);
}

// Turns the keying colour into the label's transparent white, and keeps
// every other pixel off pure white.
QImage keyed(const QImage& drawn) {
  QImage out = drawn.convertToFormat(QImage::Format_RGB32);
  const QRgb key = tapestryBlue.rgb();
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      if (c == key) {
        line[x] = qRgb(255, 255, 255);
      } else if (c == qRgb(255, 255, 255)) {
        line[x] = qRgb(254, 254, 254);
      } else {
        line[x] = c;
      }
    }
  }
  return out;
}

QImage wordLabel(int width, qreal heightRatio, Face face, const QString& word) {
  const int height = std::max(8, static_cast<int>(std::lround(width * heightRatio)));
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(tapestryBlue);
  QPainter p(&image);
  const qreal edge = std::max(1.0, height * 0.045);
  const QRectF box(edge * 2, edge * 2, width - edge * 5, height - edge * 5);
  paintGoldText(p, fitInto(textOutline(face, word), box), edge);
  p.end();
  return keyed(image);
}

}  // namespace

QImage drawLogoLabel(int width) {
  return wordLabel(width, 0.3, Face::SerifBold, QStringLiteral("Velmoran"));
}
QImage drawBooksLabel(int width) {
  return wordLabel(width, 0.2, Face::SerifBold, QStringLiteral("Books"));
}
QImage drawHandLabel(int width) {
  return wordLabel(width, 0.2, Face::SerifBold, QStringLiteral("Hand"));
}

QImage drawVictoryBanner(int width) {
  const int height = static_cast<int>(std::lround(width * 0.26));
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient cloth(0, 0, 0, height);
  cloth.setColorAt(0, QColor(150, 14, 30));
  cloth.setColorAt(0.5, QColor(196, 30, 48));
  cloth.setColorAt(1, QColor(110, 8, 22));
  p.fillRect(image.rect(), cloth);
  // A double gold border.
  const qreal unit = height / 26.0;
  p.setPen(QPen(QColor(236, 190, 70), unit * 1.6));
  p.drawRect(QRectF(unit * 1.5, unit * 1.5, width - unit * 3, height - unit * 3));
  p.setPen(QPen(QColor(236, 190, 70), unit * 0.6));
  p.drawRect(QRectF(unit * 3.5, unit * 3.5, width - unit * 7, height - unit * 7));
  // Stars on each side of the word.
  auto star = [&](QPointF c, qreal r) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
      const qreal angle = -std::numbers::pi / 2 + std::numbers::pi * i / 5;
      const qreal radius = i % 2 ? r * 0.42 : r;
      points << c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QPen(ink, unit * 0.5));
    p.setBrush(QColor(250, 214, 90));
    p.drawPolygon(points);
  };
  star(QPointF(width * 0.09, height / 2.0), height * 0.2);
  star(QPointF(width * 0.91, height / 2.0), height * 0.2);
  const QRectF box(width * 0.17, height * 0.2, width * 0.66, height * 0.6);
  paintGoldText(p, fitInto(textOutline(Face::SerifBold, QStringLiteral("Victory!")), box),
                std::max(1.0, unit * 0.8));
  return image;
}

}  // namespace velmoran::art
