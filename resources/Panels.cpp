#include "resources/Panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

#include "resources/CardPainter.h"
#include "resources/Labels.h"
#include "resources/TextShapes.h"

namespace velmoran::art {

namespace {

constexpr int tileSize = 150;

// Smooth noise on a 10 x 10 lattice that wraps round at the tile's edge.
qreal wrappedNoise(qreal x, qreal y) {
  constexpr int cells = 10;
  constexpr qreal cell = tileSize / static_cast<qreal>(cells);
  auto lattice = [](int i, int j) {
    std::uint32_t h = static_cast<std::uint32_t>(((i % cells) + cells) % cells) * 73856093u ^
                      static_cast<std::uint32_t>(((j % cells) + cells) % cells) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffff) / 65535.0;
  };
  const qreal fx = x / cell, fy = y / cell;
  const int i = static_cast<int>(std::floor(fx)), j = static_cast<int>(std::floor(fy));
  const qreal tx = fx - i, ty = fy - j;
  const qreal sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const qreal top = lattice(i, j) + (lattice(i + 1, j) - lattice(i, j)) * sx;
  const qreal bottom = lattice(i, j + 1) + (lattice(i + 1, j + 1) - lattice(i, j + 1)) * sx;
  return top + (bottom - top) * sy;
}

}  // namespace

QImage drawBlueTile() {
  using std::numbers::pi;
  QImage tile(tileSize, tileSize, QImage::Format_RGB32);
  for (int y = 0; y < tileSize; ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < tileSize; ++x) {
      // Every term repeats a whole number of times across the tile.
      const qreal warp = std::sin(2 * pi * x / 3.0) * 0.5 + 0.5;
      const qreal weft = std::sin(2 * pi * y / 3.0) * 0.5 + 0.5;
      const qreal thread = ((x / 3 + y / 3) % 2 ? warp : weft) * 0.12;
      const qreal diamonds = std::cos(2 * pi * (x + y) / 75.0) + std::cos(2 * pi * (x - y) / 75.0);
      const qreal motif = std::pow(std::max(0.0, diamonds / 2), 6) * 0.35;
      const qreal cloud = wrappedNoise(x, y) * 0.22;
      const qreal light = 0.78 + thread + motif + cloud - 0.2;
      line[x] = qRgb(std::clamp(static_cast<int>(tapestryBlue.red() * light), 0, 255),
                     std::clamp(static_cast<int>(tapestryBlue.green() * light), 0, 255),
                     std::clamp(static_cast<int>(tapestryBlue.blue() * light * 1.02), 0, 255));
    }
  }
  return tile;
}

QImage drawAboutBox() {
  QImage image(500, 170, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient paper(0, 0, 0, 170);
  paper.setColorAt(0, QColor(252, 248, 236));
  paper.setColorAt(1, QColor(236, 228, 206));
  p.fillRect(image.rect(), paper);
  // A green baize panel with a fan of cards on the left.
  QLinearGradient baize(0, 0, 170, 132);
  baize.setColorAt(0, QColor(24, 110, 60));
  baize.setColorAt(1, QColor(10, 70, 40));
  p.setPen(QPen(QColor(190, 150, 60), 2));
  p.setBrush(baize);
  p.drawRoundedRect(QRectF(8, 8, 160, 116), 10, 10);
  const std::array<int, 4> fan{1 + 13 * 3, 13 + 13 * 2, 12 + 13 * 1, 11};
  for (size_t i = 0; i < fan.size(); ++i) {
    p.save();
    p.translate(88, 150);
    p.rotate(-27 + 18.0 * static_cast<qreal>(i));
    paintCardFace(p, QRectF(-25, -130, 50, 70), fan[i]);
    p.restore();
  }
  // The name, set in gold on the paper, with a rule beneath it.
  const QPainterPath name =
      fitInto(textOutline(Face::SerifBold, QStringLiteral("Velmoran")), QRectF(186, 16, 296, 50));
  p.fillPath(name.translated(1.5, 1.5), QColor(0, 0, 0, 60));
  QLinearGradient gold(0, 16, 0, 66);
  gold.setColorAt(0, QColor(170, 30, 40));
  gold.setColorAt(1, QColor(110, 10, 24));
  p.fillPath(name, gold);
  p.setPen(QPen(QColor(190, 150, 60), 2));
  p.drawLine(QPointF(186, 76), QPointF(484, 76));
  return image;
}

QImage drawIcon() {
  QImage image(46, 60, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  p.translate(20, 32);
  p.rotate(-12);
  paintCardFace(p, QRectF(-15, -21, 30, 42), 1 + 13 * 3);
  p.restore();
  p.translate(27, 32);
  p.rotate(10);
  paintCardFace(p, QRectF(-15, -21, 30, 42), 13 + 13 * 2);
  return image;
}

}  // namespace velmoran::art
