// Applying a preferences file's text: everything is checked before it is used.
#include "engine/PrefsFile.h"
#include "engine/PrefsLayout.h"
#include "engine/PrefsLines.h"
#include "engine/PrefsSavedGame.h"
#include "engine/PrefsValues.h"

namespace velmoran {

using namespace prefsLayout;
using namespace prefsReading;

namespace {

// How many undo snapshots the file holds, which places every line after
// them. Nothing when the move count is there but makes no sense: those lines
// cannot be found then.
std::optional<int> snapshotCount(const PrefsLines& lines) {
  if (!lines.has(moveNumberLine)) return 0;  // the lines after it are all missing
  const auto moves = lines.integer(moveNumberLine);
  if (moves && *moves >= 0 && *moves <= maxMoves) return moves;
  return std::nullopt;
}

// The setting a field of the file holds, if it holds one.
const SettingField* settingIn(const Field& field) {
  for (const SettingField& setting : settingFields) {
    const bool same = setting.number ? field.number == setting.number : field.flag == setting.flag;
    if (same) return &setting;
  }
  return nullptr;
}

// A setting changes only to a readable value within its range; a flag reads
// as off unless its line says on.
void takeSetting(MainRoutines& r, const SettingField& setting, const PrefsLines& lines, int line) {
  if (setting.flag) {
    r.*setting.flag = lines.boolean(line);
    return;
  }
  const auto value = lines.integer(line);
  if (value && withinRange(setting, *value)) r.*setting.number = *value;
}

// The settings before the undo store, or, with `moves`, those after it.
void readSettings(MainRoutines& r, const PrefsLines& lines, std::optional<int> moves) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const SettingField* setting = settingIn(fields[i]);
    if (!setting || afterUndoStore(i) != moves.has_value()) continue;
    takeSetting(r, *setting, lines, lineOf(i, moves.value_or(0)));
  }
}

// The settings at the head of the file.
void applyHeadSettings(MainRoutines& r, const PrefsLines& lines) {
  readSettings(r, lines, std::nullopt);
  r.setActiveGrid();
}

// The settings after the undo store.
void applyTailSettings(MainRoutines& r, const PrefsLines& lines, int moves) {
  readSettings(r, lines, moves);
}

// The file keeps each counter twice; the second copy is the one in use, the
// first stands in when the second is damaged or cannot be trusted.
void counter(const PrefsLines& lines, int first, std::optional<int> second, int& value) {
  for (const auto line : {second, std::optional<int>(first)}) {
    if (!line) continue;
    const auto read = lines.integer(*line);
    if (read && *read >= 0) {
      value = *read;
      return;
    }
  }
  value = 0;
}

// The counters; `moves` is known only when the lines after the undo store
// can be trusted.
void applyCounters(MainRoutines& r, const PrefsLines& lines, std::optional<int> moves) {
  int* const counters[countersLines] = {&r.stats.wins,     &r.stats.losses,     &r.stats.noCheatWins,
                           &r.stats.easyWins, &r.stats.easyLosses, &r.stats.easyNoCheatWins};
  for (int i = 0; i < countersLines; ++i) {
    std::optional<int> second;
    if (moves) second = tailLine(secondCountersLine, *moves) + i;
    counter(lines, firstCountersLine + i, second, *counters[i]);
  }
}

// Holds the values of the state read against the lines they came from, in
// the order of the file: a line is taken when it holds its value in a
// spelling the reader reads as that value (" 7" for 7, "true" for on).
class LineCheck {
 public:
  explicit LineCheck(const PrefsLines& file) : file_(file) {}
  void integer(int value) { take(file_.integer(++line_) == value); }
  void boolean(bool value) { take(file_.booleanWord(++line_) == value); }
  bool everyLineTaken() const { return taken_; }

 private:
  void take(bool same) { taken_ = taken_ && same; }
  const PrefsLines& file_;
  int line_ = 0;
  bool taken_ = true;
};

// No line of the file was refused, replaced by another value, or dropped
// with the saved game.
bool everyLineTaken(const PrefsLines& file, const MainRoutines& r) {
  LineCheck check(file);
  visitValues(check, r);
  return check.everyLineTaken();
}

}  // namespace

bool applyPrefsText(MainRoutines& r, std::string_view text) {
  const PrefsLines lines(text);
  applyHeadSettings(r, lines);  // the grid size first: the saved game is checked against it
  const std::optional<int> moves = snapshotCount(lines);
  const std::optional<SavedTail> tail = moves ? readTail(lines, *moves) : std::nullopt;
  // A file that ends before these lines reads them as empty; lines found
  // in the wrong place are not read at all.
  if (tail || (moves && !lines.has(tailLine(deckFirstLine, *moves)))) {
    applyTailSettings(r, lines, *moves);
  }
  applyCounters(r, lines, tail ? moves : std::nullopt);

  const bool gameSaved = tail && tail->deckPtr != 0;
  const auto saved = gameSaved ? readSavedGame(lines, *moves, *tail, r) : std::nullopt;
  if (saved) {
    restoreSavedGame(r, *saved);
  } else {
    clearSavedGame(r);
  }
  // Without a tail the lines after the undo store are missing, misplaced,
  // or followed by more.
  return tail && everyLineTaken(lines, r);
}

}  // namespace velmoran
