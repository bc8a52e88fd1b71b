#pragma once

// Replacing a file whole, so that a reader only ever finds the old text or
// the new one: the new text goes into a file of this write's own beside it,
// which is then renamed over it.

#include <filesystem>
#include <string_view>

namespace velmoran {

// Whether anything is at `file`, a link to nothing included.
bool isThere(const std::filesystem::path& file);

// `file` itself or, when it is a symbolic link, the file the link leads to
// (through any number of links), so that replacing it keeps the link.
std::filesystem::path linkTarget(const std::filesystem::path& file);

// Writes `text` to a new file beside `file`, named `file` + ".saving-..."
// and made only if no such name exists (a pipe or a folder that lies there
// is never opened), flushes it to the disk and renames it over `file`. The
// new file takes the old one's mode and group. False, with nothing left
// behind, when any step fails.
bool replaceFile(const std::filesystem::path& file, std::string_view text);

// Writes a copy of the file `source`, of any length, as the new file
// `file` in the same way, except that a file already at that name is never
// replaced: false then, as on any failure, with nothing left behind. The
// copy takes the mode and group of `source`, so that it is open to nobody
// the source was closed to.
bool createFileWithCopy(const std::filesystem::path& file, const std::filesystem::path& source);

// Moves `from` to `to` unless something is already there.
bool renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace velmoran
