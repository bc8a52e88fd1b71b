#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

class DealingTest : public EngineTest {
 protected:
  DealingTest() {
    g.gSound = false;
    for (int i = 1; i <= deckSize; ++i) g.gDeck[i] = 100 + i;  // recognisable entries
    g.gDeckPtr = 1;
  }
  int slot(int c) const { return g.gPlayingGrid[c][handRow]; }
};

TEST_F(DealingTest, FaceDownDealAtTheEndOfTheDeckLaysOnlyWhatIsLeft) {
  g.gDeckPtr = 47;
  g.dealDown();
  EXPECT_EQ(slot(14), cardBackCode);
  EXPECT_EQ(slot(15), cardBackCode);
  EXPECT_EQ(slot(16), emptyCode);
  EXPECT_EQ(g.gDeckPtr, 47);
  g.deal();
  EXPECT_EQ(slot(14), 147);
  EXPECT_EQ(slot(15), 148);
  EXPECT_EQ(slot(16), emptyCode);
  EXPECT_EQ(g.gDeckPtr, 49);
  EXPECT_EQ(g.gCheatDeckPtr, 47);
}

TEST_F(DealingTest, FaceUpDealAtTheEndOfTheDeckThenTheMessage) {
  g.gShuffle = false;
  g.gSound = true;
  g.gDeckPtr = 48;
  g.dealDown();
  EXPECT_EQ(slot(14), 148);
  EXPECT_EQ(slot(15), emptyCode);
  EXPECT_EQ(g.gDeckPtr, 49);
  EXPECT_EQ(table.only("play"), (std::vector<std::string>{"play SNDdeal", "play SNDflick"}));
  table.clear();
  g.deal();
  EXPECT_EQ(table.events, (std::vector<std::string>{"message There are no more cards to deal."}));
}

TEST_F(DealingTest, FaceDownCardsStopALaterFaceDownDeal) {
  put(cardBackCode, 16, 5);
  g.dealDown();
  EXPECT_EQ(slot(14), cardBackCode);
  EXPECT_EQ(slot(15), cardBackCode);
  EXPECT_EQ(slot(17), emptyCode);
}

TEST_F(DealingTest, DealingPastAPlayableCardAsksFirst) {
  put(cardOf(0, 5), 6, 5);
  put(cardOf(0, 2), 14, 5);  // playable next to the five
  const std::string question =
      "askCheat Dealing more cards when you still have playable cards in your hand is "
      "considered \"cheating\".";
  g.dealDown();  // a playable card holds the automatic deal back
  EXPECT_EQ(slot(15), emptyCode);

  g.deal();  // "Don't Cheat"
  EXPECT_EQ(table.only("askCheat"), std::vector<std::string>{question});
  EXPECT_EQ(g.userResponse, "Don't Cheat");
  EXPECT_EQ(slot(15), emptyCode);
  EXPECT_EQ(g.gDeckPtr, 1);
  EXPECT_FALSE(g.gCheated);

  table.cheatAnswers = {true};
  g.deal();
  EXPECT_EQ(g.userResponse, "Cheat");
  EXPECT_TRUE(g.gCheated);
  EXPECT_EQ(slot(15), 101);
  EXPECT_EQ(g.gDeckPtr, 4);
}

TEST_F(DealingTest, WithTheWarningOffDealingPastAPlayableCardIsSilentAndClean) {
  g.gCheatWarning = false;
  put(cardOf(0, 5), 6, 5);
  put(cardOf(0, 2), 14, 5);
  g.deal();
  EXPECT_EQ(table.count("askCheat"), 0);
  EXPECT_FALSE(g.gCheated);
  EXPECT_EQ(slot(17), 103);
}

TEST_F(DealingTest, ADealThatDealsNoCardDoesNothing) {
  g.gShuffle = false;
  g.gSound = true;
  g.gDeckPtr = 9;
  g.gCheatDeckPtr = 5;
  for (int c = 14; c <= 17; ++c) put(cardOf(c - 14, 3), c, 5);  // nothing on the grid to touch
  g.dealDown();
  g.deal();
  EXPECT_TRUE(table.events.empty());
  EXPECT_EQ(g.gCheatDeckPtr, 5);
  EXPECT_EQ(g.gDeckPtr, 9);
}

TEST_F(DealingTest, OrphansHoldTheAutomaticDealBackUnlessCheated) {
  put(cardOf(1, 4), 6, 5);
  g.checkForOrphans();
  g.dealDown();
  EXPECT_EQ(slot(14), emptyCode);
  g.gCheated = true;
  g.dealDown();
  EXPECT_EQ(slot(14), cardBackCode);
}

TEST_F(DealingTest, TheFirstDealStartsAGame) {
  g.gDeckPtr = 0;
  g.gShuffle = false;
  g.deal();
  EXPECT_EQ(g.gDeckPtr, 5);  // the new game's own automatic deal
  EXPECT_TRUE(g.gGameCounts);
  EXPECT_EQ(g.gCheatDeckPtr, 1);
}

}  // namespace
}  // namespace velmoran::testing
