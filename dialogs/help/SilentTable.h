#pragma once

#include "engine/TableInterface.h"

namespace velmoran {

// A table that shows, plays and asks nothing: the stand-in game state behind
// the help diagrams' windows needs one, and nothing of it is ever seen.
class SilentTable : public TableInterface {
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
  void statisticsChanged() override {}
  void setTitle(const std::string&) override {}
  void enableMenuItems() override {}
};

}  // namespace velmoran
