#pragma once

// The preferences file's text as numbered lines, and how one line reads as an
// Integer or a Boolean. Lines past the end of the file read as empty.

#include <optional>
#include <string_view>
#include <vector>

namespace velmoran::prefsReading {

class PrefsLines {
 public:
  // Splits at LF, CRLF or CR. Lines past the longest file the game writes
  // are not kept: they mean nothing.
  explicit PrefsLines(std::string_view text);

  int count() const { return static_cast<int>(lines_.size()); }
  bool has(int lineNumber) const { return lineNumber >= 1 && lineNumber <= count(); }

  std::string_view at(int lineNumber) const;  // 1-based; "" when missing
  // A whole decimal number that fits an int, blanks around it allowed.
  std::optional<int> integer(int lineNumber) const;
  bool boolean(int lineNumber) const;  // Str2Bool of the line
  // The value of a line that spells one: "on" or "true", "off" or "false".
  std::optional<bool> booleanWord(int lineNumber) const;

 private:
  std::vector<std::string_view> lines_;
};

}  // namespace velmoran::prefsReading
