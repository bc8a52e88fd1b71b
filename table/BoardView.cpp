#include "table/BoardView.h"

#include <QBackingStore>
#include <QMouseEvent>
#include <QPainter>

namespace velmoran {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
}

// A resized view is painted whole at the next turn of the event loop:
// painting it now as well would paint and send every resize step twice.
void BoardView::showNow() {
  if (resizedSincePainted_)
    update();
  else
    repaint();
}

void BoardView::paintEvent(QPaintEvent* event) {
  resizedSincePainted_ = false;
  // A window that has grown paints into a new backing store, all of it.
  if (QBackingStore* store = backingStore())
    if (const auto* pixels = dynamic_cast<const QImage*>(store->paintDevice()))
      storePages_.fill(*pixels);
  QPainter painter(this);
  const QRect exposed = event->rect();
  QRect board;
  if (surface_ != nullptr && !surface_->isNull()) {
    board = QRect(origin_, surface_->size());
    const QRect shown = exposed & board;
    painter.drawImage(shown.topLeft(), *surface_, shown.translated(-origin_));
  }
  for (const QRect& margin : QRegion(exposed).subtracted(board))
    painter.fillRect(margin, Qt::black);
}

QPoint BoardView::toBoard(const QMouseEvent* event) const {
  return event->position().toPoint() - origin_;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  emit pressed(toBoard(event), event->button(), event->modifiers());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { emit moved(toBoard(event)); }

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  emit released(toBoard(event), event->button());
}

void BoardView::resizeEvent(QResizeEvent*) {
  resizedSincePainted_ = true;
  emit resized();
}

DragSprite::DragSprite(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void DragSprite::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace velmoran
