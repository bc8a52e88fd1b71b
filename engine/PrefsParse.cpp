// Applying a preferences file's text: everything is checked before it is used.
#include "PrefsFile.h"
#include "PrefsLayout.h"
#include "PrefsLines.h"
#include "PrefsSavedGame.h"

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

// A setting changes only to a readable value within its range.
void takeSetting(int& setting, const PrefsLines& lines, int line, int low, int high) {
  const auto value = lines.integer(line);
  if (value && *value >= low && *value <= high) setting = *value;
}

// The settings at the head of the file.
void applyHeadSettings(MainRoutines& r, const PrefsLines& lines) {
  takeSetting(r.game, lines, gameLine, 1, 2);
  takeSetting(r.gKings, lines, kingsLine, 1, 6);
  takeSetting(r.grid, lines, gridLine, 1, 4);
  takeSetting(r.delaySpeed, lines, delaySpeedLine, 0, 100);
  r.gSound = lines.boolean(soundLine);
  r.gShuffle = lines.boolean(shuffleLine);
  r.gCheatWarning = lines.boolean(cheatWarningLine);
  r.setActiveGrid();
}

// The settings after the undo store.
void applyTailSettings(MainRoutines& r, const PrefsLines& lines, int moves) {
  r.gShowStats = lines.boolean(tailLine(showStatsLine, moves));
  r.gDimUnplayables = lines.boolean(tailLine(dimUnplayablesLine, moves));
  takeSetting(r.gCardBackNumber, lines, tailLine(cardBackNumberLine, moves), 1, 32);
  r.gGiveUpWarning = lines.boolean(tailLine(giveUpWarningLine, moves));
  r.gAutoDeal = lines.boolean(tailLine(autoDealLine, moves));
  r.gAlwaysShowInstructions = lines.boolean(tailLine(alwaysShowInstructionsLine, moves));
}

// The file keeps each counter twice; the second copy is the one in use, the
// first stands in when the second is missing or damaged.
int counter(const PrefsLines& lines, int first, std::optional<int> second) {
  for (const auto line : {second, std::optional<int>(first)}) {
    if (!line) continue;
    const auto value = lines.integer(*line);
    if (value && *value >= 0) return *value;
  }
  return 0;
}

void applyCounters(MainRoutines& r, const PrefsLines& lines, std::optional<int> moves) {
  int* const counters[] = {&r.stats.wins,     &r.stats.losses,     &r.stats.noCheatWins,
                           &r.stats.easyWins, &r.stats.easyLosses, &r.stats.easyNoCheatWins};
  for (int i = 0; i < 6; ++i) {
    std::optional<int> second;
    if (moves) second = tailLine(secondCountersLine, *moves) + i;
    *counters[i] = counter(lines, firstCountersLine + i, second);
  }
}

}  // namespace

void applyPrefsText(MainRoutines& r, std::string_view text) {
  const PrefsLines lines(text);
  const std::optional<int> moves = snapshotCount(lines);
  const auto saved = moves ? readSavedGame(lines, *moves) : std::nullopt;

  applyHeadSettings(r, lines);
  if (moves) applyTailSettings(r, lines, *moves);
  applyCounters(r, lines, moves);
  if (saved) {
    restoreSavedGame(r, *saved);
  } else {
    clearSavedGame(r);
  }
}

}  // namespace velmoran
