#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class MousePlayTest : public EngineTest {
 protected:
  MousePlayTest() {
    quiet();
    g.gAutoDeal = false;
    put(cardOf(0, 6), 5, 5);
    put(cardOf(0, 7), 6, 5);
    put(cardOf(1, 2), 14, 5);
    g.gDeckPtr = 5;
  }
  void addOrphan() {
    put(cardOf(2, 9), 9, 8);
    g.checkForOrphans();
  }
};

TEST_F(MousePlayTest, WithoutOrphansOnlyTheHandAnswers) {
  EXPECT_EQ(g.press(5, 5), PressOutcome::Ignored);
  EXPECT_EQ(g.press(14, 5), PressOutcome::PickUp);
  EXPECT_EQ(g.press(15, 5), PressOutcome::DealOnRelease);
  put(cardBackCode, 15, 5);
  EXPECT_EQ(g.press(15, 5), PressOutcome::DealOnRelease);
  g.gNumBooks = 12;
  EXPECT_EQ(g.press(15, 5), PressOutcome::Ignored);
  g.gNumBooks = 0;
  g.gVictory = true;
  EXPECT_EQ(g.press(14, 5), PressOutcome::Ignored);
  EXPECT_TRUE(table.events.empty());
}

TEST_F(MousePlayTest, PressesOffTheBoardAreIgnoredEvenWithOrphans) {
  addOrphan();
  g.gSound = true;
  for (auto [x, y] : {std::pair{0, 5}, {18, 5}, {13, 5}, {5, 0}, {5, 10}, {9, 10}, {40, 40}})
    EXPECT_EQ(g.press(x, y), PressOutcome::Ignored) << x << "," << y;
  EXPECT_TRUE(table.events.empty());  // no flash either
}

TEST_F(MousePlayTest, WithOrphansOnlyOrphansMayBePickedUp) {
  addOrphan();
  g.gSound = true;
  EXPECT_EQ(g.press(9, 8), PressOutcome::PickUp);
  EXPECT_EQ(g.press(5, 5), PressOutcome::Ignored);
  EXPECT_EQ(g.press(15, 8), PressOutcome::Ignored);  // the books area
  EXPECT_EQ(table.count("play SNDblipblip"), 2);
}

TEST_F(MousePlayTest, PlayingFromTheHandPastOrphansAsksFirst) {
  addOrphan();
  g.gSound = true;
  EXPECT_EQ(g.press(14, 5), PressOutcome::Ignored);  // "Don't Cheat": the orphans flash
  EXPECT_EQ(table.only("askCheat"),
            std::vector<std::string>{"askCheat Playing from the hand when there are orphaned "
                                     "cards in the grid is considered \"cheating\"."});
  EXPECT_EQ(table.count("play SNDblipblip"), 1);
  EXPECT_FALSE(g.gCheated);

  table.cheatAnswers = {true};
  EXPECT_EQ(g.press(14, 5), PressOutcome::Ignored);  // marks the game, picks nothing up
  EXPECT_TRUE(g.gCheated);
  EXPECT_EQ(g.press(14, 5), PressOutcome::PickUp);
  EXPECT_EQ(table.count("askCheat"), 2);
}

TEST_F(MousePlayTest, WithTheWarningOffTheHandPlaysPastOrphans) {
  addOrphan();
  g.gCheatWarning = false;
  EXPECT_EQ(g.press(14, 5), PressOutcome::PickUp);
  EXPECT_FALSE(g.gCheated);
}

TEST_F(MousePlayTest, DropsOutsideTheGridOrRefusedPutTheCardBack) {
  g.gSound = true;
  const Board before = g.gPlayingGrid;
  EXPECT_EQ(g.dropCard(cardOf(1, 2), 14, 5, 15, 5), DropResult::PutBack);
  EXPECT_EQ(table.events, (std::vector<std::string>{"place 15 14 5", "rebuild"}));
  table.clear();
  EXPECT_EQ(g.dropCard(cardOf(1, 2), 14, 5, 9, 2), DropResult::Refused);
  EXPECT_EQ(table.events, (std::vector<std::string>{"place 15 14 5", "play SNDfuzz",
                                                    "waitFor SNDfuzz", "rebuild"}));
  EXPECT_EQ(g.gPlayingGrid, before);
  EXPECT_EQ(g.moveNumber, 0);
}

TEST_F(MousePlayTest, ALegalDropSnapshotsThenLandsWithItsSound) {
  g.gSound = true;
  EXPECT_EQ(g.dropCard(cardOf(1, 2), 14, 5, 4, 5), DropResult::Refused);  // six of spades
  put(cardOf(1, 6), 15, 5);
  table.clear();
  EXPECT_EQ(g.dropCard(cardOf(1, 6), 15, 5, 5, 6), DropResult::Played);
  EXPECT_EQ(table.events,
            (std::vector<std::string>{"gameChanged", "gameChanged", "place 0 15 5", "place 19 5 6",
                                      "processEvents", "play SNDslap", "waitFor SNDslap",
                                      "waitFor SNDblipblip", "rebuild"}));
  EXPECT_EQ(g.gPlayingGrid[15][5], emptyCode);
  EXPECT_EQ(g.moveNumber, 1);
  EXPECT_EQ(g.undoGrid[1][15][5], cardOf(1, 6));
}

}  // namespace
}  // namespace velmoran::testing
