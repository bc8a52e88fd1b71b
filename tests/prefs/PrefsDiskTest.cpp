// The file on disk: the folder, unreadable files and failed writes.
#include <gtest/gtest.h>

#include <fstream>

#include "PrefsFile.h"
#include "SavedGames.h"

namespace velmoran::testing {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
  const fs::path folder = fs::path(::testing::TempDir()) / ("prefs-disk-" + name);
  fs::remove_all(folder);
  return folder;
}

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(PrefsDisk, MissingFolderIsCreatedAndMissingFileLeavesFactoryValues) {
  const fs::path folder = freshFolder("missing") / "deeper";
  Fixture f;
  EXPECT_EQ(prefsRead(f.routines, folder), PrefsReadOutcome::NoFile);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(f.routines.delaySpeed, 40);
  EXPECT_TRUE(f.table.messages.empty());
}

// A folder below a regular file can never be made, even by root.
TEST(PrefsDisk, UnreachableFolderIsReportedBothWays) {
  const fs::path blocker = freshFolder("blocker");
  std::ofstream(blocker) << "a file";
  Fixture f;
  EXPECT_EQ(prefsRead(f.routines, blocker / "prefs"), PrefsReadOutcome::FolderUnreachable);
  EXPECT_FALSE(prefsWrite(f.routines, blocker / "prefs"));
  EXPECT_EQ(f.table.messages, (std::vector<std::string>{std::string(prefsFolderMessage),
                                                        std::string(prefsWriteMessage)}));
  EXPECT_EQ(prefsFolderMessage,
            "Error accessing preferences folder.\n\nPreferences were not loaded.");
  EXPECT_EQ(prefsWriteMessage,
            "Sorry, unable to create preferences file.\n\nYour settings cannot be saved.");
}

TEST(PrefsDisk, FailedWriteKeepsTheOldFile) {
  const fs::path folder = freshFolder("failed-write");
  const auto game = gameAfterMoves(3);
  ASSERT_TRUE(prefsWrite(game->routines, folder));
  const std::string old = contents(folder / prefsFileName);

  // The new copy cannot be made: its place is taken by a folder.
  fs::create_directory(folder / prefsTempFileName);
  Fixture other;
  EXPECT_FALSE(prefsWrite(other.routines, folder));
  EXPECT_EQ(contents(folder / prefsFileName), old);
  EXPECT_EQ(other.table.messages, std::vector<std::string>{std::string(prefsWriteMessage)});
}

TEST(PrefsDisk, FileThatCannotBeOpenedCountsAsAbsent) {
  const fs::path folder = freshFolder("unreadable");
  fs::create_directories(folder / prefsFileName);  // a folder where the file should be
  Fixture f;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(prefsRead(f.routines, folder), PrefsReadOutcome::NoFile);
  EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(f.table.messages.empty());
  EXPECT_TRUE(f.routines.gAlwaysShowInstructions);
}

TEST(PrefsDisk, WriteReplacesTheFileAndLeavesNothingElse) {
  const fs::path folder = freshFolder("replace");
  Fixture f;
  std::ofstream(folder / prefsFileName) << "junk from an older run\n";
  ASSERT_TRUE(prefsWrite(f.routines, folder));
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace velmoran::testing
