#include "table/CardSize.h"

#include <algorithm>

namespace velmoran {

CardSize cardSizeForWindow(int windowWidth, int windowHeight) {
  // The widest step that fits across (boardWidth solved for the width),
  // never past the sizes that have pictures.
  const int across = static_cast<int>((windowWidth - (boardColumnSteps + 1)) /
                                      static_cast<double>(boardColumnSteps));
  const int widest =
      std::clamp(across / cardWidthStep * cardWidthStep, smallestCardWidth, largestCardWidth);
  // Then step down until the board also fits from top to bottom.
  for (int width = widest; width >= smallestCardWidth; width -= cardWidthStep) {
    const CardSize size = CardSize::ofWidth(width);
    if (size.boardHeight() <= windowHeight) return size;
  }
  return CardSize::ofWidth(smallestCardWidth);
}

}  // namespace velmoran
