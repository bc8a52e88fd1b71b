#pragma once

namespace velmoran {

// Told by the game after its state changed, so that whatever shows that
// state (menus, the statistics window) can show it anew. Each call comes
// once the change is complete.
class StateListener {
 public:
  virtual void onSettingsChanged() = 0;    // a setting took a new value
  virtual void onStatisticsChanged() = 0;  // the counters were counted or cleared
  virtual void onGameStateChanged() = 0;   // a move, an undo, a new game, a win

 protected:
  ~StateListener() = default;
};

}  // namespace velmoran
