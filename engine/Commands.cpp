// The changes windows ask of the game, and how the game tells of a change.
#include "engine/MainRoutines.h"

namespace velmoran {

void MainRoutines::announce(void (StateListener::*change)()) {
  if (listener_) (listener_->*change)();
}

MainRoutines::Command::~Command() {
  if (--game_.commandsRunning_ == 0 && !game_.newGameDue_)
    game_.announce(&StateListener::onMoveEnded);
}

bool MainRoutines::giveUpForNewGame(int difficulty, int gridSize, int kingsLayout,
                                    bool giveUpWarning) {
  const Command command(*this);
  if (!playerGivesUp(giveUpWarning)) return false;
  newGameDue_ = true;
  // The game being given up is counted under the difficulty it was played with.
  updateStats();
  game = difficulty;
  grid = gridSize;
  gKings = kingsLayout;
  gVictory = false;
  announce(&StateListener::onSettingsChanged);
  return true;
}

void MainRoutines::neverWarnAboutCheating() {
  const Command command(*this);
  gCheatWarning = false;
  announce(&StateListener::onSettingsChanged);
}

void MainRoutines::clearStatistics() {
  const Command command(*this);
  stats = Statistics{};
  announce(&StateListener::onStatisticsChanged);
}

void MainRoutines::setAlwaysShowInstructions(bool on) {
  const Command command(*this);
  gAlwaysShowInstructions = on;
  announce(&StateListener::onSettingsChanged);
}

// The card size follows the window; nothing else is told of it, as the
// window that measured it draws the board anew itself.
void MainRoutines::setCardSize(int width, int height) {
  cardwidth = width;
  cardheight = height;
}

}  // namespace velmoran
