// The file's exact text: factory file, where values land, and round trips.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "engine/PrefsFile.h"
#include "tests/prefs/SavedGames.h"

namespace velmoran::testing {
namespace {

std::string repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + '\n';
  return text;
}

TEST(PrefsFormat, FactoryFileIsExactly238Lines) {
  Fixture f;
  const std::string expected = "1\n1\n1\n40\non\non\non\n" + repeated("0", 6) + repeated("0", 153) +
                               "0\n" + repeated("0", 48) + "0\n0\non\noff\n1\n0\non\noff\n" +
                               repeated("0", 6) + "off\non\noff\n1\noff\n0\non\non\non\n";
  EXPECT_EQ(prefsText(f.routines), expected);
  EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 238);
}

TEST(PrefsFormat, ValuesLandOnTheirLines) {
  auto f = gameAfterMoves(100);
  MainRoutines& r = f->routines;
  r.gPlayingGrid[17][9] = 52;  // not a place the game uses; only the line matters
  r.undoGrid[100][17][9] = 51;
  r.undoGrid[1][1][1] = 50;
  const std::string text = prefsText(r);

  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 15538);
  EXPECT_EQ(lineOf(text, 1), "2");   // game
  EXPECT_EQ(lineOf(text, 2), "6");   // gKings
  EXPECT_EQ(lineOf(text, 3), "3");   // grid
  EXPECT_EQ(lineOf(text, 13), "2");  // easyNoCheatWins
  EXPECT_EQ(lineOf(text, 14 + 9 * 4 + 4), std::to_string(r.gPlayingGrid[5][5]));
  EXPECT_EQ(lineOf(text, 166), "52");
  EXPECT_EQ(lineOf(text, 167), "100");
  EXPECT_EQ(lineOf(text, 168), "50");
  EXPECT_EQ(lineOf(text, 167 + 153 * 100), "51");
  EXPECT_EQ(lineOf(text, 168 + 15300), std::to_string(r.gDeck[1]));
  EXPECT_EQ(lineOf(text, 15533), "17");  // gCardBackNumber
  EXPECT_EQ(lineOf(text, 15529), "2");   // easyNoCheatWins again
  EXPECT_EQ(lineOf(text, 15538), "on");  // gAlwaysShowInstructions, the last line
}

// Changing one value changes its own line and no other, so two values can
// never trade places unnoticed, even when writer and reader agree.
TEST(PrefsFormat, EachValueHasALineOfItsOwn) {
  constexpr int U = 153 * 3;
  struct Case {
    std::vector<int> lines;
    std::function<void(MainRoutines&)> change;
  };
  const std::vector<Case> cases{
      {{1}, [](MainRoutines& r) { r.game = 1; }},
      {{2}, [](MainRoutines& r) { r.gKings = 2; }},
      {{3}, [](MainRoutines& r) { r.grid = 4; }},
      {{4}, [](MainRoutines& r) { r.delaySpeed = 9; }},
      {{5}, [](MainRoutines& r) { r.gSound = !r.gSound; }},
      {{6}, [](MainRoutines& r) { r.gShuffle = !r.gShuffle; }},
      {{7}, [](MainRoutines& r) { r.gCheatWarning = !r.gCheatWarning; }},
      {{8, 224 + U}, [](MainRoutines& r) { ++r.stats.wins; }},
      {{9, 225 + U}, [](MainRoutines& r) { ++r.stats.losses; }},
      {{10, 226 + U}, [](MainRoutines& r) { ++r.stats.noCheatWins; }},
      {{11, 227 + U}, [](MainRoutines& r) { ++r.stats.easyWins; }},
      {{12, 228 + U}, [](MainRoutines& r) { ++r.stats.easyLosses; }},
      {{13, 229 + U}, [](MainRoutines& r) { ++r.stats.easyNoCheatWins; }},
      {{168 + U}, [](MainRoutines& r) { r.gDeck[1] = 0; }},
      {{215 + U}, [](MainRoutines& r) { r.gDeck[48] = 0; }},
      {{216 + U}, [](MainRoutines& r) { r.gDeckPtr = 31; }},
      {{217 + U}, [](MainRoutines& r) { r.gNumBooks = 7; }},
      {{218 + U}, [](MainRoutines& r) { r.gNoOrphans = !r.gNoOrphans; }},
      {{219 + U}, [](MainRoutines& r) { r.gUndoOk = !r.gUndoOk; }},
      {{220 + U}, [](MainRoutines& r) { r.undoPtr = 33; }},
      {{221 + U}, [](MainRoutines& r) { r.undoNumBooks = 8; }},
      {{222 + U}, [](MainRoutines& r) { r.gFlashOrphans = !r.gFlashOrphans; }},
      {{223 + U}, [](MainRoutines& r) { r.gShowStats = !r.gShowStats; }},
      {{230 + U}, [](MainRoutines& r) { r.gGameCounts = !r.gGameCounts; }},
      {{231 + U}, [](MainRoutines& r) { r.gDimUnplayables = !r.gDimUnplayables; }},
      {{232 + U}, [](MainRoutines& r) { r.gVictory = !r.gVictory; }},
      {{233 + U}, [](MainRoutines& r) { r.gCardBackNumber = 29; }},
      {{234 + U}, [](MainRoutines& r) { r.gCheated = !r.gCheated; }},
      {{235 + U}, [](MainRoutines& r) { r.gCheatDeckPtr = 27; }},
      {{236 + U}, [](MainRoutines& r) { r.gGiveUpWarning = !r.gGiveUpWarning; }},
      {{237 + U}, [](MainRoutines& r) { r.gAutoDeal = !r.gAutoDeal; }},
      {{238 + U}, [](MainRoutines& r) { r.gAlwaysShowInstructions = !r.gAlwaysShowInstructions; }},
  };
  auto linesOf = [](const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  };
  const auto game = gameAfterMoves(3);
  const auto before = linesOf(prefsText(game->routines));
  for (const Case& c : cases) {
    MainRoutines changed = game->routines;
    c.change(changed);
    const auto after = linesOf(prefsText(changed));
    ASSERT_EQ(after.size(), before.size());
    std::vector<int> differing;
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (before[i] != after[i]) differing.push_back(static_cast<int>(i) + 1);
    }
    EXPECT_EQ(differing, c.lines) << "line " << c.lines.front();
  }
}

// The reader finds each value after the undo store on the line the writer
// gives it: an edit of that line, and of no other, changes what is read.
TEST(PrefsFormat, TheReaderTakesEachValueAfterTheUndoStoreFromItsLine) {
  constexpr int U = 153 * 3;
  const auto game = gameAfterMoves(3);
  const MainRoutines& saved = game->routines;
  const std::string text = prefsText(saved);
  struct Case {
    std::vector<std::pair<int, std::string>> edits;
    std::function<bool(const MainRoutines&)> read;
  };
  // Dealt cards may trade places in the deck, and so may the last two undealt ones.
  const auto swapped = [&](int first) {
    return std::vector<std::pair<int, std::string>>{{first, lineOf(text, first + 1)},
                                                    {first + 1, lineOf(text, first)}};
  };
  const auto stillSaved = [&](const MainRoutines& r) { return r.gDeckPtr == saved.gDeckPtr; };
  const std::vector<Case> cases{
      {swapped(168 + U),
       [&](const MainRoutines& r) { return r.gDeck[1] == saved.gDeck[2] && stillSaved(r); }},
      {swapped(214 + U),
       [&](const MainRoutines& r) { return r.gDeck[48] == saved.gDeck[47] && stillSaved(r); }},
      // The game no longer adds up with another deck position or books count.
      {{{216 + U, "12"}}, [](const MainRoutines& r) { return r.gDeckPtr == 0; }},
      {{{217 + U, "2"}}, [](const MainRoutines& r) { return r.gDeckPtr == 0; }},
      {{{218 + U, "on"}}, [](const MainRoutines& r) { return r.gNoOrphans; }},
      {{{219 + U, "off"}}, [](const MainRoutines& r) { return !r.gUndoOk; }},
      {{{220 + U, "30"}}, [](const MainRoutines& r) { return r.undoPtr == 30; }},
      {{{221 + U, "4"}}, [](const MainRoutines& r) { return r.undoNumBooks == 4; }},
      {{{222 + U, "off"}}, [](const MainRoutines& r) { return !r.gFlashOrphans; }},
      {{{223 + U, "off"}}, [](const MainRoutines& r) { return !r.gShowStats; }},
      {{{224 + U, "91"}}, [](const MainRoutines& r) { return r.stats.wins == 91; }},
      {{{225 + U, "92"}}, [](const MainRoutines& r) { return r.stats.losses == 92; }},
      {{{226 + U, "93"}}, [](const MainRoutines& r) { return r.stats.noCheatWins == 93; }},
      {{{227 + U, "94"}}, [](const MainRoutines& r) { return r.stats.easyWins == 94; }},
      {{{228 + U, "95"}}, [](const MainRoutines& r) { return r.stats.easyLosses == 95; }},
      {{{229 + U, "96"}}, [](const MainRoutines& r) { return r.stats.easyNoCheatWins == 96; }},
      {{{230 + U, "off"}}, [](const MainRoutines& r) { return !r.gGameCounts; }},
      {{{231 + U, "off"}}, [](const MainRoutines& r) { return !r.gDimUnplayables; }},
      // A game is won only with every book out.
      {{{232 + U, "on"}}, [](const MainRoutines& r) { return r.gDeckPtr == 0; }},
      {{{233 + U, "29"}}, [](const MainRoutines& r) { return r.gCardBackNumber == 29; }},
      {{{234 + U, "off"}}, [](const MainRoutines& r) { return !r.gCheated; }},
      {{{235 + U, "30"}}, [](const MainRoutines& r) { return r.gCheatDeckPtr == 30; }},
      {{{236 + U, "off"}}, [](const MainRoutines& r) { return !r.gGiveUpWarning; }},
      {{{237 + U, "on"}}, [](const MainRoutines& r) { return r.gAutoDeal; }},
      {{{238 + U, "off"}}, [](const MainRoutines& r) { return !r.gAlwaysShowInstructions; }},
  };
  Fixture unedited;
  ASSERT_TRUE(applyPrefsText(unedited.routines, text));
  ASSERT_TRUE(stillSaved(unedited.routines));
  for (const Case& c : cases) {
    std::string edited = text;
    for (const auto& [line, value] : c.edits) edited = withLine(edited, line, value);
    Fixture f;
    applyPrefsText(f.routines, edited);
    EXPECT_TRUE(c.read(f.routines)) << "line " << c.edits.front().first;
    EXPECT_FALSE(c.read(unedited.routines)) << "line " << c.edits.front().first;
  }
}

// Writing, reading into a fresh game and writing again gives the same bytes.
class PrefsRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(PrefsRoundTrip, RewriteIsByteIdentical) {
  const auto saved = gameAfterMoves(GetParam());
  const auto folder = std::filesystem::path(::testing::TempDir()) /
                      ("prefs-round-trip-" + std::to_string(GetParam()));
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(prefsWrite(saved->routines, folder));

  Fixture loaded;
  ASSERT_EQ(prefsRead(loaded.routines, folder), PrefsReadOutcome::Read);
  const std::string text = prefsText(saved->routines);
  EXPECT_EQ(prefsText(loaded.routines), text);
  EXPECT_EQ(loaded.routines.stats, saved->routines.stats);
  EXPECT_EQ(loaded.routines.gridMinY, 2);  // the 12 x 7 grid
  EXPECT_EQ(loaded.routines.gridMaxY, 8);
  EXPECT_EQ(loaded.routines.gUndoOk, GetParam() > 0);
  EXPECT_TRUE(loaded.table.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Moves, PrefsRoundTrip, ::testing::Values(0, 1, 100));

TEST(PrefsFormat, BooleanWords) {
  EXPECT_EQ(Bool2Str(true), "on");
  EXPECT_EQ(Bool2Str(false), "off");
  for (const char* yes : {"on", "true", "TRUE", " On\t", "tRuE"}) EXPECT_TRUE(Str2Bool(yes)) << yes;
  for (const char* no : {"off", "false", "1", "", "onn", "o n"}) EXPECT_FALSE(Str2Bool(no)) << no;
}

}  // namespace
}  // namespace velmoran::testing
