// Damaged, edited and foreign files: what survives, and that nothing breaks.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/PrefsFile.h"
#include "tests/prefs/SavedGames.h"

namespace velmoran::testing {
namespace {

constexpr int moves = 5;
constexpr int U = 153 * moves;

const std::string& savedText() {
  static const std::string text = prefsText(gameAfterMoves(moves)->routines);
  return text;
}

// The same game played to its end and won.
const std::string& wonText() {
  static const std::string text = [] {
    const auto game = gameAfterMoves(moves);
    finishWon(game->routines);
    return prefsText(game->routines);
  }();
  return text;
}

std::unique_ptr<Fixture> readText(const std::string& text) {
  auto f = std::make_unique<Fixture>();
  applyPrefsText(f->routines, text);
  return f;
}

bool hasSavedGame(const MainRoutines& r) { return r.gDeckPtr != 0; }

// Whatever was read, the state is one the game can run with, and reading
// the game's own file of it changes nothing.
void expectSane(const MainRoutines& r) {
  EXPECT_TRUE(r.game >= 1 && r.game <= 2 && r.grid >= 1 && r.grid <= 4);
  EXPECT_TRUE(r.gKings >= 1 && r.gKings <= 6 && r.delaySpeed >= 0 && r.delaySpeed <= 100);
  EXPECT_TRUE(r.gCardBackNumber >= 1 && r.gCardBackNumber <= 32);
  EXPECT_TRUE(r.moveNumber >= 0 && r.moveNumber <= 100 && r.gDeckPtr >= 0 && r.gDeckPtr <= 49);
  const std::string text = prefsText(r);
  Fixture again;
  EXPECT_TRUE(applyPrefsText(again.routines, text));
  EXPECT_EQ(prefsText(again.routines), text);
}

TEST(PrefsDamage, SettingsOutOfRangeKeepFactoryValues) {
  std::string text = savedText();
  for (auto [line, value] : {std::pair{1, "3"}, {2, "0"}, {3, "x"}, {4, "101"}, {233 + U, "33"}}) {
    text = withLine(text, line, value);
  }
  const auto f = readText(text);
  const MainRoutines& r = f->routines;
  EXPECT_EQ(r.game, 1);
  EXPECT_EQ(r.gKings, 1);
  EXPECT_EQ(r.grid, 1);
  EXPECT_EQ(r.gridMinY, 1);
  EXPECT_EQ(r.delaySpeed, 40);
  EXPECT_EQ(r.gCardBackNumber, 1);
  EXPECT_TRUE(hasSavedGame(r));
  EXPECT_EQ(r.stats.easyLosses, 1000000);
}

TEST(PrefsDamage, CountersPreferAValidSecondCopy) {
  std::string text = savedText();
  text = withLine(text, 8, "-4");        // wins: second copy 5 stays
  text = withLine(text, 225 + U, "-1");  // losses: first copy 11 stands in
  text = withLine(text, 10, "x");        // noCheatWins: both damaged
  text = withLine(text, 226 + U, "99999999999");
  text = withLine(text, 227 + U, "8");  // easyWins: the copies differ
  const Statistics stats = readText(text)->routines.stats;
  EXPECT_EQ(stats.wins, 5);
  EXPECT_EQ(stats.losses, 11);
  EXPECT_EQ(stats.noCheatWins, 0);
  EXPECT_EQ(stats.easyWins, 8);
}

// The books area's place of the first book, which the saved game shows.
constexpr int bookLine = 14 + 9 * (bookColumn(1) - 1) + (bookRow(1) - 1);

// Each edit breaks the saved game: it is dropped whole, the rest stays.
class PrefsBrokenGame : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(PrefsBrokenGame, IsDroppedWhole) {
  const auto& [line, value] = GetParam();
  const auto f = readText(withLine(savedText(), line, value));
  const MainRoutines& r = f->routines;
  EXPECT_FALSE(hasSavedGame(r));
  EXPECT_EQ(r.moveNumber, 0);
  EXPECT_FALSE(r.gUndoOk);
  EXPECT_EQ(r.gPlayingGrid, Board{});
  EXPECT_EQ(r.gPlayingGrid, r.undoGrid[1]);
  EXPECT_EQ(r.delaySpeed, 73);
  EXPECT_EQ(r.stats.easyLosses, 1000000);
  expectSane(r);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PrefsBrokenGame,
    ::testing::Values(std::pair<int, std::string>{14, "53"}, std::pair{14, "200"},
                      std::pair{14, "x"}, std::pair{14, ""}, std::pair{14, "4.5"},
                      std::pair{14 + 9 * 4 + 4, "26"},         // a king twice
                      std::pair{168 + 3, "-1"},                // a snapshot place
                      std::pair{168 + 9 * 12, "13"},           // a snapshot's books count
                      std::pair{168 + 153 + 9 * 12 + 1, "0"},  // a snapshot's deck position
                      std::pair{168 + U, "13"},                // a king in the deck
                      std::pair{169 + U, lineOf(savedText(), 168 + U)},  // a card twice
                      std::pair{216 + U, "50"}, std::pair{217 + U, "13"}, std::pair{235 + U, "49"},
                      std::pair{232 + U, "on"},  // won with one book out
                      // a book place holding a code that is no card
                      std::pair{bookLine, "-1"}, std::pair{bookLine, "200"},
                      std::pair{bookLine, "2147483647"}));

// Games that every line-by-line check passes but that cannot be played on:
// each card of the pack must be in exactly one place, and every card on the
// grid inside the grid that is played.
TEST(PrefsDamage, TheWholeGameMustAddUp) {
  const std::vector<std::function<void(MainRoutines&)>> edits{
      // a card still to be dealt is also on the grid: dealt twice later
      [](MainRoutines& r) { r.gPlayingGrid[12][8] = r.gDeck[deckSize]; },
      // the same in the snapshot an Undo would bring back
      [](MainRoutines& r) { r.undoGrid[2][12][8] = r.gDeck[deckSize]; },
      // a card nobody can reach: outside the 12 x 7 grid, or on the tapestry
      [](MainRoutines& r) { std::swap(r.gPlayingGrid[1][2], r.gPlayingGrid[1][1]); },
      [](MainRoutines& r) { std::swap(r.gPlayingGrid[1][2], r.gPlayingGrid[15][2]); },
      // a card lost: neither on the board, nor in the deck, nor in a book
      [](MainRoutines& r) { r.gPlayingGrid[1][2] = emptyCode; },
      // a book shown that was never counted, or counted and not shown
      [](MainRoutines& r) { r.gPlayingGrid[bookColumn(1)][bookRow(1)] = emptyCode; },
      [](MainRoutines& r) { r.gNumBooks = 2; },
  };
  for (std::size_t i = 0; i < edits.size(); ++i) {
    auto game = gameAfterMoves(moves);
    edits[i](game->routines);
    Fixture f;
    EXPECT_FALSE(applyPrefsText(f.routines, prefsText(game->routines))) << i;
    EXPECT_FALSE(hasSavedGame(f.routines)) << i;
    EXPECT_EQ(f.routines.stats.easyLosses, 1000000) << i;
  }
  Fixture whole;
  EXPECT_TRUE(applyPrefsText(whole.routines, savedText()));
  EXPECT_TRUE(hasSavedGame(whole.routines));
}

TEST(PrefsDamage, AGridMadeSmallerStrandsNoCard) {
  // Line 3 edited from 12 x 7 to 10 x 7: the cards of columns 1 and 12
  // would lie outside the grid for ever.
  const auto f = readText(withLine(savedText(), 3, "4"));
  EXPECT_FALSE(hasSavedGame(f->routines));
  EXPECT_EQ(f->routines.grid, 4);
}

// With the move count wrong but in range, the lines after the undo store
// are read from the wrong places: the counters come from their first copy.
TEST(PrefsDamage, AMisplacedTailLeavesTheCountersToTheirFirstCopy) {
  for (int count : {moves - 1, moves + 1, 0}) {
    Fixture f;
    EXPECT_FALSE(applyPrefsText(f.routines, withLine(savedText(), 167, std::to_string(count))))
        << count;
    EXPECT_EQ(f.routines.stats, gameAfterMoves(moves)->routines.stats) << count;
    EXPECT_FALSE(hasSavedGame(f.routines)) << count;
    EXPECT_EQ(f.routines.gCardBackNumber, 1) << count;  // not taken from a wrong line
  }
}

TEST(PrefsDamage, OnlyAFileReadWholeCountsAsRead) {
  Fixture factory;
  EXPECT_TRUE(applyPrefsText(factory.routines, prefsText(Fixture().routines)));
  EXPECT_TRUE(applyPrefsText(factory.routines, savedText()));
  for (const std::string& damaged :
       {std::string(), firstLines(savedText(), 100), withLine(savedText(), 225 + U, "-3"),
        withLine(savedText(), 14, "53")}) {
    Fixture f;
    EXPECT_FALSE(applyPrefsText(f.routines, damaged)) << damaged.size();
  }
  // Every spelling of a Boolean the reader knows is taken as it stands.
  for (const char* spelled : {"false", " OFF\t", "Off"}) {
    Fixture f;
    EXPECT_TRUE(applyPrefsText(f.routines, withLine(savedText(), 5, spelled))) << spelled;
  }
}

TEST(PrefsDamage, MoveCountOutOfRangeDropsTheGameAndTheLinesAfterIt) {
  for (const char* count : {"101", "-1", "1000000000", "x"}) {
    const auto f = readText(withLine(savedText(), 167, count));
    EXPECT_FALSE(hasSavedGame(f->routines)) << count;
    EXPECT_EQ(f->routines.gCardBackNumber, 1);         // past the undo store: not found
    EXPECT_TRUE(f->routines.gAlwaysShowInstructions);  // so it keeps its factory value
    EXPECT_EQ(f->routines.stats.losses, 11);           // the first copy
    EXPECT_EQ(f->routines.delaySpeed, 73);
  }
}

TEST(PrefsDamage, UndoNeedsAMoveAndAnUnwonGame) {
  Fixture factory;
  EXPECT_FALSE(readText(withLine(prefsText(factory.routines), 219, "on"))->routines.gUndoOk);
  const auto won = readText(withLine(wonText(), 219 + U, "on"));
  EXPECT_TRUE(won->routines.gVictory);
  EXPECT_FALSE(won->routines.gUndoOk);
  EXPECT_TRUE(readText(savedText())->routines.gUndoOk);
}

// A line the reader does not take keeps the value the reader gives it,
// and the file counts as damaged, so that it is kept and the player told.
TEST(PrefsDamage, EveryLineNotTakenIsDamage) {
  const struct {
    std::string text;
    std::function<bool(const MainRoutines&)> read;
  } cases[] = {
      // an Easy game's difficulty unreadable: Standard, the game kept
      {withLine(savedText(), 1, "2x"), [](auto& r) { return r.game == 1 && hasSavedGame(r); }},
      // no deck position: no game, though the board and the undo store hold one
      {withLine(savedText(), 216 + U, "0"), [](auto& r) { return !hasSavedGame(r); }},
      // a won game no longer marked won
      {withLine(wonText(), 232 + U, "off"), [](auto& r) { return !hasSavedGame(r); }},
      // Undo in a won game
      {withLine(wonText(), 219 + U, "on"), [](auto& r) { return hasSavedGame(r) && !r.gUndoOk; }},
      // a Boolean that is neither on nor off
      {withLine(savedText(), 5, "yes"), [](auto& r) { return !r.gSound; }},
      // a counter's first copy other than the copy in use
      {withLine(savedText(), 8, "6"), [](auto& r) { return r.stats.wins == 5; }},
  };
  Fixture whole;
  ASSERT_TRUE(applyPrefsText(whole.routines, wonText()));
  ASSERT_TRUE(whole.routines.gVictory);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Fixture f;
    EXPECT_FALSE(applyPrefsText(f.routines, cases[i].text)) << i;
    EXPECT_TRUE(cases[i].read(f.routines)) << i;
    EXPECT_EQ(f.routines.stats.easyLosses, 1000000) << i;
  }
}

TEST(PrefsDamage, ShortFileKeepsTheLinesItHas) {
  const auto head = readText(firstLines(savedText(), 7));
  EXPECT_EQ(head->routines.game, 2);
  EXPECT_EQ(head->routines.delaySpeed, 73);
  EXPECT_FALSE(head->routines.gAlwaysShowInstructions);
  EXPECT_FALSE(hasSavedGame(head->routines));

  const auto midUndo = readText(firstLines(savedText(), 400));
  EXPECT_FALSE(hasSavedGame(midUndo->routines));
  EXPECT_EQ(midUndo->routines.stats.losses, 11);

  const auto gameWhole = readText(firstLines(savedText(), 235 + U));
  EXPECT_TRUE(hasSavedGame(gameWhole->routines));
  EXPECT_FALSE(gameWhole->routines.gGiveUpWarning);
  EXPECT_FALSE(gameWhole->routines.gAlwaysShowInstructions);

  const auto empty = readText("");
  EXPECT_EQ(empty->routines.game, 1);
  EXPECT_FALSE(empty->routines.gSound);
  expectSane(empty->routines);
}

TEST(PrefsDamage, AnyLineEndReadsTheSame) {
  std::string crlf, cr;
  for (char c : savedText()) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  EXPECT_EQ(prefsText(readText(crlf)->routines), savedText());
  EXPECT_EQ(prefsText(readText(cr)->routines), savedText());
  EXPECT_EQ(prefsText(readText(cr.substr(0, cr.size() - 1))->routines), savedText());
}

TEST(PrefsDamage, GarbageIsHarmless) {
  std::mt19937 random(3);
  for (int round = 0; round < 200; ++round) {
    std::string text = savedText();
    // Damage a few random bytes, or replace everything with noise.
    const int changes = round % 2 ? 5 : static_cast<int>(text.size());
    for (int i = 0; i < changes; ++i) {
      text[random() % text.size()] = static_cast<char>(random() % 256);
    }
    expectSane(readText(text)->routines);
  }
  expectSane(readText(std::string(3'000'000, '7'))->routines);
  expectSane(readText(std::string(100'000, '\n'))->routines);
}

}  // namespace
}  // namespace velmoran::testing
