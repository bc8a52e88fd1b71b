#include "dialogs/URLcanvas.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace velmoran {

namespace {

QPoint wholePixel(const QMouseEvent* event) {
  const QPointF p = event->position();
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

}  // namespace

URLcanvas::URLcanvas(QWidget* parent)
    : QWidget(parent), opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

bool URLcanvas::isInside(const QPoint& point) const {
  return point.x() > 0 && point.x() < width() && point.y() > 0 && point.y() < height();
}

void URLcanvas::drawIn(const QColor& color) {
  textColor_ = color;
  update();
}

// The text sits 2 pixels from the left with its baseline 15 pixels down and
// is never wrapped. Clearing the area means showing the window's own
// background again, so the link sits on the about box's picture, not on a
// grey patch.
void URLcanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font(URLfont);
  font.setPixelSize(URLsize);
  font.setUnderline(true);
  painter.setFont(font);
  painter.setPen(textColor());
  painter.drawText(2, 15, URLtext);
}

// The press draws the text in the click colour and is remembered as
// highlighted, so that dragging off shows the link at rest at once.
void URLcanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  URLisHilighted = true;
  drawIn(URLclickColor);
}

void URLcanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) return;
  const bool inside = isInside(wholePixel(event));
  if (inside && !URLisHilighted) {
    URLisHilighted = true;
    drawIn(URLclickColor);
  } else if (!inside && URLisHilighted) {
    URLisHilighted = false;
    drawIn(URLlinkColor);
  }
}

void URLcanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  pressed_ = false;
  if (isInside(wholePixel(event)) && opener_) opener_(QUrl(URLtarget));
  drawIn(URLlinkColor);
}

}  // namespace velmoran
