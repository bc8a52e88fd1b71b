#include "table/PictureCache.h"

#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstdlib>
#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "assets/Assets.h"

namespace velmoran {

namespace {

// Answering the window comes before drawing a size, which the board can
// wait for behind its stand-in: the drawing thread, and the threads it
// starts, which inherit this, give way to the UI thread where they share a
// processor.
void giveWayToTheUiThread() {
#ifdef __linux__
  constexpr int niceness = 10;  // a tenth of the processor against the UI thread
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), niceness);
#endif
}

}  // namespace

// The tile is fetched here, on the UI thread: the picture accessors are
// not for other threads.
PictureCache::PictureCache(QObject* parent)
    : QObject(parent), bluetile_(assets::picture("bluetile")) {
  drawer_.setMaxThreadCount(1);
}

PictureCache::Pictures PictureCache::find(CardSize size) {
  inUse_ = size;
  const auto found = std::find_if(held_.begin(), held_.end(),
                                  [size](const Pictures& p) { return p->size == size; });
  if (found == held_.end()) return nullptr;
  held_.splice(held_.begin(), held_, found);
  return held_.front();
}

PictureCache::Pictures PictureCache::drawNow(CardSize size) {
  if (Pictures drawn = find(size)) return drawn;
  Pictures kept = keep(drawSizePictures(size, bluetile_));
  letGoOfEvicted();
  return kept;
}

// While the size in use is drawn, only the pictures standing in for it are
// kept besides: the memory of the sizes held never exceeds that of the
// size in use and the one before it.
void PictureCache::request(CardSize size) {
  if (find(size)) return;
  keepOnly(othersKept);
  letGoOfEvicted();
  if (!drawing_) draw(size);
}

// Drawing several sizes at once would hold the memory of each and starve
// the threads that painting uses.
void PictureCache::draw(CardSize size) {
  drawing_ = size;
  QtConcurrent::run(&drawer_, [size, tile = bluetile_] {
    giveWayToTheUiThread();
    return drawSizePictures(size, tile);
  }).then(this, [this](SizePictures pictures) { drawn(std::move(pictures)); });
}

void PictureCache::drawn(SizePictures pictures) {
  const CardSize size = pictures.size;
  drawing_.reset();
  if (size == inUse_) {
    keep(std::move(pictures));
    emit ready(size);  // the board takes them at once
    letGoOfEvicted();
  } else if (!holds(inUse_)) {
    draw(inUse_);  // the window moved on meanwhile
  }
}

bool PictureCache::holds(CardSize size) const {
  return std::any_of(held_.begin(), held_.end(),
                     [size](const Pictures& p) { return p->size == size; });
}

PictureCache::Pictures PictureCache::nearest(CardSize size) const {
  const auto closest =
      std::min_element(held_.begin(), held_.end(), [size](const Pictures& a, const Pictures& b) {
        return std::abs(a->size.width - size.width) < std::abs(b->size.width - size.width);
      });
  return closest == held_.end() ? nullptr : *closest;
}

qsizetype PictureCache::bytesHeld() const {
  qsizetype total = 0;
  for (const Pictures& pictures : held_) total += pictures->bytes();
  return total;
}

// A newly drawn size counts as the most recently used, though the window
// may have moved on meanwhile; the size in use stays whatever its age.
PictureCache::Pictures PictureCache::keep(SizePictures pictures) {
  held_.push_front(std::make_shared<const SizePictures>(std::move(pictures)));
  Pictures kept = held_.front();
  keepOnly(1 + othersKept);
  return kept;
}

void PictureCache::keepOnly(int sizes) {
  for (auto oldest = held_.end();
       held_.size() > static_cast<size_t>(sizes) && oldest != held_.begin();) {
    --oldest;
    if ((*oldest)->size == inUse_) continue;
    leaving_.push_back(std::move(*oldest));
    oldest = held_.erase(oldest);
  }
}

// Unmapping megabytes of pictures takes its time: a worker thread does it,
// not the UI thread, whichever way the window was resized. By then the
// board has taken the new pictures in place of the ones let go, so the
// worker holds their last reference. The large pictures have memory of
// their own, which goes back to the system as they are freed; the
// allocation pool is not trimmed after them, as trimming holds the pool,
// which all threads share, the UI thread included, while it walks it.
void PictureCache::letGoOfEvicted() {
  if (leaving_.empty()) return;
  QThreadPool::globalInstance()->start(
      [last = std::exchange(leaving_, {})]() mutable { last.clear(); });
}

}  // namespace velmoran
