#include "resources/BackPainter.h"

#include <array>
#include <future>

#include "resources/BackDesigns.h"
#include "engine/CardBacks.h"
#include "resources/CardPainter.h"

namespace velmoran::art {

namespace {

// Design n is entry n - 1, in the order of the card-back list.
constexpr std::array<backs::Design, cardBackCount> designs{
    backs::sunburst,      backs::classicRed,
    backs::classicBlue,   backs::classicGreen,
    backs::cobblestone,   backs::armadillo,
    backs::turtle,        backs::fish,
    backs::redWeave,      backs::greenWeave,
    backs::blueWeave,     backs::basketWeave,
    backs::abstract,      backs::purplePeopleEater,
    backs::seaAndSand,    backs::stone,
    backs::lake,          backs::pondLily,
    backs::lighthouse,    backs::grapes,
    backs::strangePink,   backs::strangeBlue,
    backs::strangeGreen,  backs::strangeSomething,
    backs::psychedelic,   backs::tartan,
    backs::fractal1,      backs::fractal2,
    backs::redShimmer,    backs::greenShimmer,
    backs::purpleShimmer, backs::vortex,
};

// The design shown in a sheet cell.
int designAt(int column, int row) {
  for (int n = 1; n <= cardBackCount; ++n) {
    const CardBackDesign d = cardBackDesign(n);
    if (d.column == column && d.row == row) return n;
  }
  return 0;
}

}  // namespace

void paintCardBack(QPainter& p, const QRectF& rect, int design) {
  if (design < 1 || design > cardBackCount) design = designAt(0, 0);
  paintCardBlank(p, rect);
  const qreal margin = std::max(2.0, std::round(rect.width() * 0.07));
  const QRectF area = rect.adjusted(margin, margin, -margin, -margin);
  // The design is drawn unclipped on a layer of its own and clipped to the
  // rounded edge once: clipping every stroke of a pattern is slow.
  QImage layer(area.toAlignedRect().size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::white);
  {
    QPainter lp(&layer);
    lp.setRenderHint(QPainter::Antialiasing);
    backs::Rng rng(static_cast<std::uint32_t>(design) * 7919u + 17u);
    designs[static_cast<size_t>(design - 1)](lp, QRectF(QPointF(0, 0), area.size()), rng);
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  QBrush brush(layer);
  brush.setTransform(QTransform::fromTranslate(area.left(), area.top()));
  p.setBrush(brush);
  p.drawPath(cardOutline(area));
  p.restore();
}

QImage drawBacksSheet(int cardWidth) {
  const int w = cardWidth;
  const int h = cardHeightFor(w);
  // The four rows are drawn at once on separate threads, each into a picture
  // of its own: the designs share nothing, and the sheet is drawn while the
  // player resizes the window.
  auto drawRow = [w, h](int row) {
    QImage strip(8 * w, h, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int column = 0; column < 8; ++column) {
      paintCardBack(p, QRectF(column * w, 0, w, h), designAt(column, row));
    }
    return strip;
  };
  std::array<std::future<QImage>, 4> rows;
  for (int row = 0; row < 4; ++row)
    rows[static_cast<size_t>(row)] = std::async(std::launch::async, drawRow, row);
  QImage sheet(8 * w, 4 * h, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  for (int row = 0; row < 4; ++row) p.drawImage(0, row * h, rows[static_cast<size_t>(row)].get());
  return sheet;
}

}  // namespace velmoran::art
