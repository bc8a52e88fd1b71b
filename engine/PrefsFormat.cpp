// Writing the preferences file's text, line by line in the order of the file.
#include <string>
#include <string_view>

#include "engine/PrefsFile.h"
#include "engine/PrefsValues.h"

namespace velmoran {

namespace {

// Appends the file's lines in order, each ended by LF.
class LineWriter {
 public:
  void integer(int value) { line(std::to_string(value)); }
  void boolean(bool value) { line(Bool2Str(value)); }
  std::string take() { return std::move(text_); }

 private:
  void line(std::string_view value) {
    text_ += value;
    text_ += '\n';
  }
  std::string text_;
};

}  // namespace

std::string prefsText(const MainRoutines& r) {
  LineWriter out;
  prefsLayout::visitValues(out, r);
  return out.take();
}

}  // namespace velmoran
