// Board geometry, the factory settings and emptying the board.
#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

struct GridBounds {
  int minX, maxX, minY, maxY;
};

// The playable part of the 12 x 9 grid area for each grid-size code 1..4.
constexpr std::array<GridBounds, 4> gridBounds{{
    {1, 12, 1, 9},  // 12 x 9
    {2, 11, 1, 9},  // 10 x 9
    {1, 12, 2, 8},  // 12 x 7
    {2, 11, 2, 8},  // 10 x 7
}};

}  // namespace

MainRoutines::MainRoutines(TableInterface& table, RandomSource& random)
    : table_(&table), random_(&random) {}

int MainRoutines::whereInGridX(int px) const { return placeAt(px, cardwidth); }

int MainRoutines::whereInGridY(int py) const { return placeAt(py, cardheight); }

bool MainRoutines::inActiveGrid(int x, int y) const {
  return x >= gridMinX && x <= gridMaxX && y >= gridMinY && y <= gridMaxY;
}

void MainRoutines::setActiveGrid() {
  if (grid < 1 || grid > static_cast<int>(gridBounds.size())) return;
  const GridBounds& b = gridBounds[grid - 1];
  gridMinX = b.minX;
  gridMaxX = b.maxX;
  gridMinY = b.minY;
  gridMaxY = b.maxY;
}

std::string MainRoutines::title() const {
  return game == standardRules ? "Velmoran" : "Velmoran - Current Game: Easy Rules";
}

void MainRoutines::setAllDefaults() {
  static_cast<Settings&>(*this) = factorySettings();
  setActiveGrid();
  cardwidth = smallestCardWidth;
  cardheight = cardHeightFor(smallestCardWidth);
  gNumBooks = 0;
  gNoOrphans = true;
  gDeckPtr = 0;
  gUndoOk = false;
  undoPtr = 1;
  undoNumBooks = 0;
  gFlashOrphans = true;
}

void MainRoutines::applySettings(const Settings& chosen) {
  const Command command(*this);
  Settings applied = chosen;
  for (const SettingField& field : settingFields) {
    if (field.needsNewGame) setValue(applied, field, valueOf(*this, field));
  }
  static_cast<Settings&>(*this) = applied;
  announce(&StateListener::onSettingsChanged);
}

void MainRoutines::clearGrid() {
  table_->setDrawTarget(DrawTarget::Offscreen);
  for (int y = 1; y < boardRows; ++y) {
    for (int x = 1; x < boardColumns; ++x) {
      if (gPlayingGrid[x][y] != emptyCode) {
        gPlayingGrid[x][y] = emptyCode;
        table_->placeCard(emptyCode, x, y);
      }
    }
  }
  table_->rebuildOffscreen();
  table_->updateNow();
}

}  // namespace velmoran
