#pragma once

// Where each value lives in the preferences file. The file has no keys: a
// value's meaning is its line number (counted from 1). The fixed part is 238
// lines; every move of the game in progress adds one 153-line undo snapshot
// after the board, which moves the lines that follow them further down.

#include "Codes.h"

namespace velmoran::prefsLayout {

inline constexpr int linesPerBoard = 17 * 9;  // columns 1..17 by rows 1..9
inline constexpr int fixedLines = 238;
inline constexpr int maxFileLines = fixedLines + linesPerBoard * maxMoves;  // 15,538

// Lines 1 to 13: settings and the first copy of the counters.
inline constexpr int gameLine = 1;
inline constexpr int kingsLine = 2;
inline constexpr int gridLine = 3;
inline constexpr int delaySpeedLine = 4;
inline constexpr int soundLine = 5;
inline constexpr int shuffleLine = 6;
inline constexpr int cheatWarningLine = 7;
inline constexpr int firstCountersLine = 8;  // wins, losses, noCheatWins, easy...
inline constexpr int moveNumberLine = 167;

// Place (x, y) of a board written column by column, starting at firstLine.
constexpr int placeLine(int firstLine, int x, int y) { return firstLine + 9 * (x - 1) + (y - 1); }

constexpr int boardLine(int x, int y) { return placeLine(14, x, y); }

// Entry (x, y) of undo snapshot m (1..moves).
constexpr int undoLine(int m, int x, int y) {
  return placeLine(168 + linesPerBoard * (m - 1), x, y);
}

// Lines after the undo store, numbered as in a file without moves.
enum TailLine {
  deckFirstLine = 168,  // gDeck[1] .. gDeck[48] on 168 .. 215
  deckPtrLine = 216,
  numBooksLine = 217,
  noOrphansLine = 218,
  undoOkLine = 219,
  undoPtrLine = 220,
  undoNumBooksLine = 221,
  flashOrphansLine = 222,
  showStatsLine = 223,
  secondCountersLine = 224,  // the six counters again, same order
  gameCountsLine = 230,
  dimUnplayablesLine = 231,
  victoryLine = 232,
  cardBackNumberLine = 233,
  cheatedLine = 234,
  cheatDeckPtrLine = 235,
  giveUpWarningLine = 236,
  autoDealLine = 237,
  alwaysShowInstructionsLine = 238,  // the last line
};

// Where a tail line lands in a file holding `moves` undo snapshots.
constexpr int tailLine(TailLine line, int moves) { return line + linesPerBoard * moves; }

constexpr int fileLines(int moves) { return fixedLines + linesPerBoard * moves; }

}  // namespace velmoran::prefsLayout
