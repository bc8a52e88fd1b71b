#pragma once

#include <gtest/gtest.h>

#include "MainRoutines.h"
#include "RecordingTable.h"

namespace velmoran::testing {

constexpr int cardOf(int suit, int rank) { return suit * 13 + rank; }

// A fresh game object with the factory settings, an empty board and a
// recording table.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    g.setAllDefaults();
    g.setActiveGrid();
  }
  void useGrid(int grid) {
    g.grid = grid;
    g.setActiveGrid();
  }
  void put(int card, int x, int y) { g.gPlayingGrid[x][y] = card; }
  // Animations and sounds off, so that only the rules speak.
  void quiet() {
    g.gShuffle = false;
    g.gSound = false;
  }

  RecordingTable table;
  ScriptedRandom random;
  MainRoutines g{table, random};
};

}  // namespace velmoran::testing
