#pragma once

#include <QImage>
#include <QWidget>

#include "table/PagesFilledAtOnce.h"

namespace velmoran {

// The main window's central widget. It shows the window surface, a picture
// of the board, and is black wherever the board does not reach; it never
// draws the board itself. Its mouse events and size changes are handed on
// in board pixels.
class BoardView : public QWidget {
  Q_OBJECT
 public:
  explicit BoardView(QWidget* parent = nullptr);

  void setSurface(const QImage* surface) { surface_ = surface; }
  // Where board pixel (0, 0) lies in the widget.
  void setBoardOrigin(QPoint origin) { origin_ = origin; }
  QPoint boardOrigin() const { return origin_; }
  // Shows part of the surface again, given in board pixels: now, or at the
  // next turn of the event loop.
  void repaintBoard(const QRect& area) { repaint(area.translated(origin_)); }
  void updateBoard(const QRect& area) { update(area.translated(origin_)); }
  // Shows the whole surface again now; after a resize, with the painting
  // that follows it.
  void showNow();

 signals:
  void pressed(QPoint boardPixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void moved(QPoint boardPixel);
  void released(QPoint boardPixel, Qt::MouseButton button);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPoint toBoard(const QMouseEvent* event) const;

  const QImage* surface_ = nullptr;
  QPoint origin_;
  PagesFilledAtOnce storePages_;
  bool resizedSincePainted_ = false;
};

// The picked-up card that follows the pointer. Mouse events go through it
// to the board below.
class DragSprite : public QWidget {
  Q_OBJECT
 public:
  explicit DragSprite(QWidget* parent);
  void setPicture(const QImage& picture) { picture_ = picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace velmoran
