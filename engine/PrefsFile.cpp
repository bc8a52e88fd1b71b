// The preferences file on disk: found in the configuration folder, read with
// a size limit, and replaced only once a complete new copy has been written.
#include "PrefsFile.h"

#include <fstream>
#include <iostream>
#include <optional>
#include <system_error>

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

bool writeWhole(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) return false;
  out.close();
  return !out.fail();
}

}  // namespace

PrefsReadOutcome prefsRead(MainRoutines& routines, const fs::path& folder) {
  if (!reachFolder(folder)) {
    routines.table().showMessage(std::string(prefsFolderMessage));
    return PrefsReadOutcome::FolderUnreachable;
  }
  const fs::path file = folder / prefsFileName;
  std::error_code error;
  if (!fs::exists(fs::symlink_status(file, error))) return PrefsReadOutcome::NoFile;

  const auto text = readText(file);
  if (!text) {
    std::cerr << "Velmoran: cannot read " << file << "; starting with the factory settings\n";
    return PrefsReadOutcome::NoFile;
  }
  applyPrefsText(routines, *text);
  return PrefsReadOutcome::Read;
}

bool prefsWrite(MainRoutines& routines, const fs::path& folder) {
  // The old file is replaced only by a complete new one: a failure at any
  // step leaves it as it was.
  const fs::path temp = folder / prefsTempFileName;
  std::error_code error;
  bool written = reachFolder(folder) && writeWhole(temp, prefsText(routines));
  if (written) {
    fs::rename(temp, folder / prefsFileName, error);
    written = !error;
  }
  if (!written) {
    if (fs::is_regular_file(fs::symlink_status(temp, error))) fs::remove(temp, error);
    routines.table().showMessage(std::string(prefsWriteMessage));
  }
  return written;
}

}  // namespace velmoran
