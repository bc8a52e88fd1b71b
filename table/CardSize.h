#pragma once

namespace velmoran {

// One of the eleven card sizes, and the board measured in it: 18 places
// across and 9 down, each followed by a one-pixel black line, plus the line
// before the first.
struct CardSize {
  int width = 40;
  int height = 56;

  int boardWidth() const { return 18 * width + 19; }
  int boardHeight() const { return 9 * height + 10; }
  int tapestryLeft() const { return 12 * width + 13; }
  int tapestryWidth() const { return 6 * width + 6; }

  bool operator==(const CardSize&) const = default;
};

inline constexpr int smallestCardWidth = 40;
inline constexpr int largestCardWidth = 90;
inline constexpr int cardWidthStep = 5;

// The height that goes with a width: 7/5 of it. The product is taken in
// floating point first, as the sizes were always worked out, which gives
// exactly 7/5 for every multiple of five.
int cardHeightFor(int width);

// The largest card size whose board fits a window of the given content
// size. A window larger than the largest board gets the largest cards (the
// rest is black margin); a smaller one gets the smallest.
CardSize cardSizeForWindow(int windowWidth, int windowHeight);

}  // namespace velmoran
