// The preferences file on disk: found in the configuration folder, read with
// a size limit, and replaced only once a complete new copy has been written.
#include "engine/PrefsFile.h"

#include <fstream>
#include <optional>
#include <system_error>

#include "engine/FileReplace.h"

namespace velmoran {

namespace fs = std::filesystem;

namespace {

// The longest file the game writes is well under 100 KB; anything past this
// is not the game's and is ignored rather than read into memory.
constexpr std::streamsize maxFileBytes = 1 << 20;

// The folder exists or has been created.
bool reachFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error);
}

// The file's text, or nothing when it cannot be opened or read.
std::optional<std::string> readText(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(static_cast<std::size_t>(maxFileBytes), '\0');
  in.read(text.data(), maxFileBytes);
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

PrefsReadOutcome prefsRead(MainRoutines& routines, const fs::path& folder) {
  if (!reachFolder(folder)) {
    routines.table().showMessage(std::string(prefsFolderMessage));
    return PrefsReadOutcome::FolderUnreachable;
  }
  const fs::path file = folder / prefsFileName;
  if (!isThere(file)) return PrefsReadOutcome::NoFile;
  const auto text = readText(file);
  if (!text) return PrefsReadOutcome::Unreadable;
  return applyPrefsText(routines, *text) ? PrefsReadOutcome::Read : PrefsReadOutcome::Damaged;
}

bool prefsWrite(MainRoutines& routines, const fs::path& folder) {
  return prefsWrite(routines, folder, prefsText(routines));
}

bool prefsWrite(MainRoutines& routines, const fs::path& folder, const std::string& text) {
  // The old file is replaced only by a complete new one: a failure at any
  // step leaves it as it was. A linked file stays linked.
  const bool written = reachFolder(folder) && replaceFile(linkTarget(folder / prefsFileName), text);
  if (!written) routines.table().showMessage(std::string(prefsWriteMessage));
  return written;
}

}  // namespace velmoran
