#pragma once

#include <functional>

#include "MainRoutines.h"
#include "NullTable.h"

namespace velmoran::testing {

// A table that draws, plays and asks nothing: the dialogs only need the
// game's state (and, for the statistics, to hear when the counts change).
class QuietTable final : public NullTable {
 public:
  std::function<void()> onStatisticsChanged;
  void statisticsChanged() override {
    if (onStatisticsChanged) onStatisticsChanged();
  }
};

// A game with factory settings.
struct GameFixture {
  QuietTable table;
  SystemRandom random{1};
  MainRoutines routines{table, random};

  GameFixture() { routines.setAllDefaults(); }
};

}  // namespace velmoran::testing
