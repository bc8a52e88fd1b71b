#include "resources/SuitShapes.h"

#include <QTransform>
#include <array>
#include <cmath>
#include <vector>

namespace velmoran::art {

namespace {

QPainterPath heart() {
  QPainterPath p;
  p.moveTo(0.5, 1.0);
  p.cubicTo(0.36, 0.80, 0.0, 0.62, 0.0, 0.30);
  p.cubicTo(0.0, 0.11, 0.13, 0.0, 0.27, 0.0);
  p.cubicTo(0.39, 0.0, 0.47, 0.07, 0.5, 0.19);
  p.cubicTo(0.53, 0.07, 0.61, 0.0, 0.73, 0.0);
  p.cubicTo(0.87, 0.0, 1.0, 0.11, 1.0, 0.30);
  p.cubicTo(1.0, 0.62, 0.64, 0.80, 0.5, 1.0);
  p.closeSubpath();
  return p;
}

QPainterPath diamond() {
  QPainterPath p;
  p.moveTo(0.5, 0.0);
  p.quadTo(0.66, 0.30, 0.9, 0.5);
  p.quadTo(0.66, 0.70, 0.5, 1.0);
  p.quadTo(0.34, 0.70, 0.1, 0.5);
  p.quadTo(0.34, 0.30, 0.5, 0.0);
  p.closeSubpath();
  return p;
}

// The flared foot shared by spades and clubs, from the body down to y = 1.
QPainterPath stem(qreal top) {
  QPainterPath p;
  p.moveTo(0.46, top);
  p.cubicTo(0.46, 0.84, 0.42, 0.94, 0.28, 1.0);
  p.lineTo(0.72, 1.0);
  p.cubicTo(0.58, 0.94, 0.54, 0.84, 0.54, top);
  p.closeSubpath();
  return p;
}

QPainterPath spade() {
  QPainterPath body;
  body.moveTo(0.5, 0.0);
  body.cubicTo(0.64, 0.18, 1.0, 0.34, 1.0, 0.60);
  body.cubicTo(1.0, 0.76, 0.88, 0.84, 0.74, 0.84);
  body.cubicTo(0.63, 0.84, 0.55, 0.78, 0.5, 0.68);
  body.cubicTo(0.45, 0.78, 0.37, 0.84, 0.26, 0.84);
  body.cubicTo(0.12, 0.84, 0.0, 0.76, 0.0, 0.60);
  body.cubicTo(0.0, 0.34, 0.36, 0.18, 0.5, 0.0);
  body.closeSubpath();
  return body.united(stem(0.62));
}

QPainterPath club() {
  QPainterPath p;
  const qreal r = 0.235;
  p.addEllipse(QPointF(0.5, 0.25), r, r);
  QPainterPath left;
  left.addEllipse(QPointF(0.245, 0.6), r, r);
  QPainterPath right;
  right.addEllipse(QPointF(0.755, 0.6), r, r);
  QPainterPath middle;
  middle.addEllipse(QPointF(0.5, 0.55), 0.14, 0.14);
  return p.united(left).united(right).united(middle).united(stem(0.6));
}

// Suit signs this small are set pixel by pixel: curves a few pixels wide
// blur into one blob, and a club then looks like a spade. The club shows
// three lobes with white between them, the spade a solid point. Each
// pattern is symmetric left to right, so turning it upside down only
// reverses rows.
constexpr qreal largestPatternedSign = 10;
using Pattern = std::vector<const char*>;
struct PatternSet {
  qreal size;
  std::array<Pattern, 4> suits;  // clubs, diamonds, hearts, spades
};
const std::array<PatternSet, 3> patternSets{{
    {7,
     {{
         {"..###..", "..###..", "...#...", "##.#.##", "#######", "##.#.##", "..###.."},
         {"...#...", "..###..", ".#####.", "#######", ".#####.", "..###..", "...#..."},
         {".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#..."},
         {"...#...", "..###..", ".#####.", "#######", "#######", "...#...", "..###.."},
     }}},
    {8,
     {{
         {"...##...", "..####..", "..####..", "...##...", "##.##.##", "########", "##.##.##",
          "..####.."},
         {"...##...", "..####..", ".######.", "########", "########", ".######.", "..####..",
          "...##..."},
         {".##..##.", "########", "########", "########", ".######.", ".######.", "..####..",
          "...##..."},
         {"...##...", "..####..", ".######.", "########", "########", ".##..##.", "...##...",
          "..####.."},
     }}},
    {9,
     {{
         {"...###...", "..#####..", "..#####..", "...###...", ".##.#.##.", "#########",
          ".##.#.##.", "....#....", "..#####.."},
         {"....#....", "...###...", "..#####..", ".#######.", "#########", ".#######.",
          "..#####..", "...###...", "....#...."},
         {".##...##.", "####.####", "#########", "#########", ".#######.", ".#######.",
          "..#####..", "...###...", "....#...."},
         {"....#....", "...###...", "..#####..", ".#######.", "#########", "#########",
          ".##.#.##.", "....#....", "..#####.."},
     }}},
}};

// The largest pattern rect has room for; the smallest when it has none.
size_t patternSetFor(const QRectF& rect) {
  const qreal room = std::min(rect.width(), rect.height());
  size_t set = 0;
  while (set + 1 < patternSets.size() && patternSets[set + 1].size <= room) ++set;
  return set;
}

QPointF patternCorner(const QRectF& rect) {
  const qreal size = patternSets[patternSetFor(rect)].size;
  return {std::round(rect.center().x() - size / 2), std::round(rect.center().y() - size / 2)};
}

// The pattern of a suit as one outline with its top-left corner at 0, 0.
QPainterPath patternOutline(const Pattern& rows, bool flipped) {
  QPainterPath path;
  for (size_t r = 0; r < rows.size(); ++r) {
    const char* row = rows[flipped ? rows.size() - 1 - r : r];
    for (int c = 0; row[c] != '\0'; ++c) {
      if (row[c] == '#') path.addRect(c, static_cast<qreal>(r), 1, 1);
    }
  }
  return path.simplified();
}

// Merging the pattern's squares into one outline is slow, and a small card
// face holds a dozen signs: each outline is made once and moved into place.
QPainterPath pixelSign(Suit s, const QRectF& rect, bool flipped) {
  static const auto outlines = [] {
    std::array<std::array<std::array<QPainterPath, 2>, 4>, patternSets.size()> all;
    for (size_t set = 0; set < all.size(); ++set)
      for (size_t suit = 0; suit < 4; ++suit)
        for (const bool flip : {false, true})
          all[set][suit][flip ? 1 : 0] = patternOutline(patternSets[set].suits[suit], flip);
    return all;
  }();
  return outlines[patternSetFor(rect)][static_cast<size_t>(s) & 3][flipped ? 1 : 0].translated(
      patternCorner(rect));
}

}  // namespace

QColor suitInk(Suit s) { return isRed(s) ? QColor(204, 18, 36) : QColor(18, 18, 24); }

const QPainterPath& suitShape(Suit s) {
  static const std::array<QPainterPath, 4> shapes{club(), diamond(), heart(), spade()};
  return shapes[static_cast<size_t>(s) & 3];
}

bool isPixelSign(const QRectF& rect) {
  return std::max(rect.width(), rect.height()) < largestPatternedSign;
}

qreal crispSignSize(qreal size) {
  if (size >= largestPatternedSign) return size;
  return patternSets[patternSetFor(QRectF(0, 0, size, size))].size;
}

QRectF suitSignBounds(const QRectF& rect) {
  if (!isPixelSign(rect)) return rect;
  const qreal size = patternSets[patternSetFor(rect)].size;
  return {patternCorner(rect), QSizeF(size, size)};
}

QPainterPath suitIn(Suit s, const QRectF& rect, bool flipped) {
  if (isPixelSign(rect)) return pixelSign(s, rect, flipped);
  QTransform t;
  if (flipped) {
    t.translate(rect.right(), rect.bottom());
    t.scale(-rect.width(), -rect.height());
  } else {
    t.translate(rect.left(), rect.top());
    t.scale(rect.width(), rect.height());
  }
  return t.map(suitShape(s));
}

}  // namespace velmoran::art
