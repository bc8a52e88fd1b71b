// Clearing away what killed writes of the preferences file left.
#include "engine/PrefsLeftovers.h"

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

}  // namespace

void removePrefsLeftovers(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code ignored;
    if (fs::is_regular_file(entry->symlink_status(ignored)) &&
        isLeftoverName(entry->path().filename().string()))
      fs::remove(entry->path(), ignored);
  }
}

}  // namespace velmoran
