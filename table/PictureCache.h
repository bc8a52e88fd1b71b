#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <list>
#include <memory>
#include <optional>
#include <vector>

#include "table/SizePictures.h"

namespace velmoran {

// The pictures of the card sizes the window has used lately: the size in
// use and the one in use before it, so that a step back to the size just
// left shows its own pictures at once. Memory stays bounded however often
// the window is resized: a size not yet drawn is drawn while only the
// pictures standing in for it are kept besides.
// A size not yet drawn is drawn off the UI thread, one size at a time, on
// a thread of the cache's own: sizes the window passed while one was drawn
// are skipped.
class PictureCache : public QObject {
  Q_OBJECT
 public:
  using Pictures = std::shared_ptr<const SizePictures>;

  // Besides the size in use, this many others are kept, the least recently
  // used let go first. Drawing a size again takes a few tens of milliseconds
  // off the UI thread; keeping one costs megabytes.
  static constexpr int othersKept = 1;

  explicit PictureCache(QObject* parent = nullptr);

  // The pictures of a size when they are drawn; null otherwise. The size
  // asked for is the one in use: the most recently used, never let go.
  Pictures find(CardSize size);
  // Draws the pictures of a size now, on this thread and its helpers.
  Pictures drawNow(CardSize size);
  // Draws the pictures of the size in use on another thread, once any
  // drawing under way is done; ready() tells when. A size the window has
  // left by then is not drawn, and pictures drawn for it are let go.
  void request(CardSize size);
  // The drawn size closest to the given one; null when none is drawn yet.
  Pictures nearest(CardSize size) const;

  int sizesHeld() const { return static_cast<int>(held_.size()); }
  qsizetype bytesHeld() const;

 signals:
  void ready(CardSize size);

 private:
  Pictures keep(SizePictures pictures);
  // Lets go of the least recently used sizes but the one in use, down to
  // the given count; they are freed on another thread.
  void keepOnly(int sizes);
  void letGoOfEvicted();
  void draw(CardSize size);
  void drawn(SizePictures pictures);
  bool holds(CardSize size) const;

  QImage bluetile_;                  // the tapestry's tile
  std::list<Pictures> held_;         // the most recently used first
  std::vector<Pictures> leaving_;    // let go by keep(), not yet freed
  std::optional<CardSize> drawing_;  // the size being drawn now
  CardSize inUse_;
  // The thread sizes are drawn on. Not one of Qt's shared pool: painting
  // hands parts of large pictures to that pool and waits for them, so a
  // drawing that held one of its threads could wait for itself. Destroyed
  // first: a drawing under way ends before the rest of the cache goes.
  QThreadPool drawer_;
};

}  // namespace velmoran
