#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class RulesTest : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(RulesTest, KingsGoOnAnyEmptyPlaceOnly) {
  useGrid(GetParam());
  EXPECT_TRUE(g.legalMove(13, g.gridMinX, g.gridMinY));
  put(cardOf(1, 4), 6, 5);
  EXPECT_TRUE(g.legalMove(26, 7, 5));  // next to a card of another rank and suit
  EXPECT_FALSE(g.legalMove(26, 6, 5));
}

TEST_P(RulesTest, CardsNeedAMatchingNeighbourInsideTheActiveGrid) {
  useGrid(GetParam());
  const int ace = cardOf(0, 1);
  EXPECT_FALSE(g.legalMove(ace, 6, 5));  // touching nothing
  put(cardOf(0, 7), 6, 4);
  EXPECT_TRUE(g.legalMove(ace, 6, 5));  // suit
  put(cardOf(2, 1), 7, 5);
  EXPECT_TRUE(g.legalMove(ace, 6, 5));  // suit above, rank to the right
  put(cardOf(3, 9), 5, 5);
  EXPECT_FALSE(g.legalMove(ace, 6, 5));  // one neighbour matches neither

  // A card just outside the bounds does not count as a neighbour.
  if (g.gridMinX > 1) {
    put(cardOf(0, 5), g.gridMinX - 1, 5);
    EXPECT_FALSE(g.legalMove(ace, g.gridMinX, 5));
  }
  if (g.gridMaxY < 9) {
    put(cardOf(0, 5), 3, g.gridMaxY + 1);
    EXPECT_FALSE(g.legalMove(ace, 3, g.gridMaxY));
  }
  EXPECT_FALSE(g.legalMove(ace, g.gridMaxX + 1, 5));
}

TEST_P(RulesTest, ACardDoesNotAttachToItsOwnOldPlace) {
  useGrid(GetParam());
  const int five = cardOf(1, 5);
  put(five, 6, 5);
  EXPECT_FALSE(g.legalMove(five, 7, 5));
  put(cardOf(1, 9), 8, 5);
  EXPECT_TRUE(g.legalMove(five, 7, 5));
}

TEST_P(RulesTest, OrphansAreLoneNonKingGridCards) {
  useGrid(GetParam());
  g.checkForOrphans();
  EXPECT_TRUE(g.gNoOrphans);

  put(39, 4, 4);
  put(cardOf(2, 2), 15, 5);  // in the hand
  put(cardOf(0, 3), 14, 7);  // a book
  g.checkForOrphans();
  EXPECT_TRUE(g.gNoOrphans);

  put(cardOf(0, 12), 8, 6);
  EXPECT_TRUE(g.isOrphan(8, 6));
  g.checkForOrphans();
  EXPECT_FALSE(g.gNoOrphans);
  put(cardOf(3, 12), 8, 7);
  EXPECT_FALSE(g.isOrphan(8, 6));

  // A neighbour beyond the bounds leaves an edge card orphaned.
  if (g.gridMaxX < 12) {
    put(cardOf(0, 6), g.gridMaxX, 3);
    put(cardOf(0, 7), g.gridMaxX + 1, 3);
    EXPECT_TRUE(g.isOrphan(g.gridMaxX, 3));
  }
  EXPECT_FALSE(g.isOrphan(8, 10));  // past the board: no read, no orphan
}

INSTANTIATE_TEST_SUITE_P(EveryGridSize, RulesTest, ::testing::Values(1, 2, 3, 4));

}  // namespace
}  // namespace velmoran::testing
