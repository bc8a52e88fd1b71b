// The rules side of picking up and dropping a card.
#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

constexpr const char* orphanCheatReason =
    "Playing from the hand when there are orphaned cards in the grid is considered "
    "\"cheating\".";

}  // namespace

PressOutcome MainRoutines::press(int x, int y) {
  const Command command(*this);
  if (gVictory) return PressOutcome::Ignored;
  // Only the grid area and the tapestry panel's places mean anything; the
  // window's bottom pixel line maps to a row past the board.
  if (x < 1 || x >= boardColumns || x == gapColumn || y < 1 || y >= boardRows) {
    return PressOutcome::Ignored;
  }
  const bool onHand = isHandPlace(x, y);
  if (!gNoOrphans) {
    if (onHand) {
      if (!gCheated && gCheatWarning) {
        // Answering "Cheat" only marks the game; the next press plays.
        if (askCheat(orphanCheatReason)) {
          gCheated = true;
        } else {
          flashOrphans();
        }
        return PressOutcome::Ignored;
      }
    } else if (!isOrphan(x, y)) {
      flashOrphans();
      return PressOutcome::Ignored;
    }
  } else if (!onHand) {
    return PressOutcome::Ignored;
  }

  const int card = gPlayingGrid[x][y];
  if (card == emptyCode || card == cardBackCode) {
    return gNumBooks < booksToWin ? PressOutcome::DealOnRelease : PressOutcome::Ignored;
  }
  return PressOutcome::PickUp;
}

DropResult MainRoutines::dropCard(int card, int fromX, int fromY, int toX, int toY) {
  const Command command(*this);
  if (!onBoard(fromX, fromY)) return DropResult::PutBack;
  auto putBack = [&] {
    gPlayingGrid[fromX][fromY] = card;
    table_->placeCard(card, fromX, fromY);
  };
  if (!inActiveGrid(toX, toY)) {
    putBack();
    table_->rebuildOffscreen();
    return DropResult::PutBack;
  }
  if (!legalMove(card, toX, toY)) {
    putBack();
    playSound(Sound::SNDfuzz);
    table_->waitWhilePlaying(Sound::SNDfuzz);
    table_->rebuildOffscreen();
    dealDown();
    return DropResult::Refused;
  }

  updateUndo();
  announce(&StateListener::onGameStateChanged);
  gPlayingGrid[toX][toY] = card;
  gPlayingGrid[fromX][fromY] = emptyCode;  // a hand slot is left empty, not face down
  table_->placeCard(emptyCode, fromX, fromY);
  table_->placeCard(gPlayingGrid[toX][toY], toX, toY);
  table_->processEvents();
  playSound(Sound::SNDslap);
  table_->waitWhilePlaying(Sound::SNDslap);
  bookPass(toX, toY);
  table_->rebuildOffscreen();
  dealDown();
  return DropResult::Played;
}

}  // namespace velmoran
