#include "resources/CourtFigure.h"

#include <QPainterPath>
#include <array>
#include <cmath>

namespace velmoran::art {

namespace {

constexpr int jack = 11;
constexpr int queen = 12;

const QColor outlineInk(40, 30, 40);
const QColor gold(226, 178, 42);
const QColor skin(246, 210, 170);
const QColor paper(253, 247, 230);

// Maps the unit square of one half figure (u across, v down to the
// middle line) onto the frame's upper half.
class Half {
 public:
  explicit Half(const QRectF& r) : r_(r) {}
  QPointF at(qreal u, qreal v) const {
    return {r_.left() + u * r_.width(), r_.top() + v * r_.height()};
  }
  QRectF box(qreal u, qreal v, qreal du, qreal dv) const { return {at(u, v), at(u + du, v + dv)}; }
  qreal across(qreal du) const { return du * r_.width(); }

 private:
  QRectF r_;
};

void paintRobe(QPainter& p, const Half& h, Suit suit, int rank) {
  QPainterPath robe;
  robe.moveTo(h.at(0.04, 1.0));
  robe.cubicTo(h.at(0.04, 0.74), h.at(0.22, 0.64), h.at(0.5, 0.64));
  robe.cubicTo(h.at(0.78, 0.64), h.at(0.96, 0.74), h.at(0.96, 1.0));
  robe.closeSubpath();
  p.setBrush(robeColour(suit, rank));
  p.drawPath(robe);
  // A gold collar and a row of buttons or jewels down the front.
  QPainterPath collar;
  collar.moveTo(h.at(0.3, 0.66));
  collar.lineTo(h.at(0.5, 0.84));
  collar.lineTo(h.at(0.7, 0.66));
  collar.lineTo(h.at(0.62, 0.645));
  collar.lineTo(h.at(0.5, 0.76));
  collar.lineTo(h.at(0.38, 0.645));
  collar.closeSubpath();
  p.setBrush(gold);
  p.drawPath(collar);
  p.drawEllipse(h.box(0.46, 0.88, 0.08, 0.07));
}

void paintHead(QPainter& p, const Half& h, int rank) {
  if (rank == queen) {
    // Long hair behind the face.
    p.setBrush(QColor(150, 92, 36));
    p.drawRoundedRect(h.box(0.3, 0.28, 0.4, 0.42), h.across(0.16), h.across(0.16));
  }
  p.setBrush(skin);
  p.drawEllipse(h.box(0.37, 0.3, 0.26, 0.32));
  if (rank == 13) {
    QPainterPath beard;
    beard.moveTo(h.at(0.37, 0.47));
    beard.cubicTo(h.at(0.38, 0.62), h.at(0.44, 0.7), h.at(0.5, 0.74));
    beard.cubicTo(h.at(0.56, 0.7), h.at(0.62, 0.62), h.at(0.63, 0.47));
    beard.cubicTo(h.at(0.58, 0.55), h.at(0.42, 0.55), h.at(0.37, 0.47));
    p.setBrush(QColor(212, 208, 200));
    p.drawPath(beard);
  }
  if (rank == jack) {
    p.setBrush(QColor(120, 70, 30));
    p.drawChord(h.box(0.37, 0.3, 0.26, 0.16), 0, 180 * 16);
  }
  // Eyes, where there is room for them.
  if (h.across(1.0) >= 28) {
    p.setBrush(outlineInk);
    const qreal eye = h.across(0.035);
    p.drawEllipse(h.at(0.45, 0.45), eye, eye);
    p.drawEllipse(h.at(0.55, 0.45), eye, eye);
  }
}

void paintHeadwear(QPainter& p, const Half& h, Suit suit, int rank) {
  p.setBrush(gold);
  if (rank == 13) {
    QPainterPath crown;
    crown.moveTo(h.at(0.34, 0.33));
    crown.lineTo(h.at(0.32, 0.1));
    crown.lineTo(h.at(0.42, 0.2));
    crown.lineTo(h.at(0.5, 0.05));
    crown.lineTo(h.at(0.58, 0.2));
    crown.lineTo(h.at(0.68, 0.1));
    crown.lineTo(h.at(0.66, 0.33));
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(QColor(200, 20, 40));
    p.drawEllipse(h.box(0.46, 0.22, 0.08, 0.07));
  } else if (rank == queen) {
    p.drawRect(h.box(0.36, 0.24, 0.28, 0.07));
    for (qreal u : {0.38, 0.5, 0.62}) p.drawEllipse(h.at(u, 0.2), h.across(0.05), h.across(0.05));
  } else {
    // A soft cap with a feather.
    p.setBrush(robeColour(suit, rank).darker(130));
    p.drawEllipse(h.box(0.28, 0.2, 0.44, 0.14));
    QPainterPath feather;
    feather.moveTo(h.at(0.62, 0.24));
    feather.cubicTo(h.at(0.72, 0.06), h.at(0.86, 0.04), h.at(0.92, 0.06));
    feather.cubicTo(h.at(0.84, 0.14), h.at(0.74, 0.2), h.at(0.66, 0.28));
    feather.closeSubpath();
    p.setBrush(gold);
    p.drawPath(feather);
  }
}

// What the figure holds at its right: a sword, a flower or a halberd.
void paintAttribute(QPainter& p, const Half& h, Suit suit, int rank) {
  if (rank == 13) {
    p.setBrush(QColor(200, 204, 214));
    p.drawRect(h.box(0.8, 0.12, 0.05, 0.6));
    p.setBrush(gold);
    p.drawRect(h.box(0.72, 0.6, 0.21, 0.05));
  } else if (rank == queen) {
    p.setBrush(QColor(40, 120, 50));
    p.drawRect(h.box(0.81, 0.3, 0.03, 0.38));
    p.setBrush(isRed(suit) ? QColor(236, 110, 150) : QColor(236, 200, 60));
    p.drawEllipse(h.at(0.825, 0.27), h.across(0.08), h.across(0.08));
  } else {
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(h.box(0.82, 0.06, 0.035, 0.66));
    QPainterPath blade;
    blade.moveTo(h.at(0.84, 0.12));
    blade.lineTo(h.at(0.97, 0.16));
    blade.lineTo(h.at(0.97, 0.3));
    blade.lineTo(h.at(0.84, 0.26));
    blade.closeSubpath();
    p.setBrush(QColor(200, 204, 214));
    p.drawPath(blade);
  }
}

void paintHalf(QPainter& p, const QRectF& half, Suit suit, int rank) {
  const Half h(half);
  p.setPen(QPen(outlineInk, std::max(0.6, half.width() * 0.02)));
  paintRobe(p, h, suit, rank);
  paintHead(p, h, rank);
  paintHeadwear(p, h, suit, rank);
  paintAttribute(p, h, suit, rank);
  p.setPen(Qt::NoPen);
  // The suit's emblem in the free corner, left of the headwear, where the
  // figure is wide enough for the smallest crisp sign; on narrower figures
  // the corner index beside the frame shows the suit.
  const qreal emblem = std::floor(h.across(0.24));
  if (emblem >= crispSignSize(0)) {
    const QPointF corner = h.at(0.03, 0.03);
    p.setBrush(suitInk(suit));
    p.drawPath(
        suitIn(suit, QRectF(std::round(corner.x()), std::round(corner.y()), emblem, emblem)));
  }
}

}  // namespace

// Each of the twelve court cards has a robe of its own colour, spread
// round the colour wheel and in lightness, so that no two courts look alike,
// not even those of one rank in the two suits of one colour.
QColor robeColour(Suit suit, int rank) {
  static const std::array<std::array<QColor, 3>, 4> robes{{
      {QColor(30, 130, 60), QColor(20, 140, 140), QColor(140, 85, 40)},    // clubs
      {QColor(235, 130, 25), QColor(215, 70, 160), QColor(130, 160, 30)},  // diamonds
      {QColor(200, 40, 45), QColor(60, 150, 220), QColor(120, 20, 50)},    // hearts
      {QColor(35, 65, 175), QColor(130, 50, 160), QColor(90, 200, 140)},   // spades
  }};
  return robes[static_cast<size_t>(suit) & 3][static_cast<size_t>(rank - jack) % 3];
}

void paintCourtFigure(QPainter& p, const QRectF& frame, Suit suit, int rank) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(paper);
  p.drawRect(frame);
  p.setClipRect(frame);
  const QRectF upper(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  paintHalf(p, upper, suit, rank);
  p.translate(frame.center());
  p.rotate(180);
  p.translate(-frame.center());
  paintHalf(p, upper, suit, rank);
  p.restore();
  // The frame line, on whole pixels so that it stays sharp.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(suitInk(suit));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.restore();
}

}  // namespace velmoran::art
