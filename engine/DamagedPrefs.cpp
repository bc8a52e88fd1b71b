// Keeping a damaged preferences file before it is replaced.
#include "engine/DamagedPrefs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "engine/FileReplace.h"
#include "engine/PrefsFile.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

// A file whose bytes can be read, so that a copy of it can be kept. A pipe
// is not waited on.
bool opensAsFile(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);
  return regular;
}

// How the damaged file was kept, so that the keeping can be undone.
enum class Kept { Nothing, Copied, MovedAside, Failed };

// A copy under the first free name; only a file that cannot be copied is
// moved aside. Neither ever takes the place of an older copy.
Kept keep(const fs::path& file, const fs::path& keptName) {
  if (!isThere(file)) return Kept::Nothing;
  if (opensAsFile(file)) return createFileWithCopy(keptName, file) ? Kept::Copied : Kept::Failed;
  return renameWithoutReplacing(file, keptName) ? Kept::MovedAside : Kept::Failed;
}

void undo(Kept kept, const fs::path& file, const fs::path& keptName) {
  std::error_code error;
  if (kept == Kept::Copied) fs::remove(keptName, error);
  if (kept == Kept::MovedAside) renameWithoutReplacing(keptName, file);
}

}  // namespace

fs::path freeDamagedName(const fs::path& folder) {
  const fs::path first = folder / prefsDamagedFileName;
  fs::path name = first;
  for (int n = 2; isThere(name); ++n) name = first.string() + "-" + std::to_string(n);
  return name;
}

bool replaceDamagedPrefs(MainRoutines& routines, const fs::path& folder, const std::string& text) {
  const fs::path file = folder / prefsFileName;
  const fs::path keptName = freeDamagedName(folder);
  const Kept kept = keep(file, keptName);
  if (kept == Kept::Failed) {
    routines.table().showMessage(std::string(prefsWriteMessage));
    return false;
  }
  if (prefsWrite(routines, folder, text)) return true;
  undo(kept, file, keptName);
  return false;
}

}  // namespace velmoran
