#pragma once

// What the preferences file holds, in the order of the file. The file has no
// keys: a value's meaning is its line number (counted from 1), and both the
// writer and the reader take every line number from the list below. The
// fixed part is 238 lines; every move of the game in progress adds one
// 153-line undo snapshot after the board, which moves the lines that follow
// them further down.

#include <array>
#include <cstddef>

#include "engine/MainRoutines.h"

namespace velmoran::prefsLayout {

// What one entry of the file holds.
enum class FieldShape {
  Integer,         // one member, one line
  Boolean,         // one member, "on" or "off"
  FirstCounters,   // the six statistics counters, one a line
  SecondCounters,  // the same six again: the copy in use
  Board,           // gPlayingGrid, column by column
  MoveCount,       // how many undo snapshots follow
  UndoStore,       // the snapshots of the moves made, one board each
  Deck,            // gDeck[1] .. gDeck[48]
};

struct Field {
  FieldShape shape;
  int MainRoutines::*number = nullptr;  // for Integer
  bool MainRoutines::*flag = nullptr;   // for Boolean
};

constexpr Field integer(int MainRoutines::*member) { return {FieldShape::Integer, member}; }
constexpr Field boolean(bool MainRoutines::*member) {
  return {FieldShape::Boolean, nullptr, member};
}

// The writer writes every entry of this list, and the reader checks every
// line against it; to add a value to the file, add its line here, and for
// the reader to take it back, its setting to settingFields (a setting) or
// its place to readTail and readSavedGame (the game in progress).
inline constexpr std::array<Field, 30> fields{{
    integer(&MainRoutines::game),
    integer(&MainRoutines::gKings),
    integer(&MainRoutines::grid),
    integer(&MainRoutines::delaySpeed),
    boolean(&MainRoutines::gSound),
    boolean(&MainRoutines::gShuffle),
    boolean(&MainRoutines::gCheatWarning),
    {FieldShape::FirstCounters},
    {FieldShape::Board},
    {FieldShape::MoveCount},
    {FieldShape::UndoStore},
    {FieldShape::Deck},
    integer(&MainRoutines::gDeckPtr),
    integer(&MainRoutines::gNumBooks),
    boolean(&MainRoutines::gNoOrphans),
    boolean(&MainRoutines::gUndoOk),
    integer(&MainRoutines::undoPtr),
    integer(&MainRoutines::undoNumBooks),
    boolean(&MainRoutines::gFlashOrphans),
    boolean(&MainRoutines::gShowStats),
    {FieldShape::SecondCounters},
    boolean(&MainRoutines::gGameCounts),
    boolean(&MainRoutines::gDimUnplayables),
    boolean(&MainRoutines::gVictory),
    integer(&MainRoutines::gCardBackNumber),
    boolean(&MainRoutines::gCheated),
    integer(&MainRoutines::gCheatDeckPtr),
    boolean(&MainRoutines::gGiveUpWarning),
    boolean(&MainRoutines::gAutoDeal),
    boolean(&MainRoutines::gAlwaysShowInstructions),
}};

inline constexpr int linesPerBoard = 17 * 9;  // columns 1..17 by rows 1..9
inline constexpr int countersLines = 6;

constexpr int linesOf(const Field& field, int moves) {
  switch (field.shape) {
    case FieldShape::FirstCounters:
    case FieldShape::SecondCounters:
      return countersLines;
    case FieldShape::Board:
      return linesPerBoard;
    case FieldShape::UndoStore:
      return linesPerBoard * moves;
    case FieldShape::Deck:
      return deckSize;
    default:
      return 1;
  }
}

// The first line of fields[index] in a file holding `moves` undo snapshots.
constexpr int lineOf(std::size_t index, int moves = 0) {
  int line = 1;
  for (std::size_t i = 0; i < index; ++i) line += linesOf(fields[i], moves);
  return line;
}

constexpr int fileLines(int moves) { return lineOf(fields.size(), moves) - 1; }

// Where a field is in the list.
consteval std::size_t indexOf(FieldShape shape) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].shape == shape) return i;
  }
  throw "not in the file";
}

consteval std::size_t indexOf(int MainRoutines::*member) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].number == member) return i;
  }
  throw "not in the file";
}

consteval std::size_t indexOf(bool MainRoutines::*member) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].flag == member) return i;
  }
  throw "not in the file";
}

// Fields before the undo store sit on fixed lines; the ones after it move
// down by one board per snapshot.
inline constexpr std::size_t undoStoreIndex = indexOf(FieldShape::UndoStore);
constexpr bool afterUndoStore(std::size_t index) { return index > undoStoreIndex; }

inline constexpr int fixedLines = fileLines(0);
inline constexpr int maxFileLines = fileLines(maxMoves);

// Lines before the undo store.
inline constexpr int firstCountersLine = lineOf(indexOf(FieldShape::FirstCounters));
inline constexpr int moveNumberLine = lineOf(indexOf(FieldShape::MoveCount));

// Place (x, y) of a board written column by column, starting at firstLine.
constexpr int placeLine(int firstLine, int x, int y) { return firstLine + 9 * (x - 1) + (y - 1); }

constexpr int boardLine(int x, int y) { return placeLine(lineOf(indexOf(FieldShape::Board)), x, y); }

// Entry (x, y) of undo snapshot m (1..moves).
constexpr int undoLine(int m, int x, int y) {
  return placeLine(lineOf(undoStoreIndex) + linesPerBoard * (m - 1), x, y);
}

// Lines after the undo store, numbered as in a file without moves.
inline constexpr int deckFirstLine = lineOf(indexOf(FieldShape::Deck));
inline constexpr int secondCountersLine = lineOf(indexOf(FieldShape::SecondCounters));
inline constexpr int deckPtrLine = lineOf(indexOf(&MainRoutines::gDeckPtr));
inline constexpr int numBooksLine = lineOf(indexOf(&MainRoutines::gNumBooks));
inline constexpr int noOrphansLine = lineOf(indexOf(&MainRoutines::gNoOrphans));
inline constexpr int undoOkLine = lineOf(indexOf(&MainRoutines::gUndoOk));
inline constexpr int undoPtrLine = lineOf(indexOf(&MainRoutines::undoPtr));
inline constexpr int undoNumBooksLine = lineOf(indexOf(&MainRoutines::undoNumBooks));
inline constexpr int flashOrphansLine = lineOf(indexOf(&MainRoutines::gFlashOrphans));
inline constexpr int gameCountsLine = lineOf(indexOf(&MainRoutines::gGameCounts));
inline constexpr int victoryLine = lineOf(indexOf(&MainRoutines::gVictory));
inline constexpr int cheatedLine = lineOf(indexOf(&MainRoutines::gCheated));
inline constexpr int cheatDeckPtrLine = lineOf(indexOf(&MainRoutines::gCheatDeckPtr));

// Where a line after the undo store lands in a file holding `moves` snapshots.
constexpr int tailLine(int line, int moves) { return line + linesPerBoard * moves; }

}  // namespace velmoran::prefsLayout
