#pragma once

#include <QImage>
#include <QObject>
#include <list>
#include <memory>
#include <set>

#include "table/SizePictures.h"

namespace velmoran {

// The pictures of the card sizes the window has used lately. The size in
// use and the one before it are kept, the least recently used is let go
// when another is drawn, so memory stays bounded however often the window
// is resized. A size not yet drawn is drawn off the UI thread.
class PictureCache : public QObject {
  Q_OBJECT
 public:
  using Pictures = std::shared_ptr<const SizePictures>;

  // Besides the size in use, this many others are kept.
  static constexpr int othersKept = 1;

  explicit PictureCache(QObject* parent = nullptr);

  // The pictures of a size when they are drawn; null otherwise. The size
  // asked for is the one in use: the most recently used, never let go.
  Pictures find(CardSize size);
  // Draws the pictures of a size now, on this thread and its helpers.
  Pictures drawNow(CardSize size);
  // Draws the pictures of a size on another thread; ready() tells when.
  void request(CardSize size);
  // The drawn size closest to the given one; null when none is drawn yet.
  Pictures nearest(CardSize size) const;

  int sizesHeld() const { return static_cast<int>(held_.size()); }
  qsizetype bytesHeld() const;

 signals:
  void ready(CardSize size);

 private:
  Pictures keep(SizePictures pictures);

  QImage tapestryPict_;       // 550 x 1200, the tile repeated
  std::list<Pictures> held_;  // the most recently used first
  std::set<int> drawing_;     // the card widths being drawn now
  CardSize inUse_;
};

}  // namespace velmoran
