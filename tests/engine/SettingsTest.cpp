// Applying settings outside a new game.
#include <gtest/gtest.h>

#include "tests/engine/EngineFixture.h"

namespace velmoran::testing {
namespace {

using SettingsTest = EngineTest;

// Difficulty, grid size and where the kings start belong to the game being
// played: only a new game changes them.
TEST_F(SettingsTest, ApplyingKeepsTheSettingsThatNeedANewGame) {
  Settings chosen = g.settings();
  chosen.game = easyRules;
  chosen.grid = grid10x7;
  chosen.gKings = kingsCustom;
  chosen.delaySpeed = 5;
  chosen.gCardBackNumber = 12;
  chosen.gSound = false;
  chosen.gShowStats = true;
  chosen.gAlwaysShowInstructions = false;
  g.applySettings(chosen);

  Settings expected = chosen;
  expected.game = standardRules;
  expected.grid = grid12x9;
  expected.gKings = kingsCenter;
  EXPECT_EQ(g.settings(), expected);
  EXPECT_FALSE(sameMainSettings(chosen, g.settings()));
  EXPECT_TRUE(sameMainSettings(expected, g.settings()));
}

}  // namespace
}  // namespace velmoran::testing
