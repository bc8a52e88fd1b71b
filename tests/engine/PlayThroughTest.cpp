#include <algorithm>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

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

// A file the game wrote, kept with the tests.
std::string savedFile(const std::string& name) {
  std::ifstream in(std::string(VELMORAN_SAVED_FILES) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Picks up the card at `from` and drops it at `to`, which must take it.
void play(MainRoutines& g, std::pair<int, int> from, std::pair<int, int> to) {
  const auto [x, y] = from;
  ASSERT_EQ(g.press(x, y), PressOutcome::PickUp);
  ASSERT_EQ(g.dropCard(g.gPlayingGrid[x][y], x, y, to.first, to.second), DropResult::Played);
  expectSavedGameReadsBackWhole(g);
}

// A cheated game: once an orphan has moved and the two hand cards between
// the face-down ones are played, the deal takes the last two cards of the
// deck into the first two slots and leaves the face-down card in the last.
TEST_F(PlayThroughTest, AFaceDownCardLeftWithTheDeckUsedUpReadsBack) {
  ASSERT_TRUE(applyPrefsText(g, savedFile("face-down-card-with-none-left.before.prefs")));
  ASSERT_NO_FATAL_FAILURE(play(g, {8, 3}, {9, 8}));  // the orphan 32
  ASSERT_NO_FATAL_FAILURE(play(g, {15, 5}, {8, 2}));
  ASSERT_NO_FATAL_FAILURE(play(g, {16, 5}, {9, 2}));
  ASSERT_EQ(g.press(14, 5), PressOutcome::DealOnRelease);
  g.deal();
  EXPECT_EQ(g.gDeckPtr, deckSize + 1);
  EXPECT_EQ(g.gPlayingGrid[lastHandColumn][handRow], cardBackCode);
  const std::string written = prefsText(g);
  EXPECT_EQ(written, savedFile("face-down-card-with-none-left.prefs"));
  expectSavedGameReadsBackWhole(g);
}

// What random play went through.
struct Tally {
  int played = 0, undone = 0;
  int faceDownSurplus = 0;  // states with more face-down hand cards than cards left
};

int faceDownInHand(const MainRoutines& g) {
  int count = 0;
  for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
    count += g.gPlayingGrid[c][handRow] == cardBackCode;
  }
  return count;
}

// Reading back a state that has not changed since the last read proves nothing new.
class ChangeWatch {
 public:
  bool changed(const MainRoutines& g) {
    const auto now = std::tie(g.gPlayingGrid, g.gDeckPtr, g.moveNumber, g.gCheated);
    if (now == std::tie(board_, deckPtr_, moves_, cheated_)) return false;
    std::tie(board_, deckPtr_, moves_, cheated_) = now;
    return true;
  }

 private:
  Board board_{};
  int deckPtr_ = -1, moves_ = -1;
  bool cheated_ = false;
};

using Random = std::mt19937;
bool chance(Random& rng, int percent) { return static_cast<int>(rng() % 100) < percent; }

// Where the player presses: mostly the hand; on the grid, half the time
// one of the orphans, which are the cards that can be picked up there.
std::pair<int, int> pressedPlace(const MainRoutines& m, Random& rng) {
  if (chance(rng, 60)) return {firstHandColumn + static_cast<int>(rng() % 4), handRow};
  std::vector<std::pair<int, int>> orphans;
  for (int x = m.gridMinX; x <= m.gridMaxX; ++x) {
    for (int y = m.gridMinY; y <= m.gridMaxY; ++y) {
      if (m.gPlayingGrid[x][y] != emptyCode && m.isOrphan(x, y)) orphans.push_back({x, y});
    }
  }
  if (!orphans.empty() && chance(rng, 50)) return orphans[rng() % orphans.size()];
  return {1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 9)};
}

// A random player presses, drags, deals and undoes through the same calls
// the table window makes. Every card stays accounted for, a drop put back
// changes nothing, an Undo restores the board, and every state the game
// reaches is saved and read back whole.
void playRandomly(MainRoutines& m, RecordingTable& t, unsigned seed, int steps, Tally& tally) {
  Random rng(seed);
  ChangeWatch watch;
  for (int step = 0; step < steps && !m.gVictory; ++step) {
    t.events.clear();
    t.cheatAnswers = {chance(rng, 50)};
    ASSERT_NO_FATAL_FAILURE(expectAllCardsAccountedFor(m));
    if (watch.changed(m)) {
      ASSERT_NO_FATAL_FAILURE(expectSavedGameReadsBackWhole(m))
          << "seed " << seed << " step " << step;
      if (faceDownInHand(m) > deckSize + 1 - m.gDeckPtr) ++tally.faceDownSurplus;
    }
    if (chance(rng, 8)) {
      const int before = m.moveNumber;
      if (!m.editUndo()) {
        ASSERT_EQ(m.moveNumber, before - 1);
        ++tally.undone;
      }
      continue;
    }
    const auto [x, y] = pressedPlace(m, rng);
    const PressOutcome outcome = m.press(x, y);
    // Released over the slot only now and then, so that hand cards are
    // played while face-down cards wait beside them.
    if (outcome == PressOutcome::DealOnRelease && chance(rng, 30)) m.deal();
    if (outcome != PressOutcome::PickUp) continue;
    const int card = m.gPlayingGrid[x][y];
    const auto places = legalPlaces(m, card);
    std::pair<int, int> to{static_cast<int>(rng() % 19), static_cast<int>(rng() % 11)};
    if (!places.empty() && chance(rng, 85)) to = places[rng() % places.size()];
    const Board before = m.gPlayingGrid;
    const int booksBefore = m.gNumBooks, deckBefore = m.gDeckPtr;
    const DropResult result = m.dropCard(card, x, y, to.first, to.second);
    if (result == DropResult::PutBack) {
      ASSERT_EQ(m.gPlayingGrid, before);
    }
    if (result != DropResult::Played) continue;
    ++tally.played;
    if (m.gVictory || !chance(rng, 30)) continue;
    t.cheatAnswers = {chance(rng, 50)};
    if (!m.editUndo()) {
      ASSERT_TRUE(samePlaces(m.gPlayingGrid, before)) << "seed " << seed << " step " << step;
      ASSERT_EQ(m.gNumBooks, booksBefore);
      ASSERT_EQ(m.gDeckPtr, deckBefore);
      ++tally.undone;
    }
  }
  ASSERT_NO_FATAL_FAILURE(expectAllCardsAccountedFor(m));
  ASSERT_NO_FATAL_FAILURE(expectSavedGameReadsBackWhole(m));
}

// New games with every setting mixed, then games taken on from a file the
// game wrote two cards before the end of the deck, in a cheated game with
// orphans on the grid and face-down cards in the hand.
TEST_F(PlayThroughTest, RandomPlayKeepsEveryCardAndReadsBackEveryState) {
  Tally fresh;
  for (unsigned seed = 1; seed <= 100; ++seed) {
    Random rng(seed);
    ScriptedRandom dealer(seed);
    RecordingTable t;
    MainRoutines m(t, dealer);
    m.setAllDefaults();
    m.game = 1 + rng() % 2;
    m.grid = 1 + rng() % 4;
    m.gKings = 1 + rng() % 6;
    m.gShuffle = chance(rng, 30);
    m.gAutoDeal = chance(rng, 70);
    m.gCheatWarning = chance(rng, 70);
    m.deal();  // the first click on the hand starts a game
    ASSERT_NO_FATAL_FAILURE(playRandomly(m, t, rng(), 300, fresh));
  }
  EXPECT_GT(fresh.played, 1000);
  EXPECT_GT(fresh.undone, 500);

  Tally nearTheEnd;
  const std::string saved = savedFile("face-down-card-with-none-left.before.prefs");
  for (unsigned seed = 1; seed <= 30; ++seed) {
    ScriptedRandom dealer(seed);
    RecordingTable t;
    MainRoutines m(t, dealer);
    m.setAllDefaults();
    ASSERT_TRUE(applyPrefsText(m, saved));
    ASSERT_NO_FATAL_FAILURE(playRandomly(m, t, seed, 100, nearTheEnd));
  }
  EXPECT_GT(nearTheEnd.faceDownSurplus, 0);
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
