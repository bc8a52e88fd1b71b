// Where a card may go, and which cards are orphans.
#include "engine/MainRoutines.h"

namespace velmoran {

bool MainRoutines::onBoard(int x, int y) const {
  return x >= 1 && x < boardColumns && y >= 1 && y < boardRows;
}

// A neighbour outside the activeGrid counts as empty, whatever it holds.
int MainRoutines::neighbour(int x, int y, int dx, int dy) const {
  const int nx = x + dx;
  const int ny = y + dy;
  if (nx < gridMinX || nx > gridMaxX || ny < gridMinY || ny > gridMaxY) return emptyCode;
  return gPlayingGrid[nx][ny];
}

bool MainRoutines::legalMove(int card, int x, int y) const {
  if (!inActiveGrid(x, y)) return false;
  std::array<int, 4> around{neighbour(x, y, 0, -1), neighbour(x, y, 0, 1), neighbour(x, y, -1, 0),
                            neighbour(x, y, 1, 0)};
  const bool placeEmpty = gPlayingGrid[x][y] == emptyCode;
  if (rank(card) == kingRank && placeEmpty) return true;

  int sum = 0;
  for (int n : around) sum += n;
  if (sum == 0) return false;

  bool result = placeEmpty;
  // While dragged, the card still stands at its old place; touching only
  // that place is not touching anything.
  for (int n : around) {
    if (n == card && sum == n) result = false;
  }
  for (int& n : around) {
    if (n == emptyCode) n = card;
    if (rank(n) != rank(card) && suit(n) != suit(card)) result = false;
  }
  return result;
}

bool MainRoutines::isOrphan(int x, int y) const {
  // The gap column, the hand and the books never hold orphans; neither does
  // anything off the grid area.
  if (x < 1 || x > gridAreaColumns || y < 1 || y >= boardRows) return false;
  const int card = gPlayingGrid[x][y];
  if (card == emptyCode || rank(card) == kingRank) return false;
  return neighbour(x, y, 0, -1) == emptyCode && neighbour(x, y, 0, 1) == emptyCode &&
         neighbour(x, y, -1, 0) == emptyCode && neighbour(x, y, 1, 0) == emptyCode;
}

void MainRoutines::checkForOrphans() {
  gFlashOrphans = true;
  gNoOrphans = true;
  for (int x = 1; x <= gridAreaColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      if (isOrphan(x, y)) gNoOrphans = false;
    }
  }
}

bool MainRoutines::hasLegalPlace(int card) const {
  for (int x = gridMinX; x <= gridMaxX; ++x) {
    for (int y = gridMinY; y <= gridMaxY; ++y) {
      if (legalMove(card, x, y)) return true;
    }
  }
  return false;
}

}  // namespace velmoran
