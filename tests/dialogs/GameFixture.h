#pragma once

#include <functional>

#include "engine/MainRoutines.h"
#include "engine/NullTable.h"

namespace velmoran::testing {

// A table that draws, plays and asks nothing: the dialogs only need the
// game's state (and, for the statistics, to hear when the counts change).
// As the game's listener it counts the settings changes it hears of.
class QuietTable final : public NullTable, public StateListener {
 public:
  std::function<void()> whenStatisticsChange;
  int settingsChanges = 0;

  void onStatisticsChanged() override {
    if (whenStatisticsChange) whenStatisticsChange();
  }
  void onSettingsChanged() override { ++settingsChanges; }
  void onGameStateChanged() override {}
};

// A game with factory settings.
struct GameFixture {
  QuietTable table;
  SystemRandom random{1};
  MainRoutines routines{table, random};

  GameFixture() {
    routines.setListener(table);
    routines.setAllDefaults();
  }
};

}  // namespace velmoran::testing
