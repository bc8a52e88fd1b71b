// The changes windows ask of the game, and what the game announces.
#include <gtest/gtest.h>

#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

const std::string giveUpQuestion =
    "askYesNo Really give up on the current game?\n\nThere is no undo available.";

class CommandsTest : public EngineTest {
 protected:
  // A Standard game with cards dealt from the deck: worth the question.
  void gameUnderWay() {
    quiet();
    g.newGame();
    g.gDeckPtr = 9;
    table.clear();
  }
};

// The menu's New Game and the settings sheet's ask the same question by the
// same rule; the sheet's rule follows the sheet's own warning box.
TEST_F(CommandsTest, BothNewGamesAskTheSameQuestionByTheSameRule) {
  gameUnderWay();
  table.yesNoAnswers = {false, false};
  EXPECT_TRUE(g.newGameCommand());
  EXPECT_FALSE(g.giveUpForNewGame(2, 3, 4, true));
  EXPECT_EQ(table.only("askYesNo"), (std::vector<std::string>{giveUpQuestion, giveUpQuestion}));

  g.gGiveUpWarning = true;
  table.clear();
  EXPECT_TRUE(g.giveUpForNewGame(1, 1, 1, false));  // the box unticked: no question
  EXPECT_EQ(table.count("askYesNo"), 0);

  for (auto [victory, deckPtr] : {std::pair{true, 9}, std::pair{false, 1}}) {
    g.gVictory = victory;
    g.gDeckPtr = deckPtr;
    g.gGameCounts = true;
    EXPECT_TRUE(g.giveUpForNewGame(1, 1, 1, true));
    EXPECT_FALSE(g.gVictory);
  }
  EXPECT_EQ(table.count("askYesNo"), 0);  // a won game or one with no deal yet
}

TEST_F(CommandsTest, DecliningToGiveUpChangesNothing) {
  gameUnderWay();
  const Board board = g.gPlayingGrid;
  table.yesNoAnswers = {false};
  EXPECT_FALSE(g.giveUpForNewGame(2, 4, 5, true));
  EXPECT_EQ(g.game, 1);
  EXPECT_EQ(g.grid, 1);
  EXPECT_EQ(g.gKings, 1);
  EXPECT_TRUE(g.gGameCounts);
  EXPECT_EQ(g.stats, Statistics{});
  EXPECT_EQ(g.gPlayingGrid, board);
  EXPECT_EQ(table.events, (std::vector<std::string>{giveUpQuestion}));
}

// The game given up counts under the difficulty it was played with; the
// three main settings change only after it is counted.
TEST_F(CommandsTest, GivingUpCountsTheOldGameThenTakesTheNewSettings) {
  gameUnderWay();
  g.gVictory = false;
  EXPECT_TRUE(g.giveUpForNewGame(2, 4, 5, true));
  EXPECT_EQ(g.stats, (Statistics{.losses = 1}));
  EXPECT_EQ(g.game, 2);
  EXPECT_EQ(g.grid, 4);
  EXPECT_EQ(g.gKings, 5);
  EXPECT_EQ(table.events,
            (std::vector<std::string>{giveUpQuestion, "statsChanged", "settingsChanged"}));
  table.clear();
  g.newGame();
  EXPECT_EQ(g.gridMaxX - g.gridMinX + 1, 10);  // the new game is laid out 10 x 7
  EXPECT_EQ(g.gridMaxY - g.gridMinY + 1, 7);
  EXPECT_EQ(table.events.back(), "gameChanged");
}

TEST_F(CommandsTest, WindowCommandsChangeTheirStateAndSaySo) {
  g.stats = {1, 2, 3, 4, 5, 6};
  g.clearStatistics();
  EXPECT_EQ(g.stats, Statistics{});

  g.neverWarnAboutCheating();
  EXPECT_FALSE(g.gCheatWarning);

  g.setAlwaysShowInstructions(false);
  EXPECT_FALSE(g.gAlwaysShowInstructions);
  g.setAlwaysShowInstructions(true);
  EXPECT_TRUE(g.gAlwaysShowInstructions);
  EXPECT_EQ(table.events, (std::vector<std::string>{"statsChanged", "settingsChanged",
                                                    "settingsChanged", "settingsChanged"}));

  table.clear();
  g.setCardSize(52, 73);
  EXPECT_EQ(g.cardwidth, 52);
  EXPECT_EQ(g.cardheight, 73);
  EXPECT_TRUE(table.events.empty());
}

// Whatever turns Undo on or off is announced once it is done.
TEST_F(CommandsTest, EveryChangeOfUndoIsAnnounced) {
  gameUnderWay();
  g.updateUndo();
  EXPECT_EQ(table.events, (std::vector<std::string>{"gameChanged"}));
  EXPECT_TRUE(g.gUndoOk);
  table.clear();
  EXPECT_FALSE(g.editUndo());
  EXPECT_FALSE(g.gUndoOk);
  EXPECT_EQ(table.count("gameChanged"), 1);
}

}  // namespace
}  // namespace velmoran::testing
