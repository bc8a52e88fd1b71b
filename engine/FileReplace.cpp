// Whole-file replacement through a temporary file of this write's own.
#include "engine/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <system_error>

namespace velmoran {

namespace fs = std::filesystem;

namespace {

// Links beyond this many are a loop.
constexpr int maxLinkHops = 40;

// Writes all of `bytes`, going on after an interrupted or short write.
bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool copyAll(int fd, const fs::path& source) {
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (in < 0) return false;
  struct stat status {};
  bool copied = ::fstat(in, &status) == 0 && S_ISREG(status.st_mode);
  char buffer[1 << 16];
  while (copied) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      copied = got == 0;
      break;
    }
    copied = writeAll(fd, std::string_view(buffer, static_cast<std::size_t>(got)));
  }
  ::close(in);
  return copied;
}

// A new file beside `file`, open for writing, whose name no other file had:
// created exclusively, so nothing already there is ever opened.
int createBeside(const fs::path& file, fs::path& made, mode_t mode) {
  const std::string stem = file.string() + ".saving";
  for (int n = 0; n < 1000; ++n) {
    made = n == 0 ? fs::path(stem) : fs::path(stem + "-" + std::to_string(::getpid()) + "-" +
                                              std::to_string(n));
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Gives the open file the mode and group of `model`. Where the group
// cannot be given, the group loses its access: the file is never more open
// than its model.
void takePermissionsOf(int fd, const struct stat& model) {
  mode_t mode = model.st_mode & 07777;
  if (::fchown(fd, static_cast<uid_t>(-1), model.st_gid) != 0) mode &= ~mode_t{S_IRWXG};
  ::fchmod(fd, mode);
}

using Placing = bool (*)(const fs::path& temp, const fs::path& file);

bool renameOver(const fs::path& temp, const fs::path& file) {
  return ::rename(temp.c_str(), file.c_str()) == 0;
}

// Writes a new file and places it at `file`. With a regular file at
// `model`, the new one is made private first and then given the model's
// permissions, so that nobody the model was closed to can open it even
// while it is being written.
bool writeThenPlace(const fs::path& file, const fs::path& model,
                    const std::function<bool(int fd)>& fill, Placing place) {
  struct stat old {};
  const bool modelled = ::stat(model.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  fs::path temp;
  const int fd = createBeside(file, temp, modelled ? 0600 : 0666);
  if (fd < 0) return false;
  if (modelled) takePermissionsOf(fd, old);
  bool written = fill(fd) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  written = written && place(temp, file);
  if (!written) ::unlink(temp.c_str());
  return written;
}

}  // namespace

bool isThere(const fs::path& file) {
  std::error_code error;
  return fs::exists(fs::symlink_status(file, error));
}

fs::path linkTarget(const fs::path& file) {
  fs::path target = file;
  std::error_code error;
  for (int hop = 0; hop < maxLinkHops; ++hop) {
    if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
    const fs::path next = fs::read_symlink(target, error);
    if (error) return file;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return file;
}

bool replaceFile(const fs::path& file, std::string_view text) {
  return writeThenPlace(file, file, [text](int fd) { return writeAll(fd, text); }, renameOver);
}

bool createFileWithCopy(const fs::path& file, const fs::path& source) {
  return writeThenPlace(file, source, [&source](int fd) { return copyAll(fd, source); },
                        renameWithoutReplacing);
}

bool renameWithoutReplacing(const fs::path& from, const fs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot rename so: a second link, which is never
  // made over an existing name, then the first one goes.
  return ::link(from.c_str(), to.c_str()) == 0 && ::unlink(from.c_str()) == 0;
}

}  // namespace velmoran
