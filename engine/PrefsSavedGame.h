#pragma once

// The game in progress as the preferences file holds it: read and checked
// whole before any of it reaches the game, so a damaged file can never leave
// a half-restored game behind.

#include <optional>
#include <vector>

#include "engine/MainRoutines.h"
#include "engine/PrefsLines.h"

namespace velmoran::prefsReading {

using Deck = std::array<int, deckSize + 1>;

// The lines after the undo store that place the game: its deck and where
// dealing and the books stand.
struct SavedTail {
  Deck deck{};
  int deckPtr = 0;  // 0: no game was saved
  int numBooks = 0;
  int cheatDeckPtr = 0;
};

struct SavedGame {
  SavedTail tail;
  Board board{};
  std::vector<Board> snapshots;  // [0] unused, then moves 1..moveNumber
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

// The tail of a file holding `moves` undo snapshots, or nothing when its
// lines are missing or cannot be the game's: a wrong move count puts them
// elsewhere, and nothing read from them can be trusted then.
std::optional<SavedTail> readTail(const PrefsLines& lines, int moves);

// The saved game around a trusted tail with a game in it, or nothing when
// any part of it is missing or makes no sense. `settings` gives the grid
// the game is played on.
std::optional<SavedGame> readSavedGame(const PrefsLines& lines, int moves, const SavedTail& tail,
                                       const MainRoutines& settings);

void restoreSavedGame(MainRoutines& routines, const SavedGame& saved);

// The state of a run in which no game has been started yet.
void clearSavedGame(MainRoutines& routines);

}  // namespace velmoran::prefsReading
