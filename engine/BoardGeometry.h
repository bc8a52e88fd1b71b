#pragma once

// Where the board's places lie, in places and in pixels, at each card size.
//
// Across, the board is 18 steps of a one-pixel black line followed by a
// card's width, and one more line closes it on the right; down, 9 such steps
// of a card's height and a closing line. Columns 1..12 by rows 1..9 are the
// grid area, column 13 the gap, 14..17 the hand and the books; column 18
// holds no place. The line left of (or above) a place belongs to that place.

#include "engine/Codes.h"

namespace velmoran {

// A board place: column x, row y, both counted from 1.
struct Place {
  int x, y;
};

inline constexpr int gridAreaColumns = 12;
inline constexpr int gridAreaRows = 9;
inline constexpr int boardColumnSteps = 18;
inline constexpr int boardRowSteps = gridAreaRows;

// The card widths that have pictures: 40, 45, ..., 90.
inline constexpr int smallestCardWidth = 40;
inline constexpr int largestCardWidth = 90;
inline constexpr int cardWidthStep = 5;

// The height that goes with a width: 7/5 of it. The product is taken in
// floating point first, as the sizes were always worked out; it never falls
// below the whole number, so every multiple of five gets exactly 7/5.
constexpr int cardHeightFor(int width) {
  return static_cast<int>(static_cast<double>(width * 10) * 0.14);
}

// The place a pixel falls in along one axis, for cards cardExtent pixels
// wide (or high). Pixels left of the board give 0 or less.
constexpr int placeAt(int pixel, int cardExtent) {
  return static_cast<int>(pixel / static_cast<double>(cardExtent + 1) + 1);
}

// The first pixel of place n's card along one axis: after n lines and n - 1
// cards.
constexpr int placeStart(int n, int cardExtent) { return n * (cardExtent + 1) - cardExtent; }

// One card size, and the board measured in it.
struct CardSize {
  int width = smallestCardWidth;
  int height = cardHeightFor(smallestCardWidth);

  static constexpr CardSize ofWidth(int width) { return {width, cardHeightFor(width)}; }

  constexpr int boardWidth() const { return boardColumnSteps * (width + 1) + 1; }
  constexpr int boardHeight() const { return boardRowSteps * (height + 1) + 1; }
  // The tapestry runs from the gap column's card to the board's right edge.
  constexpr int tapestryLeft() const { return placeLeft(gapColumn); }
  constexpr int tapestryWidth() const { return boardWidth() - tapestryLeft(); }

  // The top-left pixel of place (x, y)'s card.
  constexpr int placeLeft(int x) const { return placeStart(x, width); }
  constexpr int placeTop(int y) const { return placeStart(y, height); }

  constexpr bool operator==(const CardSize&) const = default;
};

}  // namespace velmoran
