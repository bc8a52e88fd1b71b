#include <algorithm>
#include <optional>

#include "tests/engine/EngineFixture.h"
#include "tests/engine/SquarePlan.h"
#include "engine/NullTable.h"
#include "engine/PrefsFile.h"

namespace velmoran::testing {
namespace {

// Every card is somewhere exactly once: on the grid, in the hand, still in
// the deck, or in a book.
void expectAllCardsAccountedFor(const MainRoutines& g) {
  std::vector<int> seen;
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y < boardRows; ++y)
      if (g.gPlayingGrid[x][y] != emptyCode) seen.push_back(g.gPlayingGrid[x][y]);
  for (int c = firstHandColumn; c <= lastHandColumn; ++c)
    if (isCard(g.gPlayingGrid[c][handRow])) seen.push_back(g.gPlayingGrid[c][handRow]);
  for (int i = std::max(g.gDeckPtr, 1); i <= deckSize; ++i) seen.push_back(g.gDeck[i]);
  int books = 0;
  for (int r = 1; r <= 12; ++r) {
    if (g.gPlayingGrid[bookColumn(r)][bookRow(r)] != r) continue;
    ++books;
    for (int s = 0; s < 4; ++s) seen.push_back(cardOf(s, r));
  }
  std::sort(seen.begin(), seen.end());
  std::vector<int> all(52);
  for (int c = 1; c <= 52; ++c) all[c - 1] = c;
  ASSERT_EQ(seen, all);
  ASSERT_EQ(books, g.gNumBooks);
}

// What the game saves of any state real play reaches is read back whole.
void expectSavedGameReadsBackWhole(const MainRoutines& g) {
  NullTable table;
  SystemRandom random(1);
  MainRoutines loaded(table, random);
  loaded.setAllDefaults();
  const std::string text = prefsText(g);
  ASSERT_TRUE(applyPrefsText(loaded, text));
  ASSERT_EQ(prefsText(loaded), text);
}

using PlayThroughTest = EngineTest;

// A random player presses, drags, deals and undoes through the same calls
// the table window makes, with every setting mixed.
TEST_F(PlayThroughTest, RandomPlayKeepsEveryCardAndUndoRestoresTheBoard) {
  int played = 0, undone = 0;
  for (unsigned seed = 1; seed <= 100; ++seed) {
    std::mt19937 rng(seed);
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    ScriptedRandom dealer(seed);
    RecordingTable t;
    MainRoutines m(t, dealer);
    m.setAllDefaults();
    m.game = 1 + rng() % 2;
    m.grid = 1 + rng() % 4;
    m.gKings = 1 + rng() % 6;
    m.gShuffle = chance(30);
    m.gAutoDeal = chance(70);
    m.gCheatWarning = chance(70);
    m.deal();  // the first click on the hand starts a game
    for (int step = 0; step < 600 && !m.gVictory; ++step) {
      t.events.clear();
      t.cheatAnswers = {chance(50)};
      ASSERT_NO_FATAL_FAILURE(expectAllCardsAccountedFor(m));
      if (step % 20 == 0) {
        ASSERT_NO_FATAL_FAILURE(expectSavedGameReadsBackWhole(m));
      }
      if (chance(8)) {
        const int before = m.moveNumber;
        if (!m.editUndo()) {
          ASSERT_EQ(m.moveNumber, before - 1);
          ++undone;
        }
        continue;
      }
      const int x = chance(60) ? 14 + rng() % 4 : 1 + rng() % 12;
      const int y = x >= 14 ? handRow : 1 + rng() % 9;
      const PressOutcome outcome = m.press(x, y);
      if (outcome == PressOutcome::DealOnRelease) m.deal();
      if (outcome != PressOutcome::PickUp) continue;
      const int card = m.gPlayingGrid[x][y];
      const auto places = legalPlaces(m, card);
      std::pair<int, int> to{static_cast<int>(rng() % 19), static_cast<int>(rng() % 11)};
      if (!places.empty() && chance(85)) to = places[rng() % places.size()];
      const Board before = m.gPlayingGrid;
      const int booksBefore = m.gNumBooks, deckBefore = m.gDeckPtr;
      const DropResult result = m.dropCard(card, x, y, to.first, to.second);
      if (result == DropResult::PutBack) {
        ASSERT_EQ(m.gPlayingGrid, before);
      }
      if (result != DropResult::Played) continue;
      ++played;
      if (m.gVictory || !chance(30)) continue;
      t.cheatAnswers = {chance(50)};
      if (!m.editUndo()) {
        ASSERT_TRUE(samePlaces(m.gPlayingGrid, before)) << "seed " << seed << " step " << step;
        ASSERT_EQ(m.gNumBooks, booksBefore);
        ASSERT_EQ(m.gDeckPtr, deckBefore);
        ++undone;
      }
    }
    ASSERT_NO_FATAL_FAILURE(expectAllCardsAccountedFor(m));
    ASSERT_NO_FATAL_FAILURE(expectSavedGameReadsBackWhole(m));
  }
  EXPECT_GT(played, 1000);
  EXPECT_GT(undone, 500);
}

// Plays the Easy game with the square plan; true when it reaches twelve
// books. The hand is refilled by pressing a free slot.
bool playToTwelveBooks(MainRoutines& game, std::string& stuck) {
  SquarePlan plan(game);
  for (int step = 0; step < 300 && !game.gVictory; ++step) {
    expectAllCardsAccountedFor(game);
    if (::testing::Test::HasFatalFailure()) return false;
    if (const auto move = plan.choose()) {
      const auto [x, y] = move->to;
      if (game.press(move->fromColumn, handRow) == PressOutcome::PickUp &&
          game.dropCard(move->card, move->fromColumn, handRow, x, y) == DropResult::Played)
        continue;
    }
    const auto slot = plan.freeSlot();
    if (!slot || game.press(*slot, handRow) != PressOutcome::DealOnRelease) {
      stuck = "stuck at step " + std::to_string(step);
      return false;
    }
    game.deal();
  }
  return game.gVictory;
}

void startEasyCustomGame(MainRoutines& game) {
  game.setAllDefaults();
  game.game = 2, game.gKings = 6;
  game.gCheatWarning = false;  // deal past playable cards without asking
  game.gShuffle = game.gSound = false;
  ASSERT_EQ(game.press(14, 5), PressOutcome::DealOnRelease);
  game.deal();  // starts the game; the kings wait in the hand
}

TEST_F(PlayThroughTest, ASeededGameIsPlayedToTwelveBooks) {
  ScriptedRandom seeded(1);
  MainRoutines game(table, seeded);
  startEasyCustomGame(game);
  std::string stuck;
  EXPECT_TRUE(playToTwelveBooks(game, stuck)) << stuck;
  EXPECT_EQ(game.gNumBooks, 12);
  EXPECT_EQ(game.stats.easyNoCheatWins, 1);
  expectSavedGameReadsBackWhole(game);  // a won game comes back won
  EXPECT_EQ(game.press(14, 5), PressOutcome::Ignored);
}

}  // namespace
}  // namespace velmoran::testing
