#pragma once

#include "engine/TableInterface.h"

namespace velmoran {

// A table that shows, plays and asks nothing: the mouse button is never down
// and every question is answered No. It stands in wherever a game needs a
// table that nobody sees, such as the help diagrams' stand-in games; tests
// derive from it and override only the calls they listen to.
class NullTable : public TableInterface {
 public:
  void placeCard(int, int, int) override {}
  void setDrawTarget(DrawTarget) override {}
  void updateNow() override {}
  void rebuildOffscreen() override {}
  void processEvents() override {}
  void wait(std::chrono::microseconds) override {}
  bool mouseButtonDown() override { return false; }
  void play(Sound) override {}
  void playLooping(Sound) override {}
  void stop(Sound) override {}
  void waitWhilePlaying(Sound) override {}
  bool askCheat(const std::string&) override { return false; }
  bool askYesNo(const std::string&) override { return false; }
  void showMessage(const std::string&) override {}
  void beep() override {}
  void showStatisticsSheet() override {}
  void setTitle(const std::string&) override {}
};

}  // namespace velmoran
