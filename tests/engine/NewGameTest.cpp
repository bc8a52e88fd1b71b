#include <algorithm>
#include <map>

#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class NewGameTest : public EngineTest {
 protected:
  NewGameTest() {
    quiet();
    g.gAutoDeal = false;
  }
  std::map<int, std::pair<int, int>> kingPlaces() const {
    std::map<int, std::pair<int, int>> found;
    for (int x = 1; x < boardColumns; ++x)
      for (int y = 1; y < boardRows; ++y)
        if (isKing(g.gPlayingGrid[x][y])) found[g.gPlayingGrid[x][y]] = {x, y};
    return found;
  }
  std::vector<int> deck() const { return {g.gDeck.begin() + 1, g.gDeck.end()}; }
};

using Places = std::map<int, std::pair<int, int>>;

TEST_F(NewGameTest, EveryFixedKingsLayoutAtEveryGridSize) {
  const Places corners[] = {{{13, {1, 1}}, {26, {12, 1}}, {39, {12, 9}}, {52, {1, 9}}},
                            {{13, {2, 1}}, {26, {11, 1}}, {39, {11, 9}}, {52, {2, 9}}},
                            {{13, {1, 2}}, {26, {12, 2}}, {39, {12, 8}}, {52, {1, 8}}},
                            {{13, {2, 2}}, {26, {11, 2}}, {39, {11, 8}}, {52, {2, 8}}}};
  const Places inset[] = {{{13, {3, 3}}, {26, {10, 3}}, {39, {10, 7}}, {52, {3, 7}}},
                          {{13, {4, 3}}, {26, {9, 3}}, {39, {9, 7}}, {52, {4, 7}}},
                          {{13, {3, 4}}, {26, {10, 4}}, {39, {10, 6}}, {52, {3, 6}}},
                          {{13, {4, 4}}, {26, {9, 4}}, {39, {9, 6}}, {52, {4, 6}}}};
  const Places center{{13, {5, 5}}, {26, {6, 5}}, {39, {7, 5}}, {52, {8, 5}}};
  const Places staggered{{13, {3, 3}}, {26, {4, 3}}, {39, {9, 7}}, {52, {10, 7}}};
  const Places custom{{13, {14, 5}}, {26, {15, 5}}, {39, {16, 5}}, {52, {17, 5}}};
  for (int grid = 1; grid <= 4; ++grid) {
    g.grid = grid;
    const Places expected[] = {center, staggered, corners[grid - 1], inset[grid - 1], {}, custom};
    for (int kings : {1, 2, 3, 4, 6}) {
      g.gKings = kings;
      g.newGame();
      EXPECT_EQ(kingPlaces(), expected[kings - 1]) << "grid " << grid << " kings " << kings;
    }
  }
}

TEST_F(NewGameTest, RandomKingsRetryTakenPlacesAndStayInTheGrid) {
  g.gKings = 5;
  g.grid = 4;
  random.ranges = {5, 5, 5, 5, 2, 8, 11, 2, 4, 4};
  g.newGame();
  EXPECT_EQ(kingPlaces(), (Places{{13, {5, 5}}, {26, {2, 8}}, {39, {11, 2}}, {52, {4, 4}}}));
  for (int grid = 1; grid <= 4; ++grid) {
    g.grid = grid;
    for (int round = 0; round < 50; ++round) {
      g.newGame();
      const Places kings = kingPlaces();
      ASSERT_EQ(kings.size(), 4u);
      for (const auto& [king, place] : kings)
        EXPECT_TRUE(g.inActiveGrid(place.first, place.second));
    }
  }
}

TEST_F(NewGameTest, ShuffleUsesTheRoundedPickWithZeroCountedAsOne) {
  random.rnds.assign(48, 0.0);  // always entry 1, refilled from the end
  g.newGame();
  EXPECT_EQ(g.gDeck[1], 1);
  EXPECT_EQ(g.gDeck[2], 51);
  EXPECT_EQ(g.gDeck[3], 50);
  random.rnds.assign(48, 0.999);  // always the last entry: the deck comes out reversed
  g.newGame();
  EXPECT_EQ(g.gDeck[1], 51);
  EXPECT_EQ(g.gDeck[48], 1);

  std::vector<int> sorted = deck();
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> expected;
  for (int c = 1; c <= 52; ++c)
    if (!isKing(c)) expected.push_back(c);
  EXPECT_EQ(sorted, expected);
}

TEST_F(NewGameTest, StartsInOrderAndResetsTheGame) {
  g.gShowStats = true;
  g.gSound = true;
  g.game = 2;
  g.gCheated = g.gVictory = g.gUndoOk = true;
  g.moveNumber = 7;
  g.newGame();
  const auto& e = table.events;
  auto at = [&](const std::string& s) { return std::find(e.begin(), e.end(), s) - e.begin(); };
  EXPECT_LT(at("title Velmoran - Current Game: Easy Rules"), at("statsSheet"));
  EXPECT_LT(at("statsSheet"), at("play SNDshuffle"));
  EXPECT_LT(at("play SNDshuffle"), at("waitFor SNDshuffle"));
  EXPECT_EQ(g.gDeckPtr, 1);
  EXPECT_EQ(g.moveNumber, 0);
  EXPECT_FALSE(g.gCheated || g.gVictory || g.gUndoOk);
  EXPECT_TRUE(g.gGameCounts);
}

TEST_F(NewGameTest, ForgetsWhereTheLastDealBegan) {
  g.gCheatDeckPtr = 30;
  g.newGame();
  EXPECT_EQ(g.gCheatDeckPtr, 0);
}

// The shuffle draws on the window and only stores the kings: with nothing
// dealt after it, the board must still be drawn for them to show.
TEST_F(NewGameTest, TheKingsAreDrawnAlsoWhenNothingIsDealt) {
  g.gShuffle = true;
  g.newGame();
  const auto& e = table.events;
  const auto shuffled = std::find(e.begin(), e.end(), "waitFor SNDshuffle");
  ASSERT_NE(shuffled, e.end());
  EXPECT_NE(std::find(shuffled, e.end(), "rebuild"), e.end());
  EXPECT_EQ(kingPlaces().size(), 4u);
}

TEST_F(NewGameTest, APressCutsTheShuffleAnimationShortForThisShuffleOnly) {
  random.rnds.assign(48, 0.3);
  g.newGame();
  const std::vector<int> unpressed = deck();

  g.gShuffle = true;
  int polls = 0;
  table.mouse = [&] { return ++polls > 20; };
  random.rnds.assign(48, 0.3);
  table.clear();
  g.newGame();
  EXPECT_EQ(deck(), unpressed);
  EXPECT_TRUE(g.gShuffle);
  // Two polls a card (the press check and the pause); the eleventh card
  // sees the press and is the last one drawn, without a pause.
  EXPECT_EQ(table.count("place 200"), 11);
  EXPECT_EQ(table.count("wait "), 10);
}

TEST_F(NewGameTest, NewGameCommandAsksOnlyAboutAGameUnderWay) {
  g.newGame();
  EXPECT_FALSE(g.newGameCommand());  // nothing dealt yet: no question
  EXPECT_EQ(table.count("askYesNo"), 0);
  EXPECT_EQ(g.stats.losses, 1);

  g.gDeckPtr = 5;
  table.yesNoAnswers = {false};
  const Board before = g.gPlayingGrid;
  EXPECT_TRUE(g.newGameCommand());
  EXPECT_EQ(table.only("askYesNo"),
            (std::vector<std::string>{
                "askYesNo Really give up on the current game?\n\nThere is no undo available."}));
  EXPECT_EQ(g.gPlayingGrid, before);
  EXPECT_EQ(g.stats.losses, 1);

  EXPECT_FALSE(g.newGameCommand());  // Yes
  EXPECT_EQ(g.stats.losses, 2);
  g.gDeckPtr = 5;
  g.gGiveUpWarning = false;
  table.clear();
  EXPECT_FALSE(g.newGameCommand());
  EXPECT_EQ(table.count("askYesNo"), 0);
}

}  // namespace
}  // namespace velmoran::testing
