#pragma once

#include <chrono>
#include <string>

#include "engine/SoundList.h"

namespace velmoran {

// Where board drawing goes: the off-screen board picture or, while an
// animation runs, straight onto the window.
enum class DrawTarget { Offscreen, Window };

// Everything the engine needs from the screen, the speaker and the player.
// The table room's GameTable implements it; tests use a recording fake. The engine
// calls these in the exact order its animations and rules need, so a fake
// that records the calls sees the choreography of a move.
class TableInterface {
 public:
  virtual ~TableInterface() = default;

  // Drawing. placeCard draws one board place with a draw code into the
  // current target; it reads the engine's state (card size, card movement).
  virtual void placeCard(int drawCode, int x, int y) = 0;
  virtual void setDrawTarget(DrawTarget target) = 0;
  virtual void updateNow() = 0;         // show what was drawn on the window, now
  virtual void rebuildOffscreen() = 0;  // redraw the whole board and show it
  virtual void processEvents() = 0;     // let pending events run once

  // Time and the mouse button. wait() is one timed pause that nothing cuts
  // short; the engine decides when a held button skips a pause.
  virtual void wait(std::chrono::microseconds duration) = 0;
  virtual bool mouseButtonDown() = 0;

  // Sounds. play/playLooping are only called while sound is on; stop and
  // waitWhilePlaying are called whatever the setting.
  virtual void play(Sound sound) = 0;
  virtual void playLooping(Sound sound) = 0;
  virtual void stop(Sound sound) = 0;
  virtual void waitWhilePlaying(Sound sound) = 0;

  // The player. askCheat shows the cheat warning with the reason and returns
  // true only for the answer "Cheat".
  virtual bool askCheat(const std::string& reason) = 0;
  virtual bool askYesNo(const std::string& text) = 0;
  virtual void showMessage(const std::string& text) = 0;
  virtual void beep() = 0;

  // Windows. What changed in the game is told to its StateListener.
  virtual void showStatisticsSheet() = 0;  // modal; returns when dismissed
  virtual void setTitle(const std::string& title) = 0;
};

}  // namespace velmoran
