#pragma once

#include <QPainter>

#include "resources/SuitShapes.h"

namespace velmoran::art {

// The framed, double-ended picture of a jack (11), queen (12) or king (13)
// filling frame: the upper figure and its mirror image below.
void paintCourtFigure(QPainter& painter, const QRectF& frame, Suit suit, int rank);

// The colour of the robe of a jack (11), queen (12) or king (13).
QColor robeColour(Suit suit, int rank);

}  // namespace velmoran::art
