#include "resources/TextShapes.h"

#include <QTransform>
#include <algorithm>

namespace velmoran::art {

QPainterPath textOutline(Face face, const QString& text) {
  QPainterPath path;
  path.addText(0, 0, font(face, 100), text);
  return path;
}

QPainterPath fitInto(const QPainterPath& path, const QRectF& box, qreal maxSqueeze) {
  const QRectF bounds = path.boundingRect();
  if (bounds.isEmpty() || box.isEmpty()) return {};
  const qreal byHeight = box.height() / bounds.height();
  const qreal byWidth = box.width() / bounds.width();
  const qreal sy = std::min(byHeight, byWidth * maxSqueeze);
  const qreal sx = std::min(sy, byWidth);
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

}  // namespace velmoran::art
