#include "table/GameTable.h"

#include <QApplication>

#include "assets/SoundBank.h"
#include "table/BoardCanvas.h"
#include "table/InputHold.h"
#include "table/TableHost.h"
#include "table/Waiting.h"

namespace velmoran {

namespace {

// A sound is waited for no longer than its length and this much more.
constexpr std::chrono::milliseconds soundGrace{1000};

}  // namespace

GameTable::GameTable(BoardCanvas& canvas, TableHost& host) : canvas_(canvas), host_(host) {}

// ---- Drawing ------------------------------------------------------------------

void GameTable::placeCard(int drawCode, int x, int y) { canvas_.placeCard(drawCode, x, y); }

void GameTable::setDrawTarget(DrawTarget target) { canvas_.setDrawTarget(target); }

void GameTable::updateNow() { canvas_.updateNow(); }

void GameTable::rebuildOffscreen() { canvas_.rebuildOffscreen(); }

// ---- Time, the mouse button and sounds ---------------------------------------

void GameTable::processEvents() {
  const BusyScope busy;
  QCoreApplication::processEvents();
}

void GameTable::wait(std::chrono::microseconds duration) { waitFor(duration); }

bool GameTable::mouseButtonDown() { return InputHold::instance().mouseButtonDown(); }

void GameTable::play(Sound sound) { assets::SoundBank::instance().play(sound); }

void GameTable::playLooping(Sound sound) { assets::SoundBank::instance().playLooping(sound); }

void GameTable::stop(Sound sound) { assets::SoundBank::instance().stop(sound); }

void GameTable::waitWhilePlaying(Sound sound) {
  const assets::SoundBank& sounds = assets::SoundBank::instance();
  waitWhile([&] { return sounds.isPlaying(sound); }, sounds.duration(sound) + soundGrace);
}

// ---- The player and the other windows -----------------------------------------
// The player answers while the game waits: input is let through meanwhile.

bool GameTable::askCheat(const std::string& reason) {
  const SuspendScope answerable;
  return host_.askCheat(QString::fromStdString(reason));
}

bool GameTable::askYesNo(const std::string& text) {
  const SuspendScope answerable;
  return host_.askYesNo(QString::fromStdString(text));
}

void GameTable::showMessage(const std::string& text) {
  const SuspendScope answerable;
  host_.showMessage(QString::fromStdString(text));
}

void GameTable::beep() { QApplication::beep(); }

void GameTable::showStatisticsSheet() {
  const SuspendScope answerable;
  host_.showStatisticsSheet();
}

void GameTable::setTitle(const std::string& title) {
  host_.setTitle(QString::fromStdString(title));
}

}  // namespace velmoran
