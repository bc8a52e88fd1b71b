#pragma once

#include <string>
#include <vector>

#include "TableInterface.h"

namespace velmoran::testing {

// A table that draws and plays nothing and keeps the messages it was asked to show.
class NullTable final : public TableInterface {
 public:
  std::vector<std::string> messages;

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
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void beep() override {}
  void showStatisticsSheet() override {}
  void statisticsChanged() override {}
  void setTitle(const std::string&) override {}
  void enableMenuItems() override {}
};

}  // namespace velmoran::testing
