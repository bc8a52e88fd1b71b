// Filling fresh memory one 4 KB page at a time costs a fault a page; on
// some machines each fault takes over ten microseconds, so a board picture
// of the largest size would hold the UI thread for tens of milliseconds.
// Transparent huge pages fill it in a handful of faults instead.
#include "table/LargeImage.h"

#ifdef __linux__
#include <sys/mman.h>
#endif
#include <cstdint>

namespace velmoran {

namespace {

#ifdef __linux__
constexpr std::size_t hugePage = 2 << 20;
constexpr std::size_t page = 4096;
constexpr qsizetype largeBytes = 1 << 20;

std::size_t roundedUp(std::size_t bytes, std::size_t step) { return (bytes + step - 1) / step * step; }

struct Mapping {
  void* start;
  std::size_t length;
};

void unmap(void* info) {
  const auto* mapping = static_cast<Mapping*>(info);
  munmap(mapping->start, mapping->length);
  delete mapping;
}

// A mapping that starts on a huge-page boundary, so that every whole two
// megabytes of it can be one huge page; the tail past the last boundary
// takes ordinary pages, so nothing is wasted.
void* alignedMapping(std::size_t length) {
  const std::size_t padded = length + hugePage;
  void* mapped = mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto first = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = roundedUp(first, hugePage);
  if (aligned > first) munmap(mapped, aligned - first);
  const std::uintptr_t end = aligned + length;
  if (first + padded > end) munmap(reinterpret_cast<void*>(end), first + padded - end);
  void* start = reinterpret_cast<void*>(aligned);
  madvise(start, length, MADV_HUGEPAGE);  // advice only: ordinary pages if refused
  return start;
}
#endif

}  // namespace

QImage largeImage(QSize size, QImage::Format format) {
#ifdef __linux__
  const int bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
  const qsizetype bytesPerLine = roundedUp(std::size_t(size.width()) * bitsPerPixel / 8, 4);
  const qsizetype bytes = bytesPerLine * size.height();
  if (bytes >= largeBytes) {
    const std::size_t length = roundedUp(static_cast<std::size_t>(bytes), page);
    if (void* start = alignedMapping(length))
      return QImage(static_cast<uchar*>(start), size.width(), size.height(), bytesPerLine, format,
                    unmap, new Mapping{start, length});
  }
#endif
  return QImage(size, format);
}

}  // namespace velmoran
