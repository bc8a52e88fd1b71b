#include <limits>
#include <tuple>

#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class GameEndTest : public EngineTest {
 protected:
  // Twelve books out, the last one about to leave.
  void lastBookDue() {
    for (int r = 1; r <= 11; ++r) put(r, bookColumn(r), bookRow(r));
    g.gNumBooks = 11;
    g.gGameCounts = true;
    g.gUndoOk = true;
    for (int s = 0; s < 4; ++s) put(cardOf(s, 12), 3 + s % 2, 3 + s / 2);
    put(26, 9, 9);
  }
  void expectWonOnce() {
    EXPECT_TRUE(g.gVictory);
    EXPECT_FALSE(g.gUndoOk);
    EXPECT_EQ(g.stats, (Statistics{.noCheatWins = 1}));
    for (int x = 1; x <= 12; ++x)
      for (int y = 1; y <= 9; ++y) ASSERT_EQ(g.gPlayingGrid[x][y], emptyCode);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(g.gPlayingGrid[13 + k][5], 13 * k);
    EXPECT_EQ(table.count("statsChanged"), 1);
  }
};

TEST_F(GameEndTest, EachCountedGameGrowsExactlyOneCounter) {
  using Case = std::tuple<int, bool, bool, int Statistics::*>;
  const Case cases[] = {{1, false, false, &Statistics::losses},
                        {1, true, false, &Statistics::noCheatWins},
                        {1, true, true, &Statistics::wins},
                        {2, false, true, &Statistics::easyLosses},
                        {2, true, false, &Statistics::easyNoCheatWins},
                        {2, true, true, &Statistics::easyWins}};
  for (const auto& [game, victory, cheated, counter] : cases) {
    g.stats = {};
    g.game = game, g.gVictory = victory, g.gCheated = cheated, g.gGameCounts = true;
    g.updateStats();
    g.updateStats();  // counted once only
    Statistics expected;
    expected.*counter = 1;
    EXPECT_EQ(g.stats, expected);
  }
  EXPECT_EQ(table.count("statsChanged"), 12);  // the window is refreshed every time
}

// An edited preferences file may hold the largest counter there is.
TEST_F(GameEndTest, AFullCounterStaysFullRatherThanTurnNegative) {
  g.stats.losses = std::numeric_limits<int>::max();
  g.gGameCounts = true;
  g.updateStats();
  EXPECT_EQ(g.stats.losses, std::numeric_limits<int>::max());
  EXPECT_FALSE(g.gGameCounts);
}

TEST_F(GameEndTest, AnimationDelayWaitsUnitsUnlessSkipped) {
  g.animationDelay(3);
  g.animationDelay(0);
  g.animationDelay(-2);
  EXPECT_EQ(table.events, std::vector<std::string>(3, "wait 20000"));
  table.clear();
  table.mouse = [] { return true; };
  g.animationDelay(3);
  table.mouse = [] { return false; };
  g.gShuffle = false;
  g.animationDelay(3);
  EXPECT_TRUE(table.events.empty());
}

TEST_F(GameEndTest, FlashOrphansFlashesEveryOrphanThreeTimes) {
  g.flashOrphans();  // none: only the wait for an earlier blip
  EXPECT_EQ(table.events, std::vector<std::string>{"waitFor SNDblipblip"});

  table.clear();
  table.mouse = [] { return true; };  // the flash pauses are never skipped
  put(cardOf(1, 4), 6, 5);
  g.flashOrphans();
  std::vector<std::string> expected{"play SNDblipblip"};
  for (int cycle = 0; cycle < 3; ++cycle) {
    for (auto e : {"target window", "place 317 6 5", "updateNow", "wait 80000", "place 17 6 5",
                   "updateNow", "wait 80000"})
      expected.push_back(e);
  }
  for (auto e : {"target offscreen", "updateNow", "waitFor SNDblipblip"}) expected.push_back(e);
  EXPECT_EQ(table.events, expected);

  table.clear();
  for (int i = 0; i < 20; ++i) put(cardOf(i % 4, 1 + i % 12), 1 + 2 * (i % 6), 1 + 2 * (i / 6));
  put(emptyCode, 6, 5);
  g.flashOrphans();
  std::vector<std::string> dims;
  for (const auto& e : table.only("place ")) {
    if (std::stoi(e.substr(6)) > dimmedOffset) dims.push_back(e);
  }
  ASSERT_EQ(dims.size(), 60u);
  EXPECT_EQ(dims[0], "place " + std::to_string(cardOf(0, 1) + 300) + " 1 1");
  EXPECT_EQ(dims[1], "place " + std::to_string(cardOf(2, 7) + 300) + " 1 3");  // column order

  table.clear();
  g.gCheated = true;
  g.flashOrphans();
  EXPECT_TRUE(table.events.empty());
}

TEST_F(GameEndTest, FlashOrphansWithoutMovementOnlySounds) {
  g.gShuffle = false;
  put(cardOf(1, 4), 6, 5);
  g.flashOrphans();
  EXPECT_EQ(table.events,
            (std::vector<std::string>{"play SNDblipblip", "updateNow", "waitFor SNDblipblip"}));
}

TEST_F(GameEndTest, FullFanfareDrawsEveryPlaceOnceAPassAndCountsTheWin) {
  quiet();
  g.gShuffle = true;
  lastBookDue();
  EXPECT_FALSE(g.checkForBook(3, 3));
  EXPECT_EQ(table.count("place 200 "), 108 + 4 + 4 + 1);  // backs, turned book, book, kings
  EXPECT_EQ(table.count("place 0 "), 108 + 108 + 4);
  expectWonOnce();
}

TEST_F(GameEndTest, FanfareWithoutMovementLandsTheKingsOnly) {
  g.gShuffle = false;
  lastBookDue();
  table.clear();
  g.fanfare();
  std::vector<std::string> expected{"target window", "loop SNDdrumrollloop", "updateNow"};
  for (int k = 1; k <= 4; ++k) {
    const std::string slot = " " + std::to_string(13 + k) + " 5";
    for (auto e : {std::string("play SNDflick"), "place 200" + slot, std::string("updateNow"),
                   "place " + std::to_string(13 * k) + slot, std::string("updateNow"),
                   std::string("waitFor SNDflick")})
      expected.push_back(e);
  }
  for (auto e :
       {"stop SNDdrumrollloop", "waitFor SNDdrumrollloop", "updateNow", "stop SNDdrumrollloop",
        "waitFor SNDdrumrollloop", "statsChanged", "updateNow", "play SNDfanfare", "gameChanged"})
    expected.push_back(e);
  EXPECT_EQ(table.events, expected);
  expectWonOnce();
}

TEST_F(GameEndTest, APressInEitherPassEndsTheFanfareAndStillCountsOnce) {
  for (int cutAfter : {10, 250}) {  // mouse polls: inside pass 1, then inside pass 2
    table.clear();
    g.stats = {};
    g.gVictory = false;
    g.gShuffle = true;
    g.gSound = false;
    lastBookDue();
    int polls = 0;
    table.mouse = [&] { return ++polls > cutAfter; };
    g.fanfare();
    const bool inPass1 = cutAfter < 108;
    EXPECT_EQ(table.count("place 200 "), inPass1 ? cutAfter / 2 + 1 : 108);
    EXPECT_EQ(table.count("stop SNDdrumrollloop"), 2);
    expectWonOnce();
  }
}

}  // namespace
}  // namespace velmoran::testing
