// Stands in for the two engine rules the settings window calls until the
// engine's own rules are merged into this branch; remove it then.
#include "engine/MainRoutines.h"

namespace velmoran {

void MainRoutines::updateStats() {
  if (!gGameCounts) return;
  if (game == 1) {
    ++stats.losses;
  } else {
    ++stats.easyLosses;
  }
  gGameCounts = false;
}

void MainRoutines::newGame() {
  gDeckPtr = 1;
  gNumBooks = 0;
  moveNumber = 0;
  setActiveGrid();
  gVictory = false;
  gCheated = false;
  gGameCounts = true;
}

}  // namespace velmoran
