#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace velmoran::look {

// Paints a window's backdrop picture at its top-left corner, unscaled.
inline void paintBackdrop(QWidget* window, const QImage& picture) {
  if (picture.isNull()) return;
  QPainter painter(window);
  painter.drawImage(0, 0, picture);
}

}  // namespace velmoran::look
