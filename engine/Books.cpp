// Finding and removing books: four cards of one rank in a square.
#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

// The square's places in the order they are turned over and cleared.
std::array<Place, 4> squarePlaces(int x, int y) {
  return {{{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}}};
}

}  // namespace

bool MainRoutines::checkForBook(int x, int y) {
  table_->setDrawTarget(DrawTarget::Window);
  table_->updateNow();
  if (!inActiveGrid(x, y) || !inActiveGrid(x + 1, y + 1)) return false;
  const int card = gPlayingGrid[x][y];
  if (!isCard(card)) return false;  // an empty place is never a book
  const int r = rank(card);
  if (r == kingRank) return false;
  for (const Place& p : squarePlaces(x, y)) {
    if (rank(gPlayingGrid[p.x][p.y]) != r) return false;
  }
  removeBookSquare(x, y, r);

  ++gNumBooks;
  table_->waitWhilePlaying(Sound::SNDflick);
  if (gNumBooks == booksToWin) {
    fanfare();
    return false;
  }
  table_->updateNow();
  table_->setDrawTarget(DrawTarget::Offscreen);
  return true;
}

// Turns the square over card by card, clears it, and shows the book.
void MainRoutines::removeBookSquare(int x, int y, int r) {
  bool first = true;
  for (const Place& p : squarePlaces(x, y)) {
    table_->placeCard(cardBackCode, p.x, p.y);
    // Only the first bump sounds when card movement is off, so a book
    // does not rattle four times in a row without its animation.
    if (first || gShuffle) playSound(Sound::SNDbump);
    first = false;
    animationDelay(1);
    table_->waitWhilePlaying(Sound::SNDbump);
  }
  for (const Place& p : squarePlaces(x, y)) {
    table_->placeCard(emptyCode, p.x, p.y);
    animationDelay(3);
  }
  for (const Place& p : squarePlaces(x, y)) gPlayingGrid[p.x][p.y] = emptyCode;

  const int bx = bookColumn(r);
  const int by = bookRow(r);
  gPlayingGrid[bx][by] = r;
  table_->placeCard(cardBackCode, bx, by);
  playSound(Sound::SNDflick);
  animationDelay(3);
  table_->placeCard(r, bx, by);
  animationDelay(1);
}

void MainRoutines::bookPass(int dx, int dy) {
  const bool king = rank(gPlayingGrid[dx][dy]) == kingRank;
  if (game == standardRules) {
    if (rank(gPlayingGrid[dx][dy]) == gNumBooks + 1) standardBookChain();
    orphanStep();
  } else if (game == easyRules && !king) {
    easyBookPass();
    orphanStep();
  }
}

// Books leave in rank order: the due book, then every following book that
// already lies complete.
void MainRoutines::standardBookChain() {
  while (gNumBooks != booksToWin) {
    const int due = gNumBooks + 1;
    bool removed = false;
    bool found = false;
    for (int y = gridMinY; y <= gridMaxY - 1 && !found; ++y) {
      for (int x = gridMinX; x <= gridMaxX - 1 && !found; ++x) {
        if (isCard(gPlayingGrid[x][y]) && rank(gPlayingGrid[x][y]) == due) {
          found = true;
          removed = checkForBook(x, y);
        }
      }
    }
    if (!removed) return;
  }
}

// Every complete book leaves, in the order of its top-left card.
void MainRoutines::easyBookPass() {
  for (int y = gridMinY; y <= gridMaxY - 1; ++y) {
    for (int x = gridMinX; x <= gridMaxX - 1; ++x) {
      if (gPlayingGrid[x][y] != emptyCode) checkForBook(x, y);
    }
  }
}

// After a move that did not win, new orphans are marked and shown.
void MainRoutines::orphanStep() {
  if (gNumBooks == booksToWin) return;
  checkForOrphans();
  flashOrphans();
}

}  // namespace velmoran
