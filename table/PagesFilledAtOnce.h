#pragma once

#include <QImage>

namespace velmoran {

// Has the system fill in the memory under the first bytes of a picture in
// one call, ahead of drawing on it: fresh memory written page by page takes
// a fault a page.
void fillPagesAtOnce(const QImage& picture, qsizetype bytes);

// The same for the whole of a picture, once: only the first call for a
// given buffer does anything.
class PagesFilledAtOnce {
 public:
  void fill(const QImage& picture);

 private:
  const uchar* filled_ = nullptr;
  qsizetype filledBytes_ = 0;
};

}  // namespace velmoran
