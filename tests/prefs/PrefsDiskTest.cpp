// The file on disk: the folder, unreadable and damaged files, links, and
// writes that fail or meet something in their way.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <future>
#include <thread>
#include <vector>

#include "engine/DamagedPrefs.h"
#include "engine/PrefsFile.h"
#include "engine/PrefsLeftovers.h"
#include "tests/prefs/SavedGames.h"

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

long filesIn(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// Files written while it lives may not grow past `bytes`: writing more fails
// as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

// Writes on a thread of its own; false when it is still stuck after
// `limit`. A write stuck on the pipe `fifo` is then let go by opening the
// pipe's other end, so that the test can end.
bool writesWithin(MainRoutines& routines, const fs::path& folder, std::chrono::seconds limit,
                  const fs::path& fifo) {
  std::promise<bool> done;
  auto result = done.get_future();
  std::thread writer([&] { done.set_value(prefsWrite(routines, folder)); });
  if (result.wait_for(limit) != std::future_status::ready) {
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(reader);
    return false;
  }
  writer.join();
  return result.get();
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

// A write that cannot finish (here: a file size limit, as on a full disk)
// leaves the old file whole and nothing beside it.
TEST(PrefsDisk, FailedWriteKeepsTheOldFile) {
  const fs::path folder = freshFolder("failed-write");
  const auto game = gameAfterMoves(3);
  ASSERT_TRUE(prefsWrite(game->routines, folder));
  const std::string old = contents(folder / prefsFileName);

  Fixture other;
  {
    const FileSizeLimit limit(100);
    EXPECT_FALSE(prefsWrite(other.routines, folder));
  }
  EXPECT_EQ(contents(folder / prefsFileName), old);
  EXPECT_EQ(filesIn(folder), 1);
  EXPECT_EQ(other.table.messages, std::vector<std::string>{std::string(prefsWriteMessage)});
}

// Each write makes a new file of its own: whatever lies at a name an
// earlier write used (a pipe that nobody reads, a folder) stays out of it.
TEST(PrefsDisk, NothingAtATemporaryNameHoldsTheWriteUp) {
  const fs::path folder = freshFolder("temp-in-the-way");
  fs::create_directories(folder);
  const fs::path fifo = folder / prefsTempFileName;
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Fixture f;
  ASSERT_TRUE(writesWithin(f.routines, folder, std::chrono::seconds(5), fifo));
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
  EXPECT_TRUE(fs::is_fifo(fifo));

  fs::remove(fifo);
  fs::create_directories(fifo);
  EXPECT_TRUE(prefsWrite(f.routines, folder));
  EXPECT_TRUE(f.table.messages.empty());
}

// Runs `step` on a thread of its own; false when it is still stuck after
// five seconds on the pipe `fifo`, which is then let go.
template <typename Step>
bool endsWithout(const fs::path& fifo, Step step) {
  auto running = std::async(std::launch::async, step);
  if (running.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
  ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // lets a stuck opening end
  running.wait();
  return false;
}

// A pipe where the file should be is not waited on, neither when reading
// nor when keeping it before the write: nobody may ever write into it.
TEST(PrefsDisk, APipeInPlaceOfTheFileHoldsNothingUp) {
  const fs::path folder = freshFolder("fifo-file");
  fs::create_directories(folder);
  const fs::path fifo = folder / prefsFileName;
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Fixture f;
  PrefsReadOutcome outcome{};
  ASSERT_TRUE(endsWithout(fifo, [&] { outcome = prefsRead(f.routines, folder); }))
      << "the read waited on the pipe";
  EXPECT_EQ(outcome, PrefsReadOutcome::Unreadable);

  bool replaced = false;
  ASSERT_TRUE(endsWithout(
      fifo, [&] { replaced = replaceDamagedPrefs(f.routines, folder, prefsText(f.routines)); }))
      << "the keeping waited on the pipe";
  EXPECT_TRUE(replaced);
  EXPECT_TRUE(fs::is_fifo(folder / prefsDamagedFileName));
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
}

// A file the player keeps to themselves stays so when it is written anew.
TEST(PrefsDisk, AWriteKeepsThePlayersPermissions) {
  const fs::path folder = freshFolder("permissions");
  Fixture f;
  ASSERT_TRUE(prefsWrite(f.routines, folder));
  fs::permissions(folder / prefsFileName, fs::perms(0600));
  const mode_t oldMask = ::umask(022);
  const bool written = prefsWrite(f.routines, folder);
  ::umask(oldMask);
  ASSERT_TRUE(written);
  EXPECT_EQ(fs::status(folder / prefsFileName).permissions(), fs::perms(0600));
}

TEST(PrefsDisk, WriteReplacesTheFileAndLeavesNothingElse) {
  const fs::path folder = freshFolder("replace");
  Fixture f;
  std::ofstream(folder / prefsFileName) << "junk from an older run\n";
  ASSERT_TRUE(prefsWrite(f.routines, folder));
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
  EXPECT_EQ(filesIn(folder), 1);
}

// A file that is there but cannot be read is not taken for a missing one.
TEST(PrefsDisk, FileThatCannotBeOpenedIsReportedAsUnreadable) {
  const fs::path folder = freshFolder("unreadable");
  fs::create_directories(folder / prefsFileName);  // a folder where the file should be
  Fixture f;
  EXPECT_EQ(prefsRead(f.routines, folder), PrefsReadOutcome::Unreadable);
  EXPECT_TRUE(f.table.messages.empty());
  EXPECT_TRUE(f.routines.gAlwaysShowInstructions);

  const fs::path dangling = freshFolder("dangling");
  fs::create_directories(dangling);
  fs::create_symlink(dangling / "gone", dangling / prefsFileName);
  EXPECT_EQ(prefsRead(f.routines, dangling), PrefsReadOutcome::Unreadable);
}

TEST(PrefsDisk, ADamagedFileIsToldApartFromAWholeOne) {
  const fs::path folder = freshFolder("damaged");
  const auto game = gameAfterMoves(3);
  ASSERT_TRUE(prefsWrite(game->routines, folder));
  Fixture whole;
  EXPECT_EQ(prefsRead(whole.routines, folder), PrefsReadOutcome::Read);

  std::ofstream(folder / prefsFileName) << withLine(prefsText(game->routines), 14, "99");
  Fixture damaged;
  EXPECT_EQ(prefsRead(damaged.routines, folder), PrefsReadOutcome::Damaged);
  EXPECT_EQ(damaged.routines.stats, game->routines.stats);
}

// A whole saved game with seven wins and three losses, one place of its
// board damaged, as the only file in a new folder.
fs::path folderWithADamagedFile(const std::string& name, Fixture& reader) {
  const fs::path folder = freshFolder(name);
  const auto game = gameAfterMoves(3);
  game->routines.stats.wins = 7;
  game->routines.stats.losses = 3;
  fs::create_directories(folder);
  std::ofstream(folder / prefsFileName) << withLine(prefsText(game->routines), 21, "banana");
  EXPECT_EQ(prefsRead(reader.routines, folder), PrefsReadOutcome::Damaged);
  return folder;
}

// The file that could not be read whole is kept beside itself before it
// is replaced; copies kept by earlier runs stay as they are, even those
// the player may not change.
TEST(PrefsDisk, EveryDamagedFileIsKept) {
  Fixture f;
  const fs::path folder = folderWithADamagedFile("keep", f);
  const std::string damaged = contents(folder / prefsFileName);
  std::ofstream(folder / prefsDamagedFileName) << "an older copy\n";
  fs::permissions(folder / prefsDamagedFileName, fs::perms(0444));
  const fs::path second = folder / (std::string(prefsDamagedFileName) + "-2");
  EXPECT_EQ(freeDamagedName(folder), second);

  ASSERT_TRUE(replaceDamagedPrefs(f.routines, folder, prefsText(f.routines)));
  EXPECT_EQ(contents(folder / prefsDamagedFileName), "an older copy\n");
  EXPECT_EQ(contents(second), damaged);
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
  EXPECT_EQ(filesIn(folder), 3);
  EXPECT_EQ(freeDamagedName(folder), folder / (std::string(prefsDamagedFileName) + "-3"));
}

// A kept copy is open to nobody the damaged file was closed to: it takes
// the file's mode and group, whatever the player's umask.
TEST(PrefsDisk, AKeptCopyIsNoMoreOpenThanTheFile) {
  Fixture f;
  const fs::path folder = folderWithADamagedFile("keep-permissions", f);
  const fs::path file = folder / prefsFileName;
  fs::permissions(file, fs::perms(0640));
  // root may give the file any group; another player one of their own
  std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
  ::getgroups(static_cast<int>(groups.size()), groups.data());
  if (::geteuid() == 0) groups.push_back(65534);
  const auto other = std::ranges::find_if(groups, [](gid_t g) { return g != ::getegid(); });
  const bool regrouped = other != groups.end() && ::chown(file.c_str(), -1, *other) == 0;
  struct stat damaged {};
  ASSERT_EQ(::stat(file.c_str(), &damaged), 0);

  const mode_t oldMask = ::umask(022);
  const bool replaced = replaceDamagedPrefs(f.routines, folder, prefsText(f.routines));
  ::umask(oldMask);
  ASSERT_TRUE(replaced);
  struct stat kept {};
  ASSERT_EQ(::stat((folder / prefsDamagedFileName).c_str(), &kept), 0);
  EXPECT_EQ(kept.st_mode & 07777, 0640u);
  EXPECT_EQ(kept.st_gid, damaged.st_gid) << (regrouped ? "given a group" : "the player's group");
}

TEST(PrefsDisk, AFileThatCannotBeReadIsMovedAsideWhole) {
  const fs::path folder = freshFolder("keep-unreadable");
  fs::create_directories(folder);
  fs::create_symlink("/nowhere/prefs", folder / prefsFileName);
  Fixture f;
  ASSERT_TRUE(replaceDamagedPrefs(f.routines, folder, prefsText(f.routines)));
  EXPECT_EQ(fs::read_symlink(folder / prefsDamagedFileName), "/nowhere/prefs");
  EXPECT_EQ(contents(folder / prefsFileName), prefsText(f.routines));
}

// When the new file cannot be written (here: a file size limit, as on a
// full disk), the damaged file is still there, under its own name, for the
// next start to find and tell of again.
TEST(PrefsDisk, AFailedWriteLeavesTheDamagedFileWhereItWas) {
  Fixture f;
  const fs::path folder = folderWithADamagedFile("keep-full", f);
  const std::string damaged = contents(folder / prefsFileName);
  {
    const FileSizeLimit limit(100);
    EXPECT_FALSE(replaceDamagedPrefs(f.routines, folder, prefsText(f.routines)));
  }
  EXPECT_EQ(contents(folder / prefsFileName), damaged);
  EXPECT_EQ(filesIn(folder), 1);
  EXPECT_EQ(f.table.messages, std::vector<std::string>{std::string(prefsWriteMessage)});
  Fixture next;
  EXPECT_EQ(prefsRead(next.routines, folder), PrefsReadOutcome::Damaged);

  const fs::path linked = freshFolder("keep-unreadable-full");
  fs::create_directories(linked);
  fs::create_symlink("/nowhere/prefs", linked / prefsFileName);
  {
    const FileSizeLimit limit(100);
    EXPECT_FALSE(replaceDamagedPrefs(f.routines, linked, prefsText(f.routines)));
  }
  EXPECT_EQ(fs::read_symlink(linked / prefsFileName), "/nowhere/prefs");
  EXPECT_EQ(filesIn(linked), 1);

  // Nor is it replaced when no copy of it can be kept, though the new file
  // could be written: here the damaged file is too long to be copied.
  Fixture longer;
  const fs::path uncopied = folderWithADamagedFile("keep-uncopied", longer);
  std::ofstream(uncopied / prefsFileName, std::ios::app) << std::string(200'000, '7');
  const std::string tooLong = contents(uncopied / prefsFileName);
  {
    const FileSizeLimit limit(100'000);
    EXPECT_FALSE(replaceDamagedPrefs(longer.routines, uncopied, prefsText(longer.routines)));
  }
  EXPECT_EQ(contents(uncopied / prefsFileName), tooLong);
  EXPECT_EQ(filesIn(uncopied), 1);
  EXPECT_EQ(longer.table.messages, std::vector<std::string>{std::string(prefsWriteMessage)});
}

// What killed writes left goes; kept copies, and whatever is not a file
// of those writes' own, stay.
TEST(PrefsDisk, LeftoversOfKilledWritesAreRemoved) {
  const fs::path folder = freshFolder("leftovers");
  fs::create_directories(folder);
  const std::string file(prefsFileName);
  const std::vector<std::string> leftovers{
      file + ".saving", file + ".saving-123-4", file + ".damaged.saving",
      file + ".damaged-2.saving-56-7"};
  const std::vector<std::string> kept{file,
                                      file + ".damaged",
                                      file + ".damaged-2",
                                      file + ".lock",
                                      file + ".savings",
                                      file + ".saving-x-1",
                                      "Other Preferences.saving"};
  for (const std::string& name : leftovers) std::ofstream(folder / name) << "part of a file";
  for (const std::string& name : kept) std::ofstream(folder / name) << "kept";
  fs::create_directories(folder / (file + ".saving-1-1"));
  fs::create_symlink(folder / file, folder / (file + ".saving-2-1"));

  // A file under such a name that another player owns is not the player's
  // to remove (made only where a file may be given away: by root).
  const fs::path othersFile = folder / (file + ".saving-55-5");
  std::ofstream(othersFile) << "kept";
  const bool othersMade = ::chown(othersFile.c_str(), 65534, 65534) == 0;
  if (!othersMade) fs::remove(othersFile);

  removePrefsLeftovers(folder);
  for (const std::string& name : leftovers) EXPECT_FALSE(fs::exists(folder / name)) << name;
  for (const std::string& name : kept) EXPECT_EQ(contents(folder / name), "kept") << name;
  if (othersMade) {
    EXPECT_EQ(contents(othersFile), "kept");
  }
  EXPECT_EQ(filesIn(folder), static_cast<long>(kept.size()) + 2 + (othersMade ? 1 : 0));
}

// Settings kept in a folder of dotfiles and linked into place stay linked:
// the write goes to the file the link leads to.
TEST(PrefsDisk, ALinkedFileStaysALink) {
  const fs::path base = freshFolder("linked");
  const fs::path folder = base / "config";
  const fs::path dotfiles = base / "dotfiles";
  fs::create_directories(folder);
  fs::create_directories(dotfiles);
  std::ofstream(dotfiles / "velmoran") << "old\n";
  fs::create_symlink("../dotfiles/velmoran", folder / prefsFileName);
  Fixture f;
  ASSERT_TRUE(prefsWrite(f.routines, folder));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / prefsFileName)));
  EXPECT_EQ(contents(dotfiles / "velmoran"), prefsText(f.routines));
  EXPECT_EQ(filesIn(dotfiles), 1);
  EXPECT_EQ(filesIn(folder), 1);
}

}  // namespace
}  // namespace velmoran::testing
