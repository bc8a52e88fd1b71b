#pragma once

#include "MainRoutines.h"

namespace velmoran::testing {

// A table that draws, plays and asks nothing: the dialogs only need the
// game's state.
class QuietTable final : public TableInterface {
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

// A game with factory settings.
struct GameFixture {
  QuietTable table;
  SystemRandom random{1};
  MainRoutines routines{table, random};

  GameFixture() { routines.setAllDefaults(); }
};

}  // namespace velmoran::testing
