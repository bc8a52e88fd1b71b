// Closing a won game, giving one up, and counting games.
#include "MainRoutines.h"

namespace velmoran {

void MainRoutines::victoryNoAnimation() {
  table_->stop(Sound::SNDdrumrollloop);
  table_->waitWhilePlaying(Sound::SNDdrumrollloop);
  gUndoOk = false;
  gVictory = true;
  updateStats();
  table_->updateNow();
  playSound(Sound::SNDfanfare);  // nothing waits for it
}

// Counts the current game once: a win, clean or cheated, or a loss when
// it is replaced unwon.
void MainRoutines::updateStats() {
  if (gGameCounts) {
    const bool standard = game == 1;
    if (!gVictory) {
      ++(standard ? stats.losses : stats.easyLosses);
    } else if (!gCheated) {
      ++(standard ? stats.noCheatWins : stats.easyNoCheatWins);
    } else {
      ++(standard ? stats.wins : stats.easyWins);
    }
    gGameCounts = false;
  }
  table_->statisticsChanged();
}

bool MainRoutines::newGameCommand() {
  // Only a game with cards dealt from the deck is worth a question.
  if (!gVictory && gGiveUpWarning && gDeckPtr > 1) {
    if (!table_->askYesNo("Really give up on the current game?\n\nThere is no undo available.")) {
      return true;
    }
  }
  gVictory = false;
  table_->updateNow();
  updateStats();
  newGame();
  return false;
}

}  // namespace velmoran
