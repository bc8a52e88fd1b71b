#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/MainRoutines.h"
#include "engine/RandomSource.h"
#include "engine/TableInterface.h"

// A table that draws nothing, answers questions from a queue and records
// what the windows asked of it.
class FakeTable : public velmoran::TableInterface {
 public:
  std::deque<bool> answers;  // askYesNo answers, in order; empty means No
  std::vector<std::string> questions;
  int rebuilds = 0;

  void placeCard(int, int, int) override {}
  void setDrawTarget(velmoran::DrawTarget) override {}
  void updateNow() override {}
  void rebuildOffscreen() override { ++rebuilds; }
  void processEvents() override {}
  void wait(std::chrono::microseconds) override {}
  bool mouseButtonDown() override { return false; }
  void play(velmoran::Sound) override {}
  void playLooping(velmoran::Sound) override {}
  void stop(velmoran::Sound) override {}
  void waitWhilePlaying(velmoran::Sound) override {}
  bool askCheat(const std::string&) override { return false; }
  bool askYesNo(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showMessage(const std::string&) override {}
  void beep() override {}
  void showStatisticsSheet() override {}
  void statisticsChanged() override {}
  void setTitle(const std::string&) override {}
  void enableMenuItems() override {}
};
