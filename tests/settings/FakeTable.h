#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/MainRoutines.h"
#include "engine/NullTable.h"
#include "engine/RandomSource.h"

// A table that draws nothing, answers questions from a queue and records
// what the windows asked of it.
class FakeTable : public velmoran::NullTable {
 public:
  std::deque<bool> answers;  // askYesNo answers, in order; empty means No
  std::vector<std::string> questions;
  int rebuilds = 0;

  void rebuildOffscreen() override { ++rebuilds; }
  bool askYesNo(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};
