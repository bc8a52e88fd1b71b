#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class BooksTest : public EngineTest {
 protected:
  // Four cards of rank r with the top-left at (x, y); skip leaves one out.
  void square(int r, int x, int y, int skip = -1) {
    const int places[4][2] = {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}};
    for (int s = 0; s < 4; ++s) {
      if (s != skip) put(cardOf(s, r), places[s][0], places[s][1]);
    }
  }
  int bookAt(int r) const { return g.gPlayingGrid[bookColumn(r)][bookRow(r)]; }
  std::vector<int> booksRemovedInOrder() const {
    std::vector<int> ranks;
    for (const auto& e : table.only("place ")) {
      int code, x, y;
      std::sscanf(e.c_str(), "place %d %d %d", &code, &x, &y);
      if (x >= 14 && y >= 7 && code >= 1 && code <= 12) ranks.push_back(code);
    }
    return ranks;
  }
};

TEST_F(BooksTest, RemovalTurnsOverClearsAndShowsTheBookInOrder) {
  square(7, 3, 3);
  ASSERT_TRUE(g.checkForBook(3, 3));
  const std::string w = "wait 20000";
  std::vector<std::string> expected{"target window", "updateNow"};
  const char* places[] = {"3 3", "4 3", "3 4", "4 4"};
  for (auto p : places) {
    for (auto e : {std::string("place 200 ") + p, std::string("play SNDbump"), w,
                   std::string("waitFor SNDbump")})
      expected.push_back(e);
  }
  for (auto p : places) {
    for (auto e : {std::string("place 0 ") + p, w, w, w}) expected.push_back(e);
  }
  for (auto e : {"place 200 16 8", "play SNDflick", "wait 20000", "wait 20000", "wait 20000",
                 "place 7 16 8", "wait 20000", "waitFor SNDflick", "updateNow", "target offscreen"})
    expected.push_back(e);
  EXPECT_EQ(table.events, expected);
  EXPECT_EQ(g.gNumBooks, 1);
  EXPECT_EQ(bookAt(7), 7);
  for (int x : {3, 4})
    for (int y : {3, 4}) EXPECT_EQ(g.gPlayingGrid[x][y], emptyCode);
}

TEST_F(BooksTest, WithoutMovementOnlyTheFirstCardBumps) {
  g.gShuffle = false;
  square(5, 3, 3);
  ASSERT_TRUE(g.checkForBook(3, 3));
  EXPECT_EQ(table.count("play SNDbump"), 1);
  EXPECT_EQ(table.count("waitFor SNDbump"), 4);
  EXPECT_EQ(table.count("wait "), 0);
  EXPECT_EQ(g.gPlayingGrid[14][8], 5);
  EXPECT_EQ(g.gPlayingGrid[17][9], 0);
}

TEST_F(BooksTest, KingsAndIncompleteSquaresAreNoBooks) {
  put(13, 3, 3), put(26, 4, 3), put(39, 3, 4), put(52, 4, 4);
  EXPECT_FALSE(g.checkForBook(3, 3));
  square(4, 6, 6, 3);
  EXPECT_FALSE(g.checkForBook(6, 6));
  EXPECT_EQ(g.gNumBooks, 0);
}

TEST_F(BooksTest, StandardChainRemovesDueBooksInRankOrder) {
  quiet();
  square(1, 2, 2, 3);  // the aces wait for their last card
  square(3, 9, 2);     // threes complete, waiting
  square(2, 6, 6);     // twos complete, waiting
  put(cardOf(3, 1), 14, 5);
  ASSERT_EQ(g.dropCard(cardOf(3, 1), 14, 5, 3, 3), DropResult::Played);
  EXPECT_EQ(g.gNumBooks, 3);
  EXPECT_EQ(booksRemovedInOrder(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(table.count("waitFor SNDblipblip"), 1);  // the orphan step still runs
}

TEST_F(BooksTest, StandardDropOfARankNotDueRemovesNothing) {
  quiet();
  square(2, 6, 6, 3);
  put(cardOf(3, 2), 14, 5);
  ASSERT_EQ(g.dropCard(cardOf(3, 2), 14, 5, 7, 7), DropResult::Played);
  EXPECT_EQ(g.gNumBooks, 0);
  EXPECT_EQ(g.gPlayingGrid[7][7], cardOf(3, 2));

  square(1, 2, 2, 3);  // an ace that does not complete its square
  put(cardOf(3, 1), 14, 5);
  put(emptyCode, 3, 2);
  ASSERT_EQ(g.dropCard(cardOf(3, 1), 14, 5, 3, 3), DropResult::Played);
  EXPECT_EQ(g.gNumBooks, 0);
  EXPECT_EQ(table.count("waitFor SNDblipblip"), 2);
}

TEST_F(BooksTest, EasyPassRemovesEveryCompleteSquareInScanOrder) {
  quiet();
  g.game = 2;
  square(9, 8, 2);     // complete
  square(4, 2, 6, 3);  // completed by the drop
  square(11, 2, 2);    // complete, scanned first
  put(cardOf(3, 4), 14, 5);
  ASSERT_EQ(g.dropCard(cardOf(3, 4), 14, 5, 3, 7), DropResult::Played);
  EXPECT_EQ(booksRemovedInOrder(), (std::vector<int>{11, 9, 4}));
  EXPECT_EQ(g.gNumBooks, 3);
}

TEST_F(BooksTest, EasyKingDropRunsNoPassAndNoOrphanStep) {
  quiet();
  g.game = 2;
  square(6, 2, 2);
  put(39, 14, 5);
  ASSERT_EQ(g.dropCard(39, 14, 5, 9, 8), DropResult::Played);
  EXPECT_EQ(g.gNumBooks, 0);
  EXPECT_EQ(table.count("waitFor SNDblipblip"), 0);
}

TEST_F(BooksTest, SquaresOnTheLastRowAndColumnAreFound) {
  quiet();
  useGrid(4);
  square(1, g.gridMaxX - 1, g.gridMaxY - 1, 3);
  put(cardOf(3, 1), 14, 5);
  ASSERT_EQ(g.dropCard(cardOf(3, 1), 14, 5, g.gridMaxX, g.gridMaxY), DropResult::Played);
  EXPECT_EQ(g.gNumBooks, 1);
}

}  // namespace
}  // namespace velmoran::testing
