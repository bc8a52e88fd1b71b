#include "resources/FaceLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

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

void placeIndex(FaceLayout& f, qreal w) {
  // Whole-pixel boxes keep the small index sharp at the smallest size.
  const qreal rankHeight = std::round(std::max(8.0, w * 0.2));
  f.rank = QRectF(std::round(w * 0.025), std::round(w * 0.055), std::round(w * 0.19), rankHeight);
  // Never smaller than the 7-pixel sign, so the suit reads at every size.
  const qreal sign = std::round(std::max(7.0, w * 0.15));
  f.indexSuit = suitSignBounds(
      QRectF(f.rank.center().x() - sign / 2, f.rank.bottom() + std::round(w * 0.04), sign, sign));
}

void placePips(FaceLayout& f, int rank, QSizeF card) {
  const qreal w = card.width();
  const qreal pipW = w * 0.19;
  const qreal pipH = pipW * 1.05;
  const qreal top = card.height() * 0.19;
  const qreal span = card.height() * 0.62;
  for (const Pip& pip : pipLayout(rank)) {
    const qreal cx = w * (0.5 + 0.2 * pip.column);
    const qreal cy = top + span * pip.down;
    f.pips.push_back(
        {suitSignBounds(QRectF(cx - pipW / 2, cy - pipH / 2, pipW, pipH)), pip.down > 0.5});
  }
}

void placeAce(FaceLayout& f, Suit suit, QSizeF card) {
  const qreal w = card.width();
  const qreal size = w * (suit == Suit::Spades ? 0.56 : 0.46);
  const QPointF centre(card.width() / 2, card.height() / 2);
  f.pips.push_back({QRectF(centre.x() - size / 2, centre.y() - size * 0.53, size, size * 1.06)});
  // The ace of spades carries a ring around its pip.
  if (suit == Suit::Spades) {
    f.ringRadius = size * 0.78;
    f.ringPen = std::max(1.0, w * 0.02);
  }
}

void placeCourt(FaceLayout& f, QSizeF card) {
  const qreal left = std::round(card.width() * 0.25);
  const qreal top = std::round(card.height() * 0.05);
  f.courtFrame = QRectF(left, top, card.width() - 2 * left, card.height() - 2 * top);
}

}  // namespace

QRectF turnedHalfRound(const QRectF& box, QSizeF card) {
  return {card.width() - box.right(), card.height() - box.bottom(), box.width(), box.height()};
}

std::vector<QRectF> FaceLayout::indexBoxes() const {
  return {rank, indexSuit, turnedHalfRound(rank, card), turnedHalfRound(indexSuit, card)};
}

std::vector<QRectF> FaceLayout::pictureBoxes() const {
  std::vector<QRectF> boxes;
  for (const PipPlace& pip : pips) boxes.push_back(pip.box);
  if (!courtFrame.isEmpty()) boxes.push_back(courtFrame);
  return boxes;
}

FaceLayout faceLayout(QSizeF card, int code) {
  FaceLayout f;
  f.card = card;
  if (code < 1 || code > 52) return f;
  const int rank = (code - 1) % 13 + 1;
  const Suit suit = suitOfRow((code - 1) / 13);
  placeIndex(f, card.width());
  if (rank == 1) {
    placeAce(f, suit, card);
  } else if (rank <= 10) {
    placePips(f, rank, card);
  } else {
    placeCourt(f, card);
  }
  return f;
}

}  // namespace velmoran::art
