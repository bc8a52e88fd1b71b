// Card backs that show a picture: the sun, animals, the sea, a lighthouse.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "resources/BackDesigns.h"

namespace velmoran::art::backs {

namespace {

using std::numbers::pi;

// Positions in card widths from the area's top-left corner, so that every
// scene scales with the card.
class Place {
 public:
  explicit Place(const QRectF& a) : a_(a) {}
  QPointF at(qreal x, qreal y) const {
    return {a_.left() + x * a_.width(), a_.top() + y * a_.width()};
  }
  QRectF box(qreal x, qreal y, qreal w, qreal h) const { return {at(x, y), at(x + w, y + h)}; }
  qreal len(qreal d) const { return d * a_.width(); }
  qreal height() const { return a_.height() / a_.width(); }  // in card widths
  QPointF centre() const { return a_.center(); }

 private:
  QRectF a_;
};

void sky(QPainter& p, const QRectF& a, qreal untilY, const QColor& top, const QColor& bottom) {
  QLinearGradient g(a.topLeft(), QPointF(a.left(), a.top() + untilY));
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(QRectF(a.left(), a.top(), a.width(), untilY), g);
}

void waves(QPainter& p, const Place& at, qreal fromY, qreal toY, qreal step, const QColor& c) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c, std::max(0.6, at.len(0.015))));
  int row = 0;
  for (qreal y = fromY; y < toY; y += step, ++row) {
    QPainterPath line;
    line.moveTo(at.at(-0.1 + (row % 2) * 0.06, y));
    for (qreal x = -0.1 + (row % 2) * 0.06; x < 1.1; x += 0.12) {
      line.quadTo(at.at(x + 0.03, y - 0.025), at.at(x + 0.06, y));
      line.quadTo(at.at(x + 0.09, y + 0.025), at.at(x + 0.12, y));
    }
    p.drawPath(line);
  }
}

void oneFish(QPainter& p, const Place& at, QPointF c, qreal size, bool left, const QColor& colour) {
  p.save();
  p.translate(at.at(c.x(), c.y()));
  p.scale(left ? -at.len(size) : at.len(size), at.len(size));
  QPainterPath body;
  body.moveTo(0.5, 0);
  body.cubicTo(0.3, -0.32, -0.2, -0.3, -0.38, 0);
  body.cubicTo(-0.2, 0.3, 0.3, 0.32, 0.5, 0);
  QPainterPath tail;
  tail.moveTo(-0.34, 0);
  tail.lineTo(-0.6, -0.22);
  tail.lineTo(-0.55, 0);
  tail.lineTo(-0.6, 0.22);
  tail.closeSubpath();
  p.setPen(QPen(colour.darker(160), 0.04));
  p.setBrush(colour);
  p.drawPath(tail);
  p.drawPath(body);
  p.setBrush(colour.lighter(130));
  p.drawChord(QRectF(-0.1, -0.2, 0.3, 0.4), 90 * 16, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(0.3, -0.05), 0.07, 0.07);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(0.32, -0.05), 0.035, 0.035);
  p.restore();
}

}  // namespace

void sunburst(QPainter& p, const QRectF& a, Rng&) {
  const Place at(a);
  p.fillRect(a, QColor(236, 110, 20));
  const QPointF c = at.centre();
  const qreal reach = at.len(1.6);
  p.setPen(Qt::NoPen);
  const int rays = 24;
  for (int i = 0; i < rays; i += 2) {
    const qreal a0 = 2 * pi * i / rays, a1 = 2 * pi * (i + 1) / rays;
    p.setBrush(QColor(252, 196, 48));
    p.drawPolygon(QPolygonF({c, c + reach * QPointF(std::cos(a0), std::sin(a0)),
                             c + reach * QPointF(std::cos(a1), std::sin(a1))}));
  }
  QRadialGradient glow(c, at.len(0.5));
  glow.setColorAt(0, QColor(255, 250, 210, 230));
  glow.setColorAt(1, QColor(255, 220, 120, 0));
  p.setBrush(glow);
  p.drawEllipse(c, at.len(0.5), at.len(0.5));
  QRadialGradient sun(c - QPointF(at.len(0.05), at.len(0.05)), at.len(0.24));
  sun.setColorAt(0, QColor(255, 248, 170));
  sun.setColorAt(1, QColor(250, 170, 20));
  p.setBrush(sun);
  p.setPen(QPen(QColor(200, 80, 10), std::max(1.0, at.len(0.025))));
  p.drawEllipse(c, at.len(0.21), at.len(0.21));
}

void armadillo(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(250, 214, 150), QColor(214, 150, 90));
  // Desert pebbles.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    p.setBrush(QColor(170, 110, 60, 160));
    p.drawEllipse(at.at(rng.unit(), h * 0.62 + rng.unit() * h * 0.36), at.len(0.02), at.len(0.014));
  }
  p.save();
  p.translate(at.at(0.5, h * 0.55));
  p.scale(at.len(1), at.len(1));
  const QPen outline(QColor(70, 50, 40), 0.02);
  p.setPen(outline);
  // Tail, legs and head under the shell.
  p.setBrush(QColor(150, 120, 100));
  QPainterPath tail;
  tail.moveTo(-0.34, 0.1);
  tail.quadTo(-0.46, 0.14, -0.5, 0.24);
  tail.quadTo(-0.42, 0.16, -0.32, 0.16);
  p.drawPath(tail);
  for (qreal x : {-0.24, -0.12, 0.12, 0.24})
    p.drawRoundedRect(QRectF(x - 0.04, 0.1, 0.08, 0.14), 0.03, 0.03);
  QPainterPath head;
  head.moveTo(0.3, -0.06);
  head.quadTo(0.44, -0.06, 0.5, 0.1);
  head.lineTo(0.3, 0.14);
  head.closeSubpath();
  p.drawPath(head);
  p.drawEllipse(QRectF(0.3, -0.14, 0.07, 0.1));  // ear
  // The banded shell.
  QPainterPath shell;
  shell.moveTo(-0.38, 0.16);
  shell.cubicTo(-0.38, -0.26, 0.36, -0.26, 0.36, 0.16);
  shell.closeSubpath();
  QLinearGradient g(QPointF(0, -0.2), QPointF(0, 0.16));
  g.setColorAt(0, QColor(200, 180, 170));
  g.setColorAt(1, QColor(140, 112, 100));
  p.setBrush(g);
  p.drawPath(shell);
  p.setClipPath(shell);
  p.setPen(QPen(QColor(90, 66, 56), 0.018));
  for (qreal x = -0.24; x <= 0.25; x += 0.08) p.drawLine(QPointF(x, -0.3), QPointF(x * 1.15, 0.2));
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(at.at(0.86, h * 0.55 + 0.0), at.len(0.012), at.len(0.012));
}

void turtle(QPainter& p, const QRectF& a, Rng&) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(40, 170, 190), QColor(10, 80, 130));
  waves(p, at, 0.08, h, 0.16, QColor(255, 255, 255, 60));
  p.save();
  p.translate(at.at(0.5, h / 2));
  p.scale(at.len(1), at.len(1));
  p.setPen(QPen(QColor(30, 50, 20), 0.02));
  p.setBrush(QColor(120, 170, 80));
  // Flippers, head and tail first, the shell over them.
  for (int side : {-1, 1}) {
    p.drawEllipse(QRectF(side * 0.3 - 0.1, -0.38, 0.2, 0.13));
    p.drawEllipse(QRectF(side * 0.26 - 0.08, 0.22, 0.16, 0.12));
  }
  p.drawEllipse(QRectF(-0.09, -0.58, 0.18, 0.2));
  p.drawPolygon(QPolygonF({QPointF(-0.04, 0.38), QPointF(0.04, 0.38), QPointF(0, 0.48)}));
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(-0.045, -0.52), 0.015, 0.015);
  p.drawEllipse(QPointF(0.045, -0.52), 0.015, 0.015);
  QRadialGradient shellColour(QPointF(-0.05, -0.1), 0.45);
  shellColour.setColorAt(0, QColor(190, 150, 70));
  shellColour.setColorAt(1, QColor(100, 70, 30));
  p.setBrush(shellColour);
  p.drawEllipse(QRectF(-0.32, -0.42, 0.64, 0.84));
  // The plates of the shell.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 40, 15), 0.02));
  auto hexagon = [&](QPointF c, qreal r) {
    QPolygonF hex;
    for (int i = 0; i < 6; ++i)
      hex << c + QPointF(r * std::cos(pi / 3 * i), r * 1.1 * std::sin(pi / 3 * i));
    p.drawPolygon(hex);
  };
  hexagon({0, 0}, 0.12);
  hexagon({0, -0.25}, 0.1);
  hexagon({0, 0.25}, 0.1);
  for (int side : {-1, 1}) {
    hexagon({side * 0.2, -0.13}, 0.09);
    hexagon({side * 0.2, 0.13}, 0.09);
  }
  p.restore();
}

void fish(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(60, 160, 220), QColor(10, 50, 120));
  const QColor colours[] = {QColor(250, 140, 30), QColor(250, 210, 50), QColor(240, 90, 80)};
  const int rows = 5;
  for (int i = 0; i < rows; ++i) {
    const qreal y = h * (i + 0.5) / rows;
    const qreal x = (i % 2) ? 0.62 : 0.38;
    oneFish(p, at, QPointF(x + rng.between(-0.05, 0.05), y), 0.42, i % 2 == 1, colours[i % 3]);
  }
  p.setPen(QPen(QColor(255, 255, 255, 160), std::max(0.6, at.len(0.01))));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 8; ++i) {
    p.drawEllipse(at.at(rng.unit(), rng.unit() * h), at.len(0.025), at.len(0.025));
  }
}

void purplePeopleEater(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(250, 230, 120), QColor(240, 150, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  for (int i = 0; i < 10; ++i)
    p.drawEllipse(at.at(rng.unit(), rng.unit() * h), at.len(0.015), at.len(0.015));
  p.save();
  p.translate(at.at(0.5, h * 0.56));
  p.scale(at.len(1), at.len(1));
  p.setPen(QPen(QColor(50, 0, 60), 0.022));
  // Wings, feet and the one horn behind the body.
  p.setBrush(QColor(120, 50, 170));
  for (int side : {-1, 1}) {
    p.drawPolygon(QPolygonF({QPointF(side * 0.3, -0.1), QPointF(side * 0.5, -0.34),
                             QPointF(side * 0.46, -0.02), QPointF(side * 0.34, 0.08)}));
    p.drawEllipse(QRectF(side * 0.16 - 0.09, 0.3, 0.18, 0.1));
  }
  p.setBrush(QColor(250, 210, 40));
  p.drawPolygon(QPolygonF({QPointF(-0.06, -0.36), QPointF(0.06, -0.36), QPointF(0.02, -0.58)}));
  QRadialGradient body(QPointF(-0.1, -0.15), 0.45);
  body.setColorAt(0, QColor(190, 110, 240));
  body.setColorAt(1, QColor(100, 30, 150));
  p.setBrush(body);
  p.drawEllipse(QRectF(-0.34, -0.42, 0.68, 0.78));
  // The single eye and the grin.
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(0, -0.16), 0.14, 0.14);
  p.setBrush(QColor(30, 140, 60));
  p.drawEllipse(QPointF(0.02, -0.14), 0.07, 0.07);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(0.03, -0.14), 0.035, 0.035);
  p.setBrush(QColor(90, 0, 30));
  p.drawChord(QRectF(-0.2, -0.04, 0.4, 0.26), 180 * 16, 180 * 16);
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(50, 0, 60), 0.01));
  for (qreal x = -0.14; x < 0.15; x += 0.07) {
    p.drawPolygon(QPolygonF({QPointF(x - 0.03, 0.09), QPointF(x + 0.03, 0.09), QPointF(x, 0.15)}));
  }
  p.restore();
}

void seaAndSand(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height() * 0.55, QColor(20, 90, 170), QColor(60, 180, 210));
  waves(p, at, 0.1, h * 0.5, 0.12, QColor(255, 255, 255, 90));
  QPainterPath sand;
  sand.moveTo(at.at(0, h * 0.52));
  sand.cubicTo(at.at(0.3, h * 0.44), at.at(0.6, h * 0.62), at.at(1.0, h * 0.5));
  sand.lineTo(at.at(1.0, h));
  sand.lineTo(at.at(0, h));
  sand.closeSubpath();
  p.setPen(QPen(QColor(255, 255, 255, 220), std::max(1.0, at.len(0.04))));
  p.setBrush(QColor(232, 204, 150));
  p.drawPath(sand);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 150, 100));
  for (int i = 0; i < 30; ++i) {
    p.drawEllipse(at.at(rng.unit(), h * (0.62 + 0.38 * rng.unit())), at.len(0.01), at.len(0.01));
  }
  // A starfish on the beach.
  QPolygonF star;
  const QPointF c = at.at(0.62, h * 0.8);
  for (int i = 0; i < 10; ++i) {
    const qreal r = at.len(i % 2 ? 0.05 : 0.13);
    const qreal angle = -pi / 2 + pi * i / 5;
    star << c + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  p.setBrush(QColor(236, 100, 60));
  p.drawPolygon(star);
}

void lake(QPainter& p, const QRectF& a, Rng&) {
  const Place at(a);
  const qreal h = at.height();
  const qreal shore = h * 0.5;
  sky(p, a, at.len(shore), QColor(110, 170, 230), QColor(230, 240, 250));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 140, 170));
  p.drawPolygon(QPolygonF({at.at(-0.1, shore), at.at(0.3, h * 0.22), at.at(0.55, shore)}));
  p.setBrush(QColor(90, 110, 150));
  p.drawPolygon(QPolygonF({at.at(0.3, shore), at.at(0.72, h * 0.17), at.at(1.15, shore)}));
  p.setBrush(QColor(250, 250, 255));
  p.drawPolygon(QPolygonF({at.at(0.72, h * 0.17), at.at(0.66, h * 0.24), at.at(0.78, h * 0.24)}));
  // The lake, with the mountains mirrored faintly in it.
  QLinearGradient water(at.at(0, shore), at.at(0, h));
  water.setColorAt(0, QColor(60, 120, 170));
  water.setColorAt(1, QColor(20, 60, 110));
  p.fillRect(QRectF(at.at(0, shore), at.at(1, h)), water);
  p.setBrush(QColor(90, 110, 150, 110));
  p.drawPolygon(QPolygonF({at.at(0.3, shore), at.at(0.72, h - h * 0.17), at.at(1.15, shore)}));
  // Pines along the shore.
  p.setBrush(QColor(20, 70, 40));
  for (qreal x = 0.02; x < 1.0; x += 0.11) {
    const qreal tall = 0.12 + 0.06 * std::sin(x * 17);
    p.drawPolygon(QPolygonF(
        {at.at(x - 0.045, shore + 0.01), at.at(x, shore - tall), at.at(x + 0.045, shore + 0.01)}));
  }
  p.setPen(QPen(QColor(255, 255, 255, 90), std::max(0.6, at.len(0.012))));
  for (qreal y = shore + 0.08; y < h; y += 0.09) {
    p.drawLine(at.at(0.15 + 0.2 * std::sin(y * 13), y), at.at(0.45 + 0.2 * std::sin(y * 13), y));
  }
}

void pondLily(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(20, 70, 70), QColor(10, 40, 50));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 40), std::max(0.6, at.len(0.01))));
  for (int i = 0; i < 4; ++i) {
    const QPointF c = at.at(rng.unit(), rng.unit() * h);
    for (qreal r = 0.05; r < 0.3; r += 0.07) p.drawEllipse(c, at.len(r), at.len(r * 0.6));
  }
  // Pads with a notch cut in each.
  const QPointF pads[] = {{0.25, 0.3}, {0.75, 0.55}, {0.3, 1.05}, {0.8, 1.2}, {0.55, 0.2}};
  p.setPen(QPen(QColor(20, 60, 20), std::max(0.6, at.len(0.012))));
  for (const QPointF& c : pads) {
    const qreal r = at.len(rng.between(0.13, 0.2));
    const qreal notch = rng.between(0, 360);
    p.setBrush(QColor(60 + rng.below(40), 150 + rng.below(40), 60));
    p.drawPie(QRectF(at.at(c.x(), c.y()) - QPointF(r, r), QSizeF(2 * r, 2 * r)),
              static_cast<int>(notch * 16), 320 * 16);
  }
  // The lily itself.
  const QPointF flower = at.at(0.5, h * 0.58);
  p.setPen(QPen(QColor(180, 60, 110), std::max(0.5, at.len(0.008))));
  for (int ring = 0; ring < 2; ++ring) {
    for (int i = 0; i < 8; ++i) {
      p.save();
      p.translate(flower);
      p.rotate(i * 45 + ring * 22.5);
      p.setBrush(ring ? QColor(255, 200, 220) : QColor(240, 130, 170));
      const qreal length = at.len(ring ? 0.13 : 0.18);
      p.drawEllipse(QRectF(0, -length * 0.2, length, length * 0.4));
      p.restore();
    }
  }
  p.setBrush(QColor(250, 210, 40));
  p.drawEllipse(flower, at.len(0.045), at.len(0.045));
}

void lighthouse(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  const qreal seaLine = h * 0.68;
  sky(p, a, at.len(seaLine), QColor(16, 24, 70), QColor(230, 130, 80));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 230));
  for (int i = 0; i < 10; ++i)
    p.drawEllipse(at.at(rng.unit(), rng.unit() * h * 0.3), at.len(0.008), at.len(0.008));
  QLinearGradient sea(at.at(0, seaLine), at.at(0, h));
  sea.setColorAt(0, QColor(30, 60, 120));
  sea.setColorAt(1, QColor(10, 20, 60));
  p.fillRect(QRectF(at.at(0, seaLine), at.at(1, h)), sea);
  waves(p, at, seaLine + 0.06, h, 0.08, QColor(255, 255, 255, 60));
  // Beams from the lantern.
  const QPointF lamp = at.at(0.55, h * 0.26);
  p.setBrush(QColor(255, 240, 150, 110));
  p.drawPolygon(QPolygonF({lamp, at.at(-0.1, h * 0.12), at.at(-0.1, h * 0.3)}));
  p.drawPolygon(QPolygonF({lamp, at.at(1.1, h * 0.2), at.at(1.1, h * 0.36)}));
  // Rock, tower with red and white bands, gallery and lantern.
  p.setBrush(QColor(60, 50, 45));
  p.drawEllipse(QRectF(at.at(0.2, seaLine - 0.06), at.at(0.9, seaLine + 0.14)));
  QPainterPath tower;
  tower.moveTo(at.at(0.44, h * 0.32));
  tower.lineTo(at.at(0.66, h * 0.32));
  tower.lineTo(at.at(0.72, seaLine));
  tower.lineTo(at.at(0.38, seaLine));
  tower.closeSubpath();
  p.setBrush(QColor(245, 245, 240));
  p.drawPath(tower);
  p.save();
  p.setClipPath(tower, Qt::IntersectClip);
  p.setBrush(QColor(200, 30, 40));
  const qreal bandStep = (seaLine - h * 0.32) / 5;
  for (int i = 0; i < 5; i += 2)
    p.drawRect(
        QRectF(at.at(0.3, h * 0.32 + i * bandStep), at.at(0.8, h * 0.32 + (i + 1) * bandStep)));
  p.restore();
  p.setBrush(QColor(40, 40, 50));
  p.drawRect(QRectF(at.at(0.4, h * 0.3), at.at(0.7, h * 0.32)));
  p.setBrush(QColor(255, 230, 120));
  p.drawRect(QRectF(at.at(0.47, h * 0.22), at.at(0.63, h * 0.3)));
  p.setBrush(QColor(200, 30, 40));
  p.drawPolygon(QPolygonF({at.at(0.45, h * 0.22), at.at(0.65, h * 0.22), at.at(0.55, h * 0.17)}));
}

void grapes(QPainter& p, const QRectF& a, Rng& rng) {
  const Place at(a);
  const qreal h = at.height();
  sky(p, a, a.height(), QColor(236, 244, 214), QColor(196, 220, 160));
  // Vine leaf and stem.
  p.setPen(QPen(QColor(40, 90, 30), std::max(0.6, at.len(0.012))));
  p.setBrush(QColor(80, 150, 60));
  QPainterPath leaf;
  const QPointF l = at.at(0.62, h * 0.2);
  leaf.moveTo(l);
  leaf.cubicTo(l + QPointF(at.len(0.1), -at.len(0.22)), l + QPointF(at.len(0.36), -at.len(0.1)),
               l + QPointF(at.len(0.3), at.len(0.04)));
  leaf.cubicTo(l + QPointF(at.len(0.36), at.len(0.14)), l + QPointF(at.len(0.12), at.len(0.2)), l);
  p.drawPath(leaf);
  p.setPen(QPen(QColor(100, 70, 30), std::max(1.0, at.len(0.03)), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(at.at(0.5, h * 0.28), at.at(0.6, h * 0.12));
  // The bunch: rows of berries narrowing downwards.
  p.setPen(QPen(QColor(50, 10, 60), std::max(0.5, at.len(0.008))));
  const qreal r = 0.085;
  const int perRow[] = {5, 4, 5, 4, 3, 2, 1};
  for (int row = 0; row < 7; ++row) {
    const int n = perRow[row];
    for (int i = 0; i < n; ++i) {
      const qreal x = 0.5 + (i - (n - 1) / 2.0) * r * 1.75 + rng.between(-0.01, 0.01);
      const qreal y = h * 0.32 + row * r * 1.5;
      const QPointF c = at.at(x, y);
      QRadialGradient berry(c - QPointF(at.len(r * 0.35), at.len(r * 0.35)), at.len(r * 1.2));
      berry.setColorAt(0, QColor(190, 120, 220));
      berry.setColorAt(1, QColor(80, 20, 100));
      p.setBrush(berry);
      p.drawEllipse(c, at.len(r), at.len(r));
    }
  }
}

}  // namespace velmoran::art::backs
