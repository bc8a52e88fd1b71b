#include "BackPainter.h"

#include <array>

#include "BackDesigns.h"
#include "CardBacks.h"
#include "CardPainter.h"

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
  p.save();
  p.setClipPath(cardOutline(area), Qt::IntersectClip);
  p.setRenderHint(QPainter::Antialiasing);
  backs::Rng rng(static_cast<std::uint32_t>(design) * 7919u + 17u);
  designs[static_cast<size_t>(design - 1)](p, area, rng);
  p.restore();
}

QImage drawBacksSheet(int cardWidth) {
  const int w = cardWidth;
  const int h = cardHeightFor(w);
  QImage sheet(8 * w, 4 * h, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 8; ++column) {
      paintCardBack(p, QRectF(column * w, row * h, w, h), designAt(column, row));
    }
  }
  return sheet;
}

}  // namespace velmoran::art
