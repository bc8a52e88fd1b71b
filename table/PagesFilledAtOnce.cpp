#include "table/PagesFilledAtOnce.h"

#ifdef __linux__
#include <sys/mman.h>
#endif
#include <algorithm>
#include <cstdint>

namespace velmoran {

void fillPagesAtOnce(const QImage& picture, qsizetype bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  constexpr std::uintptr_t page = 4096;
  const auto first = reinterpret_cast<std::uintptr_t>(picture.constBits()) & ~(page - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(picture.constBits()) +
                   static_cast<std::uintptr_t>(std::min(bytes, picture.sizeInBytes()));
  // Advice only: a system without it fills the pages as they are drawn on.
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
  (void)picture;
  (void)bytes;
#endif
}

void PagesFilledAtOnce::fill(const QImage& picture) {
  if (picture.constBits() == filled_ && picture.sizeInBytes() == filledBytes_) return;
  filled_ = picture.constBits();
  filledBytes_ = picture.sizeInBytes();
  fillPagesAtOnce(picture, filledBytes_);
}

}  // namespace velmoran
