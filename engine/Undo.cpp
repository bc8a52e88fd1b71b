// The undo store: a snapshot of the board before every move.
#include <algorithm>

#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

// Where a snapshot keeps the books count and the deck position: the gap
// column, which never holds a card.
constexpr int booksCountRow = 1;
constexpr int deckPositionRow = 2;

constexpr const char* undoCheatReason =
    "Once you've dealt new cards, going back to the previous cards is considered \"cheating\".";

void copyPlaces(const Board& from, Board& to) {
  for (int y = 1; y < boardRows; ++y) {
    for (int x = 1; x < boardColumns; ++x) to[x][y] = from[x][y];
  }
}

}  // namespace

void MainRoutines::updateUndo() {
  gUndoOk = true;
  announce(&StateListener::onGameStateChanged);
  ++moveNumber;
  if (moveNumber > maxMoves) {
    // A full store forgets its oldest move rather than end the game.
    std::move(undoGrid.begin() + 2, undoGrid.end(), undoGrid.begin() + 1);
    moveNumber = maxMoves;
  }
  Board& snapshot = undoGrid[moveNumber];
  copyPlaces(gPlayingGrid, snapshot);
  undoNumBooks = gNumBooks;
  undoPtr = gDeckPtr;
  snapshot[gapColumn][booksCountRow] = gNumBooks;
  snapshot[gapColumn][deckPositionRow] = gDeckPtr;
}

bool MainRoutines::editUndo() {
  const Command command(*this);
  if (!gUndoOk || moveNumber < 1) {
    table_->beep();
    return true;
  }
  const int m = moveNumber;
  const Board& snapshot = undoGrid[m];
  const bool beforeThisDeal = snapshot[gapColumn][deckPositionRow] == gCheatDeckPtr;
  if (beforeThisDeal && !gCheated && gCheatWarning) {
    if (!askCheat(undoCheatReason)) return true;
    gCheated = true;
  }

  playSound(Sound::SNDflickslap);
  copyPlaces(snapshot, gPlayingGrid);
  gNumBooks = snapshot[gapColumn][booksCountRow];
  gDeckPtr = snapshot[gapColumn][deckPositionRow];
  moveNumber = m - 1;
  checkForOrphans();
  table_->rebuildOffscreen();
  if (moveNumber == 0) gUndoOk = false;
  announce(&StateListener::onGameStateChanged);
  table_->waitWhilePlaying(Sound::SNDflickslap);
  return false;
}

}  // namespace velmoran
