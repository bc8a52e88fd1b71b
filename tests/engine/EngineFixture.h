#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/MainRoutines.h"
#include "tests/engine/RecordingTable.h"

namespace velmoran::testing {

constexpr int cardOf(int suit, int rank) { return suit * 13 + rank; }

// Everything but the gap column, which after an Undo holds the restored
// counters and is never read as a place.
inline bool samePlaces(const Board& a, const Board& b) {
  for (int x = 1; x < boardColumns; ++x)
    for (int y = 1; y < boardRows; ++y)
      if (x != gapColumn && a[x][y] != b[x][y]) return false;
  return true;
}

// The places of the active grid where card may go, column by column.
inline std::vector<std::pair<int, int>> legalPlaces(const MainRoutines& g, int card) {
  std::vector<std::pair<int, int>> places;
  for (int x = g.gridMinX; x <= g.gridMaxX; ++x)
    for (int y = g.gridMinY; y <= g.gridMaxY; ++y)
      if (g.legalMove(card, x, y)) places.push_back({x, y});
  return places;
}

// A fresh game object with the factory settings, an empty board and a
// recording table.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    g.setListener(table);
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
