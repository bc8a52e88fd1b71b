#include "dialogs/help/DiagramCanvas.h"

#include <QPainter>

namespace velmoran {

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void DiagramCanvas::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void DiagramCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (picture_.isNull()) return;
  const int left = static_cast<int>((width() - picture_.width()) / 2.0);
  painter.drawImage(left, 0, picture_);
}

}  // namespace velmoran
