#include "table/CardSize.h"

#include <algorithm>

namespace velmoran {

int cardHeightFor(int width) { return static_cast<int>(static_cast<double>(width * 10) * 0.14); }

CardSize cardSizeForWindow(int windowWidth, int windowHeight) {
  // The widest step that fits across, never past the sizes that have pictures.
  const int across = static_cast<int>((windowWidth - 19) / 18.0);
  const int widest =
      std::clamp(across / cardWidthStep * cardWidthStep, smallestCardWidth, largestCardWidth);
  // Then step down until the board also fits from top to bottom.
  for (int width = widest; width >= smallestCardWidth; width -= cardWidthStep) {
    const CardSize size{width, cardHeightFor(width)};
    if (size.boardHeight() <= windowHeight) return size;
  }
  return {smallestCardWidth, cardHeightFor(smallestCardWidth)};
}

}  // namespace velmoran
