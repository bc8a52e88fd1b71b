#pragma once

namespace velmoran {

// Told by the game of what changed, so that whatever shows that state (menus,
// the statistics window) can show it anew, and whatever keeps it (the save
// for a desktop that is ending) can take it whole. A setting or the counters
// are told of once changed; the game state as soon as it changes, which may
// be in the middle of a move (the undo store holds the move while the card
// is still on its way); the end of a move once nothing of it is half done.
class StateListener {
 public:
  virtual void onSettingsChanged() = 0;    // a setting took a new value
  virtual void onStatisticsChanged() = 0;  // the counters were counted or cleared
  virtual void onGameStateChanged() = 0;   // a move, an undo, a new game, a win
  // A command of the player's has run to its end (a move with its books and
  // fanfare, a deal, an undo, a new game, a change of settings or counters):
  // the game is whole again, as it would be saved.
  virtual void onMoveEnded() {}

 protected:
  ~StateListener() = default;
};

}  // namespace velmoran
