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

// The measures a face is laid out by, in whole pixels: the smallest cards
// are set pixel by pixel, and whole-pixel boxes keep them sharp.
struct Measures {
  qreal margin;      // from the card's edge to its index
  qreal indexTop;
  qreal indexWidth;
  qreal rankHeight;
  qreal signSize;    // the suit sign of the index
  qreal signGap;     // between the rank and that sign
  qreal clearGap;    // the white between an index and the picture beside it
  qreal pictureLeft; // where the court picture begins, and the pips at the most
  qreal sideColumn;  // the left edge of the left column of pips
  qreal pipTop;      // above the top row of pips
  qreal pip;
};

Measures measuresFor(QSizeF card) {
  const qreal w = card.width();
  Measures m{};
  m.margin = std::max(1.0, std::round(w * 0.035));
  m.indexTop = std::max(2.0, std::round(w * 0.05));
  m.indexWidth = std::max(8.0, std::round(w * 0.18));
  m.rankHeight = std::max(9.0, std::round(w * 0.2));
  m.signSize = crispSignSize(std::max(7.0, std::round(w * 0.14)));
  m.signGap = std::max(1.0, std::round(w * 0.03));
  m.clearGap = std::max(2.0, std::round(w * 0.045));
  m.pictureLeft = m.margin + m.indexWidth + m.clearGap;
  m.pipTop = std::max(3.0, std::round(w * 0.05));
  // The ten's middle pips sit a sixth of the span below and above rows of
  // its side columns, so seven pips must fit down the card, with a pixel
  // of white between them once the card has room for it: that sets the
  // size of every pip, the pips of one deck being alike.
  const qreal pipGap = std::floor(w / 60);
  m.pip = crispSignSize(std::floor((card.height() - 2 * m.pipTop - 6 * pipGap) / 7));
  // The white across the card is shared evenly between index and column,
  // column and column, column and index: the pips neither crowd an index
  // nor stand apart from each other as a group of their own.
  const qreal index = m.margin + m.indexWidth;
  const qreal white = std::round((w - 2 * index - 2 * m.pip) / 3);
  m.sideColumn = std::max(m.pictureLeft, index + white);
  return m;
}

void placeIndex(FaceLayout& f, const Measures& m) {
  f.rank = QRectF(m.margin, m.indexTop, m.indexWidth, m.rankHeight);
  const qreal centre = m.margin + m.indexWidth / 2;
  f.indexSuit = suitSignBounds(
      QRectF(centre - m.signSize / 2, f.rank.bottom() + m.signGap, m.signSize, m.signSize));
}

QRectF pipBox(const Pip& pip, const Measures& m, QSizeF card) {
  const qreal left = pip.column < 0   ? m.sideColumn
                     : pip.column > 0 ? card.width() - m.sideColumn - m.pip
                                      : std::round((card.width() - m.pip) / 2);
  const qreal span = card.height() - 2 * m.pipTop - m.pip;
  return suitSignBounds({left, std::round(m.pipTop + pip.down * span), m.pip, m.pip});
}

void placePips(FaceLayout& f, int rank, const Measures& m) {
  for (const Pip& pip : pipLayout(rank)) {
    QRectF box = pipBox(pip, m, f.card);
    // The rows of the lower half mirror those of the upper, so that a card
    // reads the same either way up, to the pixel; the middle column stays
    // straight where it cannot be centred to the pixel.
    if (pip.down > 0.5)
      box.moveTop(turnedHalfRound(pipBox({pip.column, 1 - pip.down}, m, f.card), f.card).top());
    f.pips.push_back({box, pip.down > 0.5});
  }
}

qreal distanceToBox(QPointF point, const QRectF& box) {
  const qreal dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
  const qreal dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
  return std::hypot(dx, dy);
}

void placeAce(FaceLayout& f, Suit suit, const Measures& m) {
  const qreal w = f.card.width();
  const QPointF centre(w / 2, f.card.height() / 2);
  const qreal between = w - 2 * m.pictureLeft;
  qreal size = std::min(std::round(w * (suit == Suit::Spades ? 0.5 : 0.46)), between);
  // The ace of spades carries a ring around its pip, as large as the
  // indexes leave room for, on a card large enough for a ring around a
  // pip that is still drawn as a shape.
  if (suit == Suit::Spades) {
    const qreal pen = std::max(1.0, std::round(w * 0.02));
    qreal room = w;
    for (const QRectF& index : f.indexBoxes()) room = std::min(room, distanceToBox(centre, index));
    const qreal radius = std::min(size * 0.78, room - m.clearGap - pen / 2);
    const qreal ringed = std::min(size, std::floor(radius / 0.72));
    if (!isPixelSign(QRectF(0, 0, ringed, ringed))) {
      f.ringRadius = radius;
      f.ringPen = pen;
      size = ringed;
    }
  }
  f.pips.push_back(
      {suitSignBounds(QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size))});
}

void placeCourt(FaceLayout& f, const Measures& m) {
  f.courtFrame = QRectF(m.pictureLeft, m.pipTop, f.card.width() - 2 * m.pictureLeft,
                        f.card.height() - 2 * m.pipTop);
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
  const Measures m = measuresFor(card);
  placeIndex(f, m);
  if (rank == 1) {
    placeAce(f, suit, m);
  } else if (rank <= 10) {
    placePips(f, rank, m);
  } else {
    placeCourt(f, m);
  }
  return f;
}

}  // namespace velmoran::art
