// The file's exact text: factory file, where values land, and round trips.
#include <gtest/gtest.h>

#include "PrefsFile.h"
#include "SavedGames.h"

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
