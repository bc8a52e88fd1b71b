#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class UndoTest : public EngineTest {
 protected:
  UndoTest() {
    quiet();
    g.gAutoDeal = false;
    g.gDeckPtr = 5;  // in the middle of a deal that began at 1
    g.gCheatDeckPtr = 1;
  }
  // A two of spades on the grid, a playable ace and three dead cards in the
  // hand, in the middle of a deal that began at deck position 1.
  void handWithOnePlayableCard() {
    put(cardOf(0, 2), 5, 5);
    put(cardOf(0, 1), 14, 5);
    put(cardOf(1, 3), 15, 5), put(cardOf(2, 4), 16, 5), put(cardOf(3, 5), 17, 5);
    g.gDeck[5] = cardOf(1, 9);
    g.gDeckPtr = 5;
    g.gCheatDeckPtr = 1;
  }
  // Plays the first hand card that has a legal place; false when none has.
  bool playFromHand() {
    for (int c = 14; c <= 17; ++c) {
      const int card = g.gPlayingGrid[c][5];
      if (!isCard(card)) continue;
      const auto places = legalPlaces(g, card);
      if (places.empty()) continue;
      const auto [x, y] = places.front();
      return g.dropCard(card, c, 5, x, y) == DropResult::Played;
    }
    return false;
  }
};

TEST_F(UndoTest, UndoGoesBackToTheStartOfTheGame) {
  g.gCheatWarning = false;
  g.gAutoDeal = true;
  g.newGame();
  const Board start = g.gPlayingGrid;
  int moves = 0;
  while (moves < 12 && playFromHand()) ++moves;
  ASSERT_GT(moves, 3);
  EXPECT_TRUE(g.gUndoOk);
  for (int i = 0; i < moves; ++i) EXPECT_FALSE(g.editUndo());
  EXPECT_TRUE(samePlaces(g.gPlayingGrid, start));
  EXPECT_EQ(g.gDeckPtr, 5);
  EXPECT_EQ(g.moveNumber, 0);
  EXPECT_FALSE(g.gUndoOk);
  EXPECT_FALSE(g.gCheated);
}

TEST_F(UndoTest, UndoPutsRemovedBooksBackOnTheGrid) {
  put(cardOf(0, 1), 2, 2), put(cardOf(1, 1), 3, 2), put(cardOf(2, 1), 2, 3);
  for (int s = 0; s < 4; ++s) put(cardOf(s, 2), 6 + s % 2, 6 + s / 2);
  put(cardOf(3, 1), 14, 5);
  const Board before = g.gPlayingGrid;
  ASSERT_EQ(g.dropCard(cardOf(3, 1), 14, 5, 3, 3), DropResult::Played);
  ASSERT_EQ(g.gNumBooks, 2);
  EXPECT_FALSE(g.editUndo());
  EXPECT_TRUE(samePlaces(g.gPlayingGrid, before));
  EXPECT_EQ(g.gNumBooks, 0);
  EXPECT_EQ(g.gPlayingGrid[14][7], emptyCode);
  EXPECT_EQ(g.gPlayingGrid[gapColumn][1], 0);  // the books count rides in the gap column
}

TEST_F(UndoTest, UndoAcrossADealAsksAndFollowsTheAnswer) {
  const std::string question =
      "askCheat Once you've dealt new cards, going back to the previous cards is considered "
      "\"cheating\".";
  handWithOnePlayableCard();
  const Board beforeMove = g.gPlayingGrid;
  ASSERT_EQ(g.dropCard(cardOf(0, 1), 14, 5, 6, 5), DropResult::Played);
  g.deal();  // nothing playable is left: deals the one free slot, no question
  ASSERT_EQ(g.gCheatDeckPtr, 5);
  const Board afterDeal = g.gPlayingGrid;

  table.clear();
  EXPECT_TRUE(g.editUndo());  // "Don't Cheat"
  EXPECT_EQ(table.events, std::vector<std::string>{question});
  EXPECT_EQ(g.gPlayingGrid, afterDeal);
  EXPECT_EQ(g.moveNumber, 1);

  table.cheatAnswers = {true};
  EXPECT_FALSE(g.editUndo());
  EXPECT_TRUE(g.gCheated);
  EXPECT_TRUE(samePlaces(g.gPlayingGrid, beforeMove));
  EXPECT_EQ(g.gDeckPtr, 5);  // the dealt card is back in the deck
  EXPECT_EQ(g.gCheatDeckPtr, 5);
}

TEST_F(UndoTest, UndoAcrossADealWithTheWarningOffAsksNothing) {
  g.gCheatWarning = false;
  handWithOnePlayableCard();
  ASSERT_EQ(g.dropCard(cardOf(0, 1), 14, 5, 6, 5), DropResult::Played);
  g.deal();
  EXPECT_FALSE(g.editUndo());
  EXPECT_EQ(table.count("askCheat"), 0);
  EXPECT_FALSE(g.gCheated);
  EXPECT_EQ(g.gPlayingGrid[14][5], cardOf(0, 1));
}

TEST_F(UndoTest, UndoWithNothingToUndoOnlyBeeps) {
  EXPECT_TRUE(g.editUndo());
  g.gUndoOk = true;  // available in name only: there is no move to take back
  g.moveNumber = 0;
  EXPECT_TRUE(g.editUndo());
  EXPECT_EQ(table.events, (std::vector<std::string>{"beep", "beep"}));
}

TEST_F(UndoTest, UndoSoundPlaysOnlyWithSoundButIsAlwaysWaitedFor) {
  handWithOnePlayableCard();
  g.dropCard(cardOf(0, 1), 14, 5, 6, 5);
  table.clear();
  g.editUndo();
  EXPECT_EQ(table.events,
            (std::vector<std::string>{"rebuild", "gameChanged", "waitFor SNDflickslap"}));
}

// Undoing the move that reattached an orphan brings the orphan back, and
// with it the question before the hand may be played.
TEST_F(UndoTest, UndoingAReattachmentBringsTheOrphanBack) {
  put(cardOf(0, 2), 5, 5);
  put(cardOf(0, 3), 7, 5);  // touches nothing
  put(cardOf(1, 4), 14, 5);
  g.checkForOrphans();
  ASSERT_FALSE(g.gNoOrphans);
  ASSERT_EQ(g.dropCard(cardOf(0, 3), 7, 5, 6, 5), DropResult::Played);
  ASSERT_TRUE(g.gNoOrphans);

  EXPECT_FALSE(g.editUndo());
  EXPECT_FALSE(g.gNoOrphans);
  table.clear();
  EXPECT_EQ(g.press(14, 5), PressOutcome::Ignored);
  EXPECT_EQ(table.count("askCheat"), 1);
}

TEST_F(UndoTest, TheHundredAndFirstMoveForgetsTheOldestSnapshot) {
  for (int move = 1; move <= maxMoves + 1; ++move) {
    put(move, 1, 1);  // marks the board before move `move`
    g.updateUndo();
  }
  EXPECT_EQ(g.moveNumber, maxMoves);
  EXPECT_EQ(g.undoGrid[maxMoves][1][1], 101);
  EXPECT_EQ(g.undoGrid[1][1][1], 2);
  EXPECT_EQ(table.count("message"), 0);
  for (int i = 0; i < maxMoves; ++i) ASSERT_FALSE(g.editUndo());
  EXPECT_EQ(g.gPlayingGrid[1][1], 2);
  EXPECT_TRUE(g.editUndo());  // nothing older is kept
}

}  // namespace
}  // namespace velmoran::testing
