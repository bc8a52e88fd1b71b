// Applying a preferences file's text: everything is checked before it is used.
#include "engine/PrefsFile.h"
#include "engine/PrefsLayout.h"
#include "engine/PrefsLines.h"
#include "engine/PrefsSavedGame.h"

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
// first stands in when the second is damaged or cannot be trusted. False
// when a value had to be taken from a copy other than the one in use.
bool counter(const PrefsLines& lines, int first, std::optional<int> second, int& value) {
  bool inUse = true;
  for (const auto line : {second, std::optional<int>(first)}) {
    if (!line) continue;
    const auto read = lines.integer(*line);
    if (read && *read >= 0) {
      value = *read;
      return inUse;
    }
    inUse = false;
  }
  value = 0;
  return false;
}

// The counters; `moves` is known only when the lines after the undo store
// can be trusted. False when any counter was damaged.
bool applyCounters(MainRoutines& r, const PrefsLines& lines, std::optional<int> moves) {
  int* const counters[countersLines] = {&r.stats.wins,     &r.stats.losses,     &r.stats.noCheatWins,
                           &r.stats.easyWins, &r.stats.easyLosses, &r.stats.easyNoCheatWins};
  bool whole = true;
  for (int i = 0; i < countersLines; ++i) {
    std::optional<int> second;
    if (moves) second = tailLine(secondCountersLine, *moves) + i;
    whole = counter(lines, firstCountersLine + i, second, *counters[i]) && whole;
  }
  return whole;
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
  const bool countersWhole = applyCounters(r, lines, tail ? moves : std::nullopt);

  const bool gameSaved = tail && tail->deckPtr != 0;
  const auto saved = gameSaved ? readSavedGame(lines, *moves, *tail, r) : std::nullopt;
  if (saved) {
    restoreSavedGame(r, *saved);
  } else {
    clearSavedGame(r);
  }
  return tail && countersWhole && saved.has_value() == gameSaved;
}

}  // namespace velmoran
