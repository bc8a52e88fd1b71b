#pragma once

// The game in progress as the preferences file holds it: read and checked
// whole before any of it reaches the game, so a damaged file can never leave
// a half-restored game behind.

#include <optional>
#include <vector>

#include "MainRoutines.h"
#include "PrefsLines.h"

namespace velmoran::prefsReading {

struct SavedGame {
  Board board{};
  std::vector<Board> snapshots;  // [0] unused, then moves 1..moveNumber
  std::array<int, deckSize + 1> deck{};
  int deckPtr = 0;
  int numBooks = 0;
  int cheatDeckPtr = 0;
  int undoPtr = 1;
  int undoNumBooks = 0;
  bool noOrphans = true;
  bool undoOk = false;
  bool flashOrphans = true;
  bool gameCounts = false;
  bool victory = false;
  bool cheated = false;

  int moveNumber() const { return static_cast<int>(snapshots.size()) - 1; }
};

// The saved game of a file holding `moves` undo snapshots, or nothing when
// any part of it is missing or makes no sense.
std::optional<SavedGame> readSavedGame(const PrefsLines& lines, int moves);

void restoreSavedGame(MainRoutines& routines, const SavedGame& saved);

// The state of a run in which no game has been started yet.
void clearSavedGame(MainRoutines& routines);

}  // namespace velmoran::prefsReading
