// Closing a won game, giving one up, and counting games.
#include <limits>

#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

// A counter read from an edited file may already stand at the largest
// number there is; it stays there rather than wrap round to a negative.
void countOneMore(int& counter) {
  if (counter < std::numeric_limits<int>::max()) ++counter;
}

}  // namespace

void MainRoutines::victoryNoAnimation() {
  table_->stop(Sound::SNDdrumrollloop);
  table_->waitWhilePlaying(Sound::SNDdrumrollloop);
  gUndoOk = false;
  gVictory = true;
  updateStats();
  table_->updateNow();
  playSound(Sound::SNDfanfare);  // nothing waits for it
  announce(&StateListener::onGameStateChanged);
}

// Counts the current game once: a win, clean or cheated, or a loss when
// it is replaced unwon.
void MainRoutines::updateStats() {
  if (gGameCounts) {
    const bool standard = game == standardRules;
    if (!gVictory) {
      countOneMore(standard ? stats.losses : stats.easyLosses);
    } else if (!gCheated) {
      countOneMore(standard ? stats.noCheatWins : stats.easyNoCheatWins);
    } else {
      countOneMore(standard ? stats.wins : stats.easyWins);
    }
    gGameCounts = false;
  }
  announce(&StateListener::onStatisticsChanged);
}

// Only a game with cards dealt from the deck is worth the question.
bool MainRoutines::playerGivesUp(bool giveUpWarning) {
  if (gVictory || !giveUpWarning || gDeckPtr <= 1) return true;
  return table_->askYesNo("Really give up on the current game?\n\nThere is no undo available.");
}

bool MainRoutines::newGameCommand() {
  const Command command(*this);
  if (!playerGivesUp(gGiveUpWarning)) return true;
  gVictory = false;
  table_->updateNow();
  updateStats();
  newGame();
  return false;
}

}  // namespace velmoran
