// Clearing away what killed writes of the preferences file left.
#include "engine/PrefsLeftovers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <regex>
#include <string>
#include <system_error>

#include "engine/PrefsFile.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

// The preferences file or a kept copy (".damaged", ".damaged-2", ...),
// followed by the names a write gives its new file beside it: ".saving",
// or ".saving-PID-N" when that was taken.
bool isLeftoverName(const std::string& name) {
  static const std::regex leftover(std::string(prefsFileName) +
                                   R"((\.damaged(-[0-9]+)?)?\.saving(-[0-9]+-[0-9]+)?)");
  return std::regex_match(name, leftover);
}

// A regular file of the player's own: only the player's writes leave one.
bool isPlayersFile(const fs::path& file) {
  struct stat status {};
  return ::lstat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         status.st_uid == ::geteuid();
}

}  // namespace

void removePrefsLeftovers(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code ignored;
    if (isLeftoverName(entry->path().filename().string()) && isPlayersFile(entry->path()))
      fs::remove(entry->path(), ignored);
  }
}

}  // namespace velmoran
