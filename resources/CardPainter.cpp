#include "resources/CardPainter.h"

#include <QHash>
#include <array>
#include <cmath>

#include "resources/CourtFigure.h"
#include "resources/FaceLayout.h"
#include "resources/TextShapes.h"

namespace velmoran::art {

namespace {

QString rankText(int rank) {
  switch (rank) {
    case 1:
      return QStringLiteral("A");
    case 11:
      return QStringLiteral("J");
    case 12:
      return QStringLiteral("Q");
    case 13:
      return QStringLiteral("K");
    default:
      return QString::number(rank);
  }
}

// "10" set narrow: the font's own two digits are nearly twice as wide as
// high, and squeezed into the index of a small card they blur. The "1" is
// drawn as a bare stem with its flag, without the font's wide foot.
QPainterPath tenGlyph() {
  const QPainterPath zero = textOutline(Face::SansBold, QStringLiteral("0"));
  const QRectF digit = zero.boundingRect();
  const qreal unit = digit.height();
  const qreal top = digit.top(), bottom = digit.bottom();
  const qreal stemLeft = unit * 0.16, stemRight = unit * 0.36;
  QPainterPath ten;
  ten.addPolygon(QPolygonF({QPointF(stemRight, top), QPointF(stemRight, bottom),
                            QPointF(stemLeft, bottom), QPointF(stemLeft, top + unit * 0.28),
                            QPointF(0, top + unit * 0.38), QPointF(0, top + unit * 0.2),
                            QPointF(stemLeft, top)}));
  ten.closeSubpath();
  ten.addPath(zero.translated(stemRight + unit * 0.12 - digit.left(), 0));
  return ten;
}

// Rank glyph outlines, made once: building a text outline is the slowest
// step of drawing a face.
const QPainterPath& rankGlyph(int rank) {
  static const auto glyphs = [] {
    std::array<QPainterPath, 14> all;
    for (int r = 1; r <= 13; ++r)
      all[static_cast<size_t>(r)] = r == 10 ? tenGlyph() : textOutline(Face::SansBold, rankText(r));
    return all;
  }();
  return glyphs[static_cast<size_t>(rank)];
}

// The rank and small suit in the top-left corner; the caller turns the
// painter to draw the opposite corner.
void paintIndex(QPainter& p, const FaceLayout& face, Suit suit, int rank) {
  p.fillPath(fitInto(rankGlyph(rank), face.rank, 1.5), suitInk(suit));
  p.fillPath(suitIn(suit, face.indexSuit), suitInk(suit));
}

void paintPips(QPainter& p, const FaceLayout& face, Suit suit) {
  QPainterPath all;
  for (const PipPlace& pip : face.pips) all.addPath(suitIn(suit, pip.box, pip.upsideDown));
  p.fillPath(all, suitInk(suit));
}

void paintRing(QPainter& p, const FaceLayout& face, Suit suit) {
  if (face.ringRadius <= 0) return;
  p.setPen(QPen(suitInk(suit), face.ringPen));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(face.pips.front().box.center(), face.ringRadius, face.ringRadius);
  p.setPen(Qt::NoPen);
}

}  // namespace

QPainterPath cardOutline(const QRectF& rect) {
  QPainterPath path;
  const qreal radius = std::max(3.0, rect.width() * 0.08);
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void paintCardBlank(QPainter& p, const QRectF& rect) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(110, 110, 120), 1.0));
  p.setBrush(Qt::white);
  p.drawPath(cardOutline(rect.adjusted(0.5, 0.5, -0.5, -0.5)));
  p.restore();
}

void paintCardFace(QPainter& p, const QRectF& rect, int card) {
  if (card < 1 || card > 52) return;
  const int rank = (card - 1) % 13 + 1;
  const Suit suit = suitOfRow((card - 1) / 13);
  const FaceLayout face = faceLayout(rect.size(), card);
  paintCardBlank(p, rect);
  p.save();
  p.translate(rect.topLeft());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF local(QPointF(0, 0), rect.size());
  p.save();
  paintIndex(p, face, suit, rank);
  p.translate(local.center());
  p.rotate(180);
  p.translate(-local.center());
  paintIndex(p, face, suit, rank);
  p.restore();
  if (rank > 10) {
    paintCourtFigure(p, face.courtFrame, suit, rank);
  } else {
    paintRing(p, face, suit);
    paintPips(p, face, suit);
  }
  p.restore();
}

QImage drawDeckSheet(int cardWidth) {
  const int w = cardWidth;
  const int h = cardHeightFor(w);
  QImage sheet(13 * w, 4 * h, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      paintCardFace(p, QRectF((rank - 1) * w, suit * h, w, h), suit * 13 + rank);
    }
  }
  return sheet;
}

}  // namespace velmoran::art
