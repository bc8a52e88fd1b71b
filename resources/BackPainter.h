#pragma once

#include <QImage>
#include <QPainter>

// The 32 card-back designs, drawn at any card size. Every design uses a
// fixed seed, so it looks the same on every run.
namespace velmoran::art {

// Paints back design n (1..32, the numbering of the card-back list) filling
// rect: a white-edged card with the design inside. Any other n paints the
// design of the sheet's first cell.
void paintCardBack(QPainter& painter, const QRectF& rect, int design);

// The 32 designs in 8 columns by 4 rows of card cells, each design in the
// cell the card-back list gives it; transparent outside the cards.
QImage drawBacksSheet(int cardWidth);

}  // namespace velmoran::art
