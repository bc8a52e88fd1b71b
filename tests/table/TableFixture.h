#pragma once

// A main window over a real game, with sounds and messages recorded
// instead of played and shown, and helpers to lay out a board by hand.
#include <QTest>
#include <memory>
#include <vector>

#include "engine/MainRoutines.h"
#include "tests/table/QuietHost.h"
#include "engine/NullTable.h"
#include "table/BoardPainter.h"
#include "table/GameTable.h"
#include "table/Wmain.h"

namespace velmoran::testing {

// Sounds and messages are written down, not played and shown; drawing and
// waiting are the real ones.
class RecordingTable : public QObject, public GameTable {
 public:
  std::vector<Sound> played;
  std::vector<Sound> looping;
  std::vector<Sound> stopped;
  int messages = 0;
  void play(Sound sound) override { played.push_back(sound); }
  void playLooping(Sound sound) override { looping.push_back(sound); }
  void stop(Sound sound) override { stopped.push_back(sound); }
  // Above zero, the pick-up's flick is waited out for this long, as a
  // sounding flick would be; every other sound ends at once.
  std::chrono::milliseconds flickLength{0};
  void waitWhilePlaying(Sound sound) override {
    if (sound == Sound::SNDflick && flickLength.count() > 0) wait(flickLength);
  }
  void showMessage(const std::string&) override { ++messages; }

  // Pauses that began while something drawn on the window had not yet
  // reached the screen.
  int pausesBeforeShown = 0;
  void setDrawTarget(DrawTarget target) override {
    onWindow_ = target == DrawTarget::Window;
    GameTable::setDrawTarget(target);
  }
  void placeCard(int drawCode, int x, int y) override {
    if (onWindow_) unshown_ = true;  // before: the draw may paint at once
    GameTable::placeCard(drawCode, x, y);
  }
  void wait(std::chrono::microseconds duration) override {
    if (unshown_) ++pausesBeforeShown;
    GameTable::wait(duration);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) unshown_ = false;
    return QObject::eventFilter(watched, event);
  }
  RecordingTable(Wmain& window, TableHost& host) : GameTable(window.canvas(), host) {
    window.board()->installEventFilter(this);
  }

 private:
  bool onWindow_ = false;
  bool unshown_ = false;
};

struct Table {
  NullTable none;  // stands in until the window exists
  SystemRandom random{7};
  MainRoutines game{none, random};
  std::unique_ptr<Wmain> window;
  std::unique_ptr<QuietHost> host;
  std::unique_ptr<RecordingTable> recorder;

  // A game in progress with no animation pauses: the centre king of the
  // first suit at (6, 5), the hand as given, the deck in order.
  explicit Table(std::array<int, 4> hand = {12, 0, 0, 0}) {
    game.setAllDefaults();
    game.delaySpeed = 0;
    window = std::make_unique<Wmain>(game);
    host = std::make_unique<QuietHost>(*window);
    recorder = std::make_unique<RecordingTable>(*window, *host);
    game.setTable(*recorder);
    for (int i = 1; i <= deckSize; ++i) game.gDeck[i] = (i - 1) / 12 * 13 + (i - 1) % 12 + 1;
    game.gDeckPtr = 9;
    game.gCheatDeckPtr = 5;
    game.gGameCounts = true;
    game.gNoOrphans = true;
    game.gPlayingGrid[6][5] = 13;
    for (int i = 0; i < 4; ++i) game.gPlayingGrid[firstHandColumn + i][handRow] = hand[i];
    window->show();
    window->rebuildOffscreen();
  }

  BoardCanvas& canvas() const { return window->canvas(); }
  CardSize cards() const { return canvas().cardSize(); }
  // The centre of place (x, y), in the board widget's coordinates.
  QPoint centreOf(int x, int y) const {
    const CardSize c = cards();
    return window->boardOrigin() + BoardPainter::placeOrigin(c, x, y) +
           QPoint(c.width / 2, c.height / 2);
  }
  QWidget* board() const { return window->board(); }

  void press(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(board(), Qt::LeftButton, modifiers, at);
  }
  void moveTo(QPoint at) { QTest::mouseMove(board(), at); }
  void release(QPoint at) { QTest::mouseRelease(board(), Qt::LeftButton, {}, at); }
  void drag(QPoint from, QPoint to) {
    press(from);
    moveTo((from + to) / 2);
    moveTo(to);
    release(to);
  }
  int at(int x, int y) const { return game.gPlayingGrid[x][y]; }
  int count(Sound sound) const {
    return static_cast<int>(std::count(recorder->played.begin(), recorder->played.end(), sound));
  }
};

}  // namespace velmoran::testing
