// Card backs made of repeating patterns: lattices, weaves, tartan, stones.
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "resources/BackDesigns.h"

namespace velmoran::art::backs {

namespace {

// A fine diagonal lattice inside a double frame, in one colour on white.
// The lattice repeats every `step` pixels both ways, so one tile of it is
// drawn and laid like wallpaper.
void lattice(QPainter& p, const QRectF& a, const QColor& ink) {
  const qreal w = a.width();
  const int step = std::max(4, static_cast<int>(std::lround(w * 0.105)));
  QImage tile(step, step, QImage::Format_ARGB32_Premultiplied);
  tile.fill(ink);
  {
    QPainter t(&tile);
    t.setRenderHint(QPainter::Antialiasing);
    t.setPen(QPen(QColor(255, 255, 255, 150), std::max(0.7, w * 0.018)));
    for (int k = -1; k <= 2; ++k) {
      t.drawLine(QPointF(k * step - step, -step), QPointF(k * step + step, step * 2.0 - step));
      t.drawLine(QPointF(k * step + step, -step), QPointF(k * step - step, step * 2.0 - step));
    }
    // Small diamonds where the lines cross make the lattice read as lace.
    t.setPen(Qt::NoPen);
    t.setBrush(QColor(255, 255, 255, 190));
    const qreal dot = std::max(0.8, w * 0.025);
    for (QPointF c : {QPointF(0, 0), QPointF(step, 0), QPointF(0, step), QPointF(step, step),
                      QPointF(step / 2.0, step / 2.0)}) {
      t.drawPolygon(QPolygonF(
          {c + QPointF(0, -dot), c + QPointF(dot, 0), c + QPointF(0, dot), c + QPointF(-dot, 0)}));
    }
  }
  QBrush wallpaper(tile);
  wallpaper.setTransform(QTransform::fromTranslate(a.left(), a.top()));
  p.fillRect(a, wallpaper);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, std::max(1.0, w * 0.03)));
  p.drawRect(a.adjusted(w * 0.07, w * 0.07, -w * 0.07, -w * 0.07));
  p.setPen(QPen(Qt::white, std::max(0.6, w * 0.012)));
  p.drawRect(a.adjusted(w * 0.12, w * 0.12, -w * 0.12, -w * 0.12));
}

// A strip piece shaded lighter in its middle, so that it seems to rise over
// its neighbours and dip under them at its ends.
void strip(QPainter& p, const QRectF& r, bool vertical, const QColor& colour) {
  QLinearGradient g(vertical ? r.topLeft() : r.topLeft(), vertical ? r.bottomLeft() : r.topRight());
  g.setColorAt(0, colour.darker(170));
  g.setColorAt(0.5, colour.lighter(125));
  g.setColorAt(1, colour.darker(170));
  p.fillRect(r, g);
}

// Over-and-under strips, each crossing going the other way from its neighbours.
void weave(QPainter& p, const QRectF& a, const QColor& colour, int strips) {
  p.fillRect(a, colour.darker(300));
  const qreal cell = a.width() / strips;
  const qreal band = cell * 0.8;
  const qreal gap = (cell - band) / 2;
  const int rows = static_cast<int>(std::ceil(a.height() / cell));
  for (int pass = 0; pass < 2; ++pass) {
    for (int j = 0; j < rows; ++j) {
      for (int i = 0; i < strips; ++i) {
        const bool verticalOnTop = (i + j) % 2 == 0;
        const bool vertical = (pass == 1) == verticalOnTop;
        const QRectF c(a.left() + i * cell, a.top() + j * cell, cell, cell);
        const QRectF piece = vertical ? c.adjusted(gap, 0, -gap, 0) : c.adjusted(0, gap, 0, -gap);
        strip(p, piece, vertical, vertical ? colour : colour.lighter(112));
      }
    }
  }
}

}  // namespace

void classicRed(QPainter& p, const QRectF& a, Rng&) { lattice(p, a, QColor(178, 24, 36)); }
void classicBlue(QPainter& p, const QRectF& a, Rng&) { lattice(p, a, QColor(28, 60, 160)); }
void classicGreen(QPainter& p, const QRectF& a, Rng&) { lattice(p, a, QColor(20, 110, 56)); }

void redWeave(QPainter& p, const QRectF& a, Rng&) { weave(p, a, QColor(200, 40, 40), 6); }
void greenWeave(QPainter& p, const QRectF& a, Rng&) { weave(p, a, QColor(40, 160, 70), 6); }
void blueWeave(QPainter& p, const QRectF& a, Rng&) { weave(p, a, QColor(40, 90, 200), 6); }

void basketWeave(QPainter& p, const QRectF& a, Rng&) {
  p.fillRect(a, QColor(90, 56, 20));
  const qreal block = a.width() / 4;
  const qreal reed = block / 3;
  const QColor cane(214, 168, 96);
  for (int j = 0; j * block < a.height(); ++j) {
    for (int i = 0; i < 4; ++i) {
      const bool vertical = (i + j) % 2 == 0;
      for (int k = 0; k < 3; ++k) {
        const QRectF cell(a.left() + i * block, a.top() + j * block, block, block);
        const QRectF r = vertical ? QRectF(cell.left() + k * reed, cell.top(), reed, block)
                                  : QRectF(cell.left(), cell.top() + k * reed, block, reed);
        const qreal inset = reed * 0.1;
        strip(p, r.adjusted(inset, inset, -inset, -inset), !vertical, cane);
      }
    }
  }
}

void tartan(QPainter& p, const QRectF& a, Rng&) {
  struct Band {
    QColor colour;
    qreal width;  // in card widths
  };
  const Band sett[] = {{QColor(20, 70, 40), 0.16}, {QColor(180, 20, 30), 0.1},
                       {QColor(20, 30, 80), 0.12}, {QColor(236, 200, 70), 0.025},
                       {QColor(180, 20, 30), 0.1}, {QColor(250, 250, 240), 0.02}};
  p.fillRect(a, QColor(180, 20, 30));
  const qreal w = a.width();
  for (int vertical = 0; vertical < 2; ++vertical) {
    qreal at = 0;
    const qreal end = vertical ? a.width() : a.height();
    for (int i = 0; at < end; i = (i + 1) % 6) {
      QColor c = sett[i].colour;
      c.setAlpha(vertical ? 150 : 255);
      const qreal size = sett[i].width * w;
      p.fillRect(vertical ? QRectF(a.left() + at, a.top(), size, a.height())
                          : QRectF(a.left(), a.top() + at, a.width(), size),
                 c);
      at += size;
    }
  }
  // The diagonal twill of the cloth.
  p.setPen(QPen(QColor(0, 0, 0, 40), std::max(0.5, w * 0.012)));
  for (qreal d = -a.height(); d < a.width(); d += w * 0.035) {
    p.drawLine(QPointF(a.left() + d, a.bottom()), QPointF(a.left() + d + a.height(), a.top()));
  }
}

void cobblestone(QPainter& p, const QRectF& a, Rng& rng) {
  p.fillRect(a, QColor(52, 46, 40));
  const qreal size = a.width() / 4.2;
  int row = 0;
  for (qreal y = a.top() - size / 3; y < a.bottom(); y += size * 0.86, ++row) {
    for (qreal x = a.left() - (row % 2) * size / 2; x < a.right(); x += size) {
      const QRectF stoneRect(x + rng.between(0.04, 0.1) * size, y + rng.between(0.04, 0.1) * size,
                             size * rng.between(0.8, 0.9), size * rng.between(0.72, 0.8));
      const int grey = 120 + rng.below(60);
      QRadialGradient g(stoneRect.center() - QPointF(size * 0.15, size * 0.15), size * 0.6);
      g.setColorAt(0, QColor(grey + 40, grey + 34, grey + 26));
      g.setColorAt(1, QColor(grey - 50, grey - 54, grey - 60));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawRoundedRect(stoneRect, size * 0.3, size * 0.3);
    }
  }
}

void stone(QPainter& p, const QRectF& a, Rng& rng) {
  QLinearGradient base(a.topLeft(), a.bottomRight());
  base.setColorAt(0, QColor(150, 146, 140));
  base.setColorAt(1, QColor(104, 100, 96));
  p.fillRect(a, base);
  // Granite: flecks of dark, light and pink grain.
  const qreal w = a.width();
  const int flecks = static_cast<int>(a.width() * a.height() / 12);
  const QColor grain[] = {QColor(40, 38, 36, 200), QColor(230, 226, 220, 170),
                          QColor(180, 130, 120, 150), QColor(80, 78, 76, 160)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < flecks; ++i) {
    p.setBrush(grain[rng.below(4)]);
    const qreal r = w * rng.between(0.006, 0.022);
    const QPointF at(a.left() + rng.unit() * a.width(), a.top() + rng.unit() * a.height());
    p.drawEllipse(at, r, r * rng.between(0.6, 1.2));
  }
  // A couple of pale veins.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(235, 232, 226, 120), std::max(0.8, w * 0.015)));
  for (int v = 0; v < 2; ++v) {
    QPainterPath vein;
    vein.moveTo(a.left(), a.top() + a.height() * rng.between(0.1, 0.9));
    vein.cubicTo(a.left() + w * 0.3, a.top() + a.height() * rng.unit(), a.left() + w * 0.7,
                 a.top() + a.height() * rng.unit(), a.right(), a.top() + a.height() * rng.unit());
    p.drawPath(vein);
  }
}

void abstract(QPainter& p, const QRectF& a, Rng& rng) {
  p.fillRect(a, QColor(246, 238, 218));
  const QColor colours[] = {QColor(220, 40, 40), QColor(30, 70, 180), QColor(250, 196, 30),
                            QColor(20, 20, 30),  QColor(40, 150, 90), QColor(240, 120, 30)};
  const qreal w = a.width();
  for (int i = 0; i < 14; ++i) {
    QColor c = colours[rng.below(6)];
    c.setAlpha(i < 4 ? 255 : 210);
    const QPointF at(a.left() + rng.unit() * a.width(), a.top() + rng.unit() * a.height());
    const qreal size = w * rng.between(0.15, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    switch (rng.below(4)) {
      case 0:
        p.drawEllipse(at, size / 2, size / 2);
        break;
      case 1:
        p.drawRect(QRectF(at, QSizeF(size, size * 0.6)));
        break;
      case 2:
        p.drawPolygon(
            QPolygonF({at, at + QPointF(size, size * 0.2), at + QPointF(size * 0.3, size)}));
        break;
      default:
        p.setPen(QPen(c, std::max(1.0, w * 0.035), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(size * rng.between(-1, 1), size * rng.between(-1, 1)));
    }
  }
}

}  // namespace velmoran::art::backs
