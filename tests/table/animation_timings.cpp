// Not shipped: times the book removal, a face-up deal of four cards and the
// victory animation on a real window with its real sound waits, at the
// speeds 0, 40 and 100, and prints each beside its pauses in units.
//   QT_QPA_PLATFORM=offscreen QT_AUDIO_BACKEND=none tests/table/animation_timings
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "tests/table/QuietHost.h"
#include "engine/NullTable.h"
#include "assets/SoundBank.h"
#include "table/GameTable.h"
#include "table/Wmain.h"

using namespace velmoran;

namespace {

// A game in progress: the king of the first suit at (6, 5), the deck in
// order, sound and card movement on.
struct Game {
  NullTable none;
  SystemRandom random{7};
  MainRoutines routines{none, random};
  Wmain window{routines};
  testing::QuietHost host{window};
  GameTable table{window.canvas(), host};

  explicit Game(int speed) {
    routines.setAllDefaults();
    routines.delaySpeed = speed;
    routines.gSound = true;
    routines.gShuffle = true;
    routines.setTable(table);
    for (int i = 1; i <= deckSize; ++i) routines.gDeck[i] = (i - 1) / 12 * 13 + (i - 1) % 12 + 1;
    routines.gDeckPtr = 9;
    routines.gCheatDeckPtr = 5;
    routines.gGameCounts = true;
    routines.gNoOrphans = true;
    routines.gPlayingGrid[6][5] = 13;
    window.show();
    window.rebuildOffscreen();
  }
};

template <typename Run>
qint64 millisecondsOf(Run run) {
  QElapsedTimer clock;
  clock.start();
  run();
  return clock.elapsed();
}

qint64 bookRemoval(int speed) {
  Game game(speed);
  for (auto [x, y, card] : {std::tuple{7, 5, 1}, {8, 5, 14}, {8, 4, 27}, {7, 4, 40}})
    game.routines.gPlayingGrid[x][y] = card;
  return millisecondsOf([&] { game.routines.checkForBook(7, 4); });
}

qint64 faceUpDeal(int speed) {
  Game game(speed);
  return millisecondsOf([&] { game.routines.deal(); });
}

qint64 victory(int speed) {
  Game game(speed);
  return millisecondsOf([&] { game.routines.fanfare(); });
}

long long soundMs(Sound sound) { return assets::SoundBank::instance().duration(sound).count(); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::printf("sounds: SNDbump %lld ms, SNDflick %lld ms\n", soundMs(Sound::SNDbump),
              soundMs(Sound::SNDflick));
  std::printf("%-34s %5s %8s %10s %11s\n", "animation", "speed", "units", "pauses ms",
              "measured ms");
  struct Row {
    const char* name;
    int units;
    qint64 (*run)(int speed);
  };
  const Row rows[] = {
      {"book removal (+4 bumps, 1 flick)", 20, bookRemoval},
      {"face-up deal of 4 (+4 flicks)", 4, faceUpDeal},
      {"victory animation (+4 flicks)", 257, victory},
  };
  for (const Row& row : rows) {
    for (int speed : {0, 40, 100}) {
      const double unitMs = speed * 0.5;
      std::printf("%-34s %5d %8d %10.0f %11lld\n", row.name, speed, row.units, row.units * unitMs,
                  static_cast<long long>(row.run(speed)));
    }
  }
  return 0;
}
