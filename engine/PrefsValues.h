#pragma once

// The values of a game's state in the order of the preferences file, one a
// line: handed one by one to a visitor's integer(int) or boolean(bool).
// The writer turns them into text; the reader holds them against the lines
// it was given, to tell whether it took every line as it stands.

#include <algorithm>

#include "engine/MainRoutines.h"
#include "engine/PrefsLayout.h"

namespace velmoran::prefsLayout {

// Only the snapshots of moves actually made; the store holds at most maxMoves.
inline int snapshotsKept(const MainRoutines& r) { return std::clamp(r.moveNumber, 0, maxMoves); }

template <typename Visitor>
void visitBoard(Visitor& visit, const Board& board) {
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) visit.integer(board[x][y]);
  }
}

template <typename Visitor>
void visitField(Visitor& visit, const Field& field, const MainRoutines& r) {
  switch (field.shape) {
    case FieldShape::Integer:
      visit.integer(r.*field.number);
      break;
    case FieldShape::Boolean:
      visit.boolean(r.*field.flag);
      break;
    case FieldShape::FirstCounters:
    case FieldShape::SecondCounters: {
      const Statistics& s = r.stats;
      for (int value :
           {s.wins, s.losses, s.noCheatWins, s.easyWins, s.easyLosses, s.easyNoCheatWins}) {
        visit.integer(value);
      }
      break;
    }
    case FieldShape::Board:
      visitBoard(visit, r.gPlayingGrid);
      break;
    case FieldShape::MoveCount:
      visit.integer(snapshotsKept(r));
      break;
    case FieldShape::UndoStore:
      for (int m = 1; m <= snapshotsKept(r); ++m) visitBoard(visit, r.undoGrid[m]);
      break;
    case FieldShape::Deck:
      for (int i = 1; i <= deckSize; ++i) visit.integer(r.gDeck[i]);
      break;
  }
}

// Every line's value, from the first line to the last.
template <typename Visitor>
void visitValues(Visitor& visit, const MainRoutines& r) {
  for (const Field& field : fields) visitField(visit, field, r);
}

}  // namespace velmoran::prefsLayout
