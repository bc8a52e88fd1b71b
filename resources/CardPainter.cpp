#include "resources/CardPainter.h"

#include <QHash>
#include <array>
#include <cmath>

#include "resources/CourtFigure.h"
#include "resources/TextShapes.h"

namespace velmoran::art {

namespace {

// A pip position on the face: column (-1 left, 0 middle, 1 right) and the
// height as a fraction from the top row (0) to the bottom row (1).
struct Pip {
  int column;
  qreal down;
};

// The classic pip layouts of the two to the ten.
const std::vector<Pip>& pipLayout(int rank) {
  static const std::array<std::vector<Pip>, 11> layouts{{
      {},
      {},
      {{0, 0}, {0, 1}},
      {{0, 0}, {0, 0.5}, {0, 1}},
      {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
      {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}},
      {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}},
      {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}},
      {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}},
      {{-1, 0},
       {1, 0},
       {-1, 1.0 / 3},
       {1, 1.0 / 3},
       {0, 0.5},
       {-1, 2.0 / 3},
       {1, 2.0 / 3},
       {-1, 1},
       {1, 1}},
      {{-1, 0},
       {1, 0},
       {0, 1.0 / 6},
       {-1, 1.0 / 3},
       {1, 1.0 / 3},
       {-1, 2.0 / 3},
       {1, 2.0 / 3},
       {0, 5.0 / 6},
       {-1, 1},
       {1, 1}},
  }};
  return layouts[static_cast<size_t>(rank)];
}

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

// Rank glyph outlines, made once: building a text outline is the slowest
// step of drawing a face.
const QPainterPath& rankGlyph(int rank) {
  static const auto glyphs = [] {
    std::array<QPainterPath, 14> all;
    for (int r = 1; r <= 13; ++r)
      all[static_cast<size_t>(r)] = textOutline(Face::SansBold, rankText(r));
    return all;
  }();
  return glyphs[static_cast<size_t>(rank)];
}

// The rank and small suit in the top-left corner; the caller turns the
// painter to draw the opposite corner.
void paintIndex(QPainter& p, const QRectF& card, Suit suit, int rank) {
  const qreal w = card.width();
  // Whole-pixel boxes keep the small index sharp at the smallest size.
  const qreal rankHeight = std::round(std::max(8.0, w * 0.2));
  const QRectF rankBox(card.left() + std::round(w * 0.025), card.top() + std::round(w * 0.055),
                       std::round(w * 0.19), rankHeight);
  p.fillPath(fitInto(rankGlyph(rank), rankBox, 1.5), suitInk(suit));
  // Never smaller than the 7-pixel sign, so the suit reads at every size.
  const qreal pip = std::round(std::max(7.0, w * 0.15));
  const QRectF suitBox(rankBox.center().x() - pip / 2, rankBox.bottom() + std::round(w * 0.04), pip,
                       pip);
  p.fillPath(suitIn(suit, suitBox), suitInk(suit));
}

void paintPips(QPainter& p, const QRectF& card, Suit suit, int rank) {
  const qreal w = card.width();
  const qreal h = card.height();
  const qreal pipW = w * 0.19;
  const qreal pipH = pipW * 1.05;
  const qreal top = card.top() + h * 0.19;
  const qreal span = h * 0.62;
  QPainterPath all;
  for (const Pip& pip : pipLayout(rank)) {
    const qreal cx = card.left() + w * (0.5 + 0.2 * pip.column);
    const qreal cy = top + span * pip.down;
    all.addPath(suitIn(suit, QRectF(cx - pipW / 2, cy - pipH / 2, pipW, pipH), pip.down > 0.5));
  }
  p.fillPath(all, suitInk(suit));
}

void paintAce(QPainter& p, const QRectF& card, Suit suit) {
  const qreal w = card.width();
  const qreal size = w * (suit == Suit::Spades ? 0.56 : 0.46);
  const QRectF box(card.center().x() - size / 2, card.center().y() - size * 0.53, size,
                   size * 1.06);
  if (suit == Suit::Spades) {
    // The ace of spades carries a ring around its pip.
    const qreal ring = size * 0.78;
    p.setPen(QPen(suitInk(suit), std::max(1.0, w * 0.02)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box.center(), ring, ring);
  }
  p.fillPath(suitIn(suit, box), suitInk(suit));
}

void paintCourt(QPainter& p, const QRectF& card, Suit suit, int rank) {
  const qreal w = card.width();
  const qreal h = card.height();
  const qreal left = std::round(w * 0.25);
  const qreal top = std::round(h * 0.05);
  const QRectF frame(card.left() + left, card.top() + top, w - 2 * left, h - 2 * top);
  paintCourtFigure(p, frame, suit, rank);
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
  paintCardBlank(p, rect);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  paintIndex(p, rect, suit, rank);
  p.translate(rect.center());
  p.rotate(180);
  p.translate(-rect.center());
  paintIndex(p, rect, suit, rank);
  p.restore();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  if (rank == 1) {
    paintAce(p, rect, suit);
  } else if (rank <= 10) {
    paintPips(p, rect, suit, rank);
  } else {
    paintCourt(p, rect, suit, rank);
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
