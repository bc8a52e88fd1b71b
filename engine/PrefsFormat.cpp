// Writing the preferences file's text, line by line in the order of the file.
#include <algorithm>

#include "PrefsFile.h"

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

}  // namespace

std::string prefsText(const MainRoutines& r) {
  LineWriter out;
  out.integer(r.game);
  out.integer(r.gKings);
  out.integer(r.grid);
  out.integer(r.delaySpeed);
  out.boolean(r.gSound);
  out.boolean(r.gShuffle);
  out.boolean(r.gCheatWarning);
  out.counters(r.stats);
  out.board(r.gPlayingGrid);
  // Only the snapshots of moves actually made; the store holds at most maxMoves.
  const int moves = std::clamp(r.moveNumber, 0, maxMoves);
  out.integer(moves);
  for (int m = 1; m <= moves; ++m) out.board(r.undoGrid[m]);
  for (int i = 1; i <= deckSize; ++i) out.integer(r.gDeck[i]);
  out.integer(r.gDeckPtr);
  out.integer(r.gNumBooks);
  out.boolean(r.gNoOrphans);
  out.boolean(r.gUndoOk);
  out.integer(r.undoPtr);
  out.integer(r.undoNumBooks);
  out.boolean(r.gFlashOrphans);
  out.boolean(r.gShowStats);
  out.counters(r.stats);
  out.boolean(r.gGameCounts);
  out.boolean(r.gDimUnplayables);
  out.boolean(r.gVictory);
  out.integer(r.gCardBackNumber);
  out.boolean(r.gCheated);
  out.integer(r.gCheatDeckPtr);
  out.boolean(r.gGiveUpWarning);
  out.boolean(r.gAutoDeal);
  out.boolean(r.gAlwaysShowInstructions);
  return out.take();
}

}  // namespace velmoran
