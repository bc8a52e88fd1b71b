// Writing the preferences file's text, line by line in the order of the file.
#include <algorithm>

#include "engine/PrefsFile.h"
#include "engine/PrefsLayout.h"

namespace velmoran {

namespace {

// Appends the file's lines in order, each ended by LF.
class LineWriter {
 public:
  void integer(int value) { line(std::to_string(value)); }
  void boolean(bool value) { line(Bool2Str(value)); }
  void board(const Board& board) {
    for (int x = 1; x < boardColumns; ++x) {
      for (int y = 1; y < boardRows; ++y) integer(board[x][y]);
    }
  }
  void counters(const Statistics& s) {
    for (int value :
         {s.wins, s.losses, s.noCheatWins, s.easyWins, s.easyLosses, s.easyNoCheatWins}) {
      integer(value);
    }
  }
  std::string take() { return std::move(text_); }

 private:
  void line(std::string_view value) {
    text_ += value;
    text_ += '\n';
  }
  std::string text_;
};

// Only the snapshots of moves actually made; the store holds at most maxMoves.
int snapshotsKept(const MainRoutines& r) { return std::clamp(r.moveNumber, 0, maxMoves); }

void write(LineWriter& out, const prefsLayout::Field& field, const MainRoutines& r) {
  using prefsLayout::FieldShape;
  switch (field.shape) {
    case FieldShape::Integer:
      out.integer(r.*field.number);
      break;
    case FieldShape::Boolean:
      out.boolean(r.*field.flag);
      break;
    case FieldShape::FirstCounters:
    case FieldShape::SecondCounters:
      out.counters(r.stats);
      break;
    case FieldShape::Board:
      out.board(r.gPlayingGrid);
      break;
    case FieldShape::MoveCount:
      out.integer(snapshotsKept(r));
      break;
    case FieldShape::UndoStore:
      for (int m = 1; m <= snapshotsKept(r); ++m) out.board(r.undoGrid[m]);
      break;
    case FieldShape::Deck:
      for (int i = 1; i <= deckSize; ++i) out.integer(r.gDeck[i]);
      break;
  }
}

}  // namespace

std::string prefsText(const MainRoutines& r) {
  LineWriter out;
  for (const prefsLayout::Field& field : prefsLayout::fields) write(out, field, r);
  return out.take();
}

}  // namespace velmoran
