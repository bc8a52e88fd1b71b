// The pause unit of every animation, the orphan flash and the victory fanfare.
#include <vector>

#include "engine/MainRoutines.h"
#include "engine/RandomPick.h"

namespace velmoran {

namespace {

constexpr int gridAreaPlaces = gridAreaColumns * gridAreaRows;  // 108
constexpr std::chrono::microseconds flashPause{80000};

// Place v of the fanfare's list: x + 13 (y - 1).
Place placeOf(int v) { return {(v - 1) % 13 + 1, (v - 1) / 13 + 1}; }

std::array<int, gridAreaPlaces + 1> gridAreaList() {
  std::array<int, gridAreaPlaces + 1> list{};
  int i = 0;
  for (int y = 1; y <= gridAreaRows; ++y) {
    for (int x = 1; x <= gridAreaColumns; ++x) list[++i] = x + 13 * (y - 1);
  }
  return list;
}

}  // namespace

void MainRoutines::animationDelay(int units) {
  // The button is looked at only here: a press during the wait does not
  // shorten it.
  if (!gShuffle || table_->mouseButtonDown()) return;
  for (int i = 0; i < units; ++i) {
    table_->wait(std::chrono::microseconds(static_cast<long long>(delaySpeed) * 500));
  }
}

void MainRoutines::flashOrphans() {
  if (gCheated) return;
  // The list grows with the board, so every orphan flashes however many
  // there are.
  std::vector<Place> orphans;
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      if (isOrphan(x, y)) orphans.push_back({x, y});
    }
  }
  if (!orphans.empty()) {
    playSound(Sound::SNDblipblip);
    if (gShuffle) {
      for (int cycle = 0; cycle < 3; ++cycle) {
        table_->setDrawTarget(DrawTarget::Window);
        for (const Place& p : orphans) {
          table_->placeCard(gPlayingGrid[p.x][p.y] + dimmedOffset, p.x, p.y);
          table_->updateNow();
        }
        table_->wait(flashPause);
        for (const Place& p : orphans) {
          table_->placeCard(gPlayingGrid[p.x][p.y], p.x, p.y);
          table_->updateNow();
        }
        table_->wait(flashPause);
      }
      table_->setDrawTarget(DrawTarget::Offscreen);
    }
    table_->updateNow();
  }
  table_->waitWhilePlaying(Sound::SNDblipblip);
}

void MainRoutines::emptyGridArea() {
  for (int x = 1; x <= gridAreaColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) gPlayingGrid[x][y] = emptyCode;
  }
}

// One pass over the 108 grid-area places in random order, drawing each with
// drawCode. Returns false when the button was held after a draw.
bool MainRoutines::fanfarePass(int drawCode) {
  std::array<int, gridAreaPlaces + 1> list = gridAreaList();
  for (int i = 0; i < gridAreaPlaces; ++i) {
    const int m = gridAreaPlaces - i;
    const int j = pickIndex(*random_, m);
    const Place p = placeOf(list[j]);
    table_->placeCard(drawCode, p.x, p.y);
    table_->updateNow();
    animationDelay(1);
    if (table_->mouseButtonDown()) return false;
    list[j] = list[m];
  }
  return true;
}

void MainRoutines::fanfare() {
  table_->setDrawTarget(DrawTarget::Window);  // the closing rebuild points it back
  if (gSound) table_->playLooping(Sound::SNDdrumrollloop);

  auto handSlot = [](int k) { return firstHandColumn - 1 + k; };
  if (gShuffle) {
    const std::array<int, gridAreaPlaces + 1> list = gridAreaList();
    for (int v = 1; v <= gridAreaPlaces; ++v) {
      const Place p = placeOf(list[v]);
      table_->placeCard(emptyCode, p.x, p.y);
    }
    table_->updateNow();

    if (!fanfarePass(cardBackCode)) {
      // Cut short while the backs were being laid: the kings land a unit apart.
      table_->stop(Sound::SNDdrumrollloop);
      for (int k = 1; k <= 4; ++k) {
        table_->placeCard(kingRank * k, handSlot(k), handRow);
        table_->updateNow();
        animationDelay(1);
        gPlayingGrid[handSlot(k)][handRow] = kingRank * k;
      }
      emptyGridArea();
      victoryNoAnimation();
      return;
    }
    animationDelay(1);
    if (!fanfarePass(emptyCode)) {
      // Cut short while clearing: the kings land at once.
      table_->stop(Sound::SNDdrumrollloop);
      emptyGridArea();
      for (int k = 1; k <= 4; ++k) {
        table_->placeCard(kingRank * k, handSlot(k), handRow);
        table_->updateNow();
        gPlayingGrid[handSlot(k)][handRow] = kingRank * k;
      }
      victoryNoAnimation();
      return;
    }
  }

  emptyGridArea();
  table_->updateNow();
  for (int k = 1; k <= 4; ++k) {
    playSound(Sound::SNDflick);
    table_->placeCard(cardBackCode, handSlot(k), handRow);
    table_->updateNow();
    animationDelay(5);
    table_->placeCard(kingRank * k, handSlot(k), handRow);
    table_->updateNow();
    animationDelay(5);
    gPlayingGrid[handSlot(k)][handRow] = kingRank * k;
    table_->waitWhilePlaying(Sound::SNDflick);
  }
  table_->stop(Sound::SNDdrumrollloop);
  table_->waitWhilePlaying(Sound::SNDdrumrollloop);
  table_->updateNow();
  victoryNoAnimation();
}

}  // namespace velmoran
