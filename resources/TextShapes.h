#pragma once

#include <QPainterPath>
#include <QString>

#include "resources/Fonts.h"

namespace velmoran::art {

// Text as a vector outline, so that it can be fitted into any box exactly
// and drawn at every card size without a bitmap font in between.
QPainterPath textOutline(Face face, const QString& text);

// Scales a path uniformly to fit inside box (keeping its proportions, or
// squeezing it across by at most maxSqueeze when it is too wide) and
// centres it there.
QPainterPath fitInto(const QPainterPath& path, const QRectF& box, qreal maxSqueeze = 1.0);

}  // namespace velmoran::art
