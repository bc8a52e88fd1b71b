#pragma once

namespace velmoran {

// The changes a window may ask of the game. Windows read the game through a
// const reference and change it only through these, so the game is the one
// writer of its own state.
class GameCommands {
 public:
  // The cheat warning's "Never warn about cheating", ticked when the player
  // answered "Cheat": the warning setting goes off.
  virtual void neverWarnAboutCheating() = 0;
  virtual void clearStatistics() = 0;  // all six counters back to 0
  virtual void setAlwaysShowInstructions(bool on) = 0;

 protected:
  ~GameCommands() = default;
};

}  // namespace velmoran
