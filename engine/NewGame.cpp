// Starting a game: resetting it, shuffling the deck and laying out the kings.
#include "engine/MainRoutines.h"
#include "engine/RandomPick.h"

namespace velmoran {

void MainRoutines::newGame() {
  const Command command(*this);
  newGameDue_ = false;
  gDeckPtr = 1;
  gNumBooks = 0;
  moveNumber = 0;
  gNoOrphans = true;
  setActiveGrid();
  table_->setTitle(title());
  if (gShowStats) table_->showStatisticsSheet();
  shuffleCards();
  gUndoOk = false;
  gVictory = false;
  gCheated = false;
  gGameCounts = true;
  gCheatDeckPtr = 0;
  // The shuffle only stored the kings: they are drawn here, as nothing
  // after this need draw the board (no automatic deal, or kings in the hand).
  table_->rebuildOffscreen();
  if (gKings != kingsCustom) dealDown();
  announce(&StateListener::onGameStateChanged);
}

void MainRoutines::shuffleCards() {
  std::array<int, deckSize + 1> list{};
  const bool showMovement = gShuffle;
  clearGrid();
  playSound(Sound::SNDshuffle);
  table_->setDrawTarget(DrawTarget::Window);

  // A press anywhere in the animation turns the rest of it off; the order
  // of the deck does not depend on it.
  auto cutShortOnPress = [this] {
    if (table_->mouseButtonDown()) gShuffle = false;
  };

  int k = 0;
  for (int s = 0; s <= 3; ++s) {
    for (int q = 1; q <= 12; ++q) {
      list[++k] = s * 13 + q;
      if (gShuffle) {
        cutShortOnPress();
        table_->placeCard(cardBackCode, q, 2 * s + 2);
        table_->updateNow();
        animationDelay(1);
      }
    }
  }

  for (int i = 0; i < deckSize; ++i) {
    const int n = deckSize - i;
    const int j = pickIndex(*random_, n);
    const int card = list[j];
    gDeck[i + 1] = card;
    if (gShuffle) {
      cutShortOnPress();
      table_->placeCard(emptyCode, rank(card), 2 * (suit(card) + 1));
      table_->updateNow();
      animationDelay(1);
    }
    list[j] = list[n];
  }

  table_->setDrawTarget(DrawTarget::Offscreen);
  placeKings(*random_);
  gDeckPtr = 1;
  gShuffle = showMovement;
  table_->waitWhilePlaying(Sound::SNDshuffle);
}

// Stores the four kings (13, 26, 39, 52) by the chosen layout; the next
// rebuild draws them.
void MainRoutines::placeKings(RandomSource& random) {
  const int minX = gridMinX, maxX = gridMaxX, minY = gridMinY, maxY = gridMaxY;
  std::array<Place, 4> places{};
  switch (gKings) {
    case kingsCenter:
      places = {{{5, 5}, {6, 5}, {7, 5}, {8, 5}}};
      break;
    case kingsStaggeredPairs:
      places = {{{3, 3}, {4, 3}, {9, 7}, {10, 7}}};
      break;
    case kingsCorners:
      places = {{{minX, minY}, {maxX, minY}, {maxX, maxY}, {minX, maxY}}};
      break;
    case kingsInsetCorners:
      places = {
          {{minX + 2, minY + 2}, {maxX - 2, minY + 2}, {maxX - 2, maxY - 2}, {minX + 2, maxY - 2}}};
      break;
    case kingsRandom:  // any free place of the activeGrid
      for (int k = 1; k <= 4; ++k) {
        for (;;) {
          const int x = random.inRange(minX, maxX);
          const int y = random.inRange(minY, maxY);
          if (gPlayingGrid[x][y] == emptyCode) {
            gPlayingGrid[x][y] = kingRank * k;
            break;
          }
        }
      }
      return;
    case kingsCustom:
      places = {{{14, handRow}, {15, handRow}, {16, handRow}, {17, handRow}}};
      break;
    default:
      return;
  }
  for (int k = 1; k <= 4; ++k) gPlayingGrid[places[k - 1].x][places[k - 1].y] = kingRank * k;
}

}  // namespace velmoran
