// Splitting the preferences text into lines, and the words a line may hold.
#include "engine/PrefsLines.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/PrefsFile.h"
#include "engine/PrefsLayout.h"

namespace velmoran {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string Bool2Str(bool value) { return value ? "on" : "off"; }

bool Str2Bool(std::string_view text) {
  const std::string_view word = trimmed(text);
  return equalsIgnoringCase(word, "on") || equalsIgnoringCase(word, "true");
}

namespace prefsReading {

PrefsLines::PrefsLines(std::string_view text) {
  // Sized once: a long file has thousands of lines, and growing the list
  // step by step costs more than splitting them.
  const auto lineEnds = std::ranges::count_if(text, [](char c) { return c == '\n' || c == '\r'; });
  lines_.reserve(std::min<std::size_t>(lineEnds + 1, prefsLayout::maxFileLines));
  std::size_t start = 0;
  std::size_t pos = 0;
  while (pos < text.size() && count() < prefsLayout::maxFileLines) {
    const char c = text[pos];
    if (c != '\n' && c != '\r') {
      ++pos;
      continue;
    }
    lines_.push_back(text.substr(start, pos - start));
    ++pos;
    if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;  // CRLF is one line end
    start = pos;
  }
  // A last line without a line end still counts.
  if (start < text.size() && pos == text.size() && count() < prefsLayout::maxFileLines) {
    lines_.push_back(text.substr(start));
  }
}

std::string_view PrefsLines::at(int lineNumber) const {
  return has(lineNumber) ? lines_[lineNumber - 1] : std::string_view{};
}

std::optional<int> PrefsLines::integer(int lineNumber) const {
  const std::string_view digits = trimmed(at(lineNumber));
  const char* end = digits.data() + digits.size();
  int value = 0;
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

bool PrefsLines::boolean(int lineNumber) const { return Str2Bool(at(lineNumber)); }

std::optional<bool> PrefsLines::booleanWord(int lineNumber) const {
  const std::string_view word = trimmed(at(lineNumber));
  if (Str2Bool(word)) return true;
  if (equalsIgnoringCase(word, "off") || equalsIgnoringCase(word, "false")) return false;
  return std::nullopt;
}

}  // namespace prefsReading

}  // namespace velmoran
