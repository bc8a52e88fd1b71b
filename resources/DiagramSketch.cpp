#include "DiagramSketch.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "CardPainter.h"
#include "Fonts.h"
#include "Labels.h"

namespace velmoran::art::sketch {

QPointF placeAt(QPointF origin, int column, int row) {
  return origin + QPointF(column * (cardW + 1) + 1, row * (cardH + 1) + 1);
}

QRectF placeRect(QPointF origin, int column, int row) {
  return {placeAt(origin, column, row), QSizeF(cardW, cardH)};
}

void emptyPlace(QPainter& p, const QRectF& r, bool panel) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(r, Qt::black);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(panel ? QColor(50, 50, 0) : QColor(50, 0, 0), 3));
  p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 8, 8, Qt::AbsoluteSize);
  p.setPen(QPen(panel ? QColor(127, 127, 0) : QColor(127, 0, 0), 1));
  p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 8, 8, Qt::AbsoluteSize);
  p.restore();
}

void legalFrame(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(100, 100, 0), 3));
  p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 8, 8, Qt::AbsoluteSize);
  p.setPen(QPen(QColor(220, 220, 0), 1));
  p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 8, 8, Qt::AbsoluteSize);
  p.restore();
}

void board(QPainter& p, QPointF origin, int columns, int rows, const int* codes) {
  p.fillRect(QRectF(origin, QSizeF(columns * (cardW + 1) + 1, rows * (cardH + 1) + 1)), Qt::black);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int code = codes[row * columns + column];
      const QRectF r = placeRect(origin, column, row);
      if (code == 0) {
        emptyPlace(p, r);
      } else {
        paintCardFace(p, r, code);
      }
    }
  }
}

void tapestry(QPainter& p, const QRectF& r) { p.fillRect(r, tapestryBlue); }

void caption(QPainter& p, const QRectF& r, const QString& text, int pixelSize, Qt::Alignment align,
             const QColor& colour) {
  p.save();
  p.setFont(font(Face::Sans, pixelSize));
  p.setPen(colour);
  p.drawText(r, static_cast<int>(align) | Qt::TextWordWrap, text);
  p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
  const QPointF bend((from.x() + to.x()) / 2, std::min(from.y(), to.y()) - 24);
  QPainterPath path(from);
  path.quadTo(bend, to);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  const qreal angle = std::atan2(to.y() - bend.y(), to.x() - bend.x());
  const QPointF back(std::cos(angle), std::sin(angle));
  const QPointF side(-back.y(), back.x());
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({to, to - back * 10 + side * 5, to - back * 10 - side * 5}));
  p.restore();
}

QRectF window(QPainter& p, const QRectF& r, const QString& title) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(120, 120, 130));
  p.setBrush(QColor(236, 236, 236));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  QLinearGradient bar(r.topLeft(), r.topLeft() + QPointF(0, 20));
  bar.setColorAt(0, QColor(226, 226, 232));
  bar.setColorAt(1, QColor(198, 198, 206));
  p.fillRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, 19), bar);
  p.restore();
  caption(p, QRectF(r.left(), r.top(), r.width(), 20), title, 11);
  return r.adjusted(1, 21, -1, -1);
}

void checkBox(QPainter& p, QPointF at, const QString& text, bool ticked) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(110, 110, 120));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(at, QSizeF(12, 12)), 2, 2);
  if (ticked) {
    p.setPen(QPen(QColor(30, 30, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({at + QPointF(3, 6), at + QPointF(5.5, 9), at + QPointF(10, 3)}));
  }
  p.restore();
  caption(p, QRectF(at.x() + 17, at.y() - 3, 260, 18), text, 11, Qt::AlignLeft | Qt::AlignVCenter);
}

void button(QPainter& p, const QRectF& r, const QString& text, bool isDefault) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(120, 120, 130));
  p.setBrush(isDefault ? QColor(120, 170, 235) : QColor(250, 250, 250));
  p.drawRoundedRect(r, 5, 5);
  p.restore();
  caption(p, r, text, 11);
}

void popup(QPainter& p, const QRectF& r, const QString& text) {
  button(p, r, QString());
  caption(p, r.adjusted(8, 0, 0, 0), text, 11, Qt::AlignLeft | Qt::AlignVCenter);
  caption(p, QRectF(r.right() - 16, r.top(), 14, r.height()), QStringLiteral("\u25BE"), 11);
}

void groupBox(QPainter& p, const QRectF& r, const QString& title) {
  p.save();
  p.setPen(QColor(170, 170, 180));
  p.setBrush(QColor(228, 228, 228));
  p.drawRoundedRect(r, 4, 4);
  p.restore();
  caption(p, QRectF(r.left() + 8, r.top() - 16, r.width(), 16), title, 11,
          Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace velmoran::art::sketch
