#include <gtest/gtest.h>

#include "engine/BoardGeometry.h"

namespace velmoran {
namespace {

// At every card size, a place's card and the line before it map back to that
// place, and the pixel before the line to the place before.
TEST(BoardGeometry, PixelsAndPlacesRoundTripAtEverySize) {
  for (int w = smallestCardWidth; w <= largestCardWidth; w += cardWidthStep) {
    const CardSize cards = CardSize::ofWidth(w);
    for (int x = 1; x <= boardColumnSteps; ++x) {
      const int left = cards.placeLeft(x);
      EXPECT_EQ(placeAt(left, cards.width), x) << "w " << w;
      EXPECT_EQ(placeAt(left + cards.width - 1, cards.width), x) << "w " << w;
      EXPECT_EQ(placeAt(left - 1, cards.width), x) << "w " << w;  // the line before it
      EXPECT_EQ(placeAt(left - 2, cards.width), x - 1) << "w " << w;
    }
    for (int y = 1; y <= boardRowSteps; ++y) {
      const int top = cards.placeTop(y);
      EXPECT_EQ(placeAt(top - 1, cards.height), y) << "w " << w;
      EXPECT_EQ(placeAt(top + cards.height - 1, cards.height), y) << "w " << w;
    }
    // The closing line on the right and at the bottom lies past the board.
    EXPECT_EQ(placeAt(cards.boardWidth() - 1, cards.width), boardColumnSteps + 1);
    EXPECT_EQ(placeAt(cards.boardHeight() - 1, cards.height), boardRowSteps + 1);
    EXPECT_EQ(placeAt(-1, cards.width), 0);
  }
}

// The floating-point height is exactly 7/5 wherever 7/5 is whole, and its
// truncation otherwise, so sheets drawn at any width agree with the board.
TEST(BoardGeometry, CardHeightIsSevenFifthsTruncated) {
  for (int w = 1; w <= 1000; ++w) EXPECT_EQ(cardHeightFor(w), w * 7 / 5) << "w " << w;
}

}  // namespace
}  // namespace velmoran
