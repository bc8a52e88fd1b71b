// Not shipped: shows the main window over a seeded game, for screenshots
// and timing. Usage:
//   table_showcase [--width W] [--scene progress|book|victory|fanfare] [--shots DIR]
//                  [--speed N]
// "book" and "victory" make the drop that removes a book (or the last one)
// two seconds after start, take screenshots of the screen every 100 ms
// while it runs into DIR, print how long the drop took, and quit.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "tests/table/TableFixture.h"

using namespace velmoran;

namespace {

// A greedy player: each hand card goes where it touches the most cards.
void playGreedily(MainRoutines& game, int moves) {
  for (int move = 0; move < moves && !game.gVictory; ++move) {
    int bestCard = 0, bestX = 0, bestY = 0, bestFrom = 0, bestTouching = -1;
    for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
      const int card = game.gPlayingGrid[c][handRow];
      if (!isCard(card)) continue;
      for (int x = game.gridMinX; x <= game.gridMaxX; ++x)
        for (int y = game.gridMinY; y <= game.gridMaxY; ++y) {
          if (!game.legalMove(card, x, y)) continue;
          int touching = 0;
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            touching += isCard(game.gPlayingGrid[x + dx][y + dy]);
          if (touching > bestTouching) {
            bestTouching = touching;
            bestCard = card, bestX = x, bestY = y, bestFrom = c;
          }
        }
    }
    if (bestCard == 0) {
      game.deal();
      continue;
    }
    game.dropCard(bestCard, bestFrom, handRow, bestX, bestY);
    for (int c = firstHandColumn; c <= lastHandColumn; ++c)
      if (game.gPlayingGrid[c][handRow] == cardBackCode) {
        game.deal();
        break;
      }
  }
}

// Eleven books gone and the queens about to make the twelfth; or no book
// yet and the aces about to make the first. The fourth card is in the hand.
void layOutBookDrop(MainRoutines& game, bool lastBook) {
  const int r = lastBook ? 12 : 1;
  game.gNumBooks = r - 1;
  for (int b = 1; b < r; ++b) game.gPlayingGrid[bookColumn(b)][bookRow(b)] = b;
  const int kings[4][2] = {{5, 5}, {8, 5}, {5, 4}, {8, 4}};
  for (int s = 0; s < 4; ++s) game.gPlayingGrid[kings[s][0]][kings[s][1]] = 13 * (s + 1);
  game.gPlayingGrid[6][4] = r;           // beside the king of the first suit
  game.gPlayingGrid[7][4] = 13 * 3 + r;  // beside the king of the fourth suit
  game.gPlayingGrid[6][5] = 26 + r;
  if (!lastBook) {
    game.gPlayingGrid[4][5] = 13;
    game.gPlayingGrid[5][5] = 2;
    game.gPlayingGrid[4][4] = 3, game.gPlayingGrid[3][4] = 16;
    game.gPlayingGrid[9][4] = 51, game.gPlayingGrid[9][5] = 50;
  }
  game.gPlayingGrid[firstHandColumn][handRow] = 13 + r;
  game.gDeckPtr = 49;
  game.gNoOrphans = true;
}

void takeShotsEvery100ms(const QString& dir) {
  auto* timer = new QTimer(qApp);
  auto* count = new int(0);
  QObject::connect(timer, &QTimer::timeout, [dir, count] {
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(
        QDir(dir).filePath(QString("shot-%1.png").arg(++*count, 3, 10, QChar('0'))));
  });
  timer->start(100);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser options;
  options.addOptions({{"width", "card width", "w", "40"},
                      {"scene", "progress, book, victory or fanfare", "scene", "progress"},
                      {"shots", "folder for screenshots", "dir"},
                      {"speed", "animation speed", "n", "40"}});
  options.process(app);

  NullTable none;
  SystemRandom random(11);
  MainRoutines game(none, random);
  game.setAllDefaults();
  Wmain window(game);
  testing::QuietHost host(window);
  GameTable table(window.canvas(), host);
  game.setTable(table);
  QObject::connect(&window, &Wmain::closeRequested, &app, &QCoreApplication::quit);

  const QString scene = options.value("scene");
  if (scene == "progress") {
    game.gShuffle = false;
    game.gSound = false;
    game.newGame();
    playGreedily(game, 30);
    game.gShuffle = true;
    game.gSound = true;
  } else {
    game.newGame();  // quietly, before the window shows
    game.clearGrid();
    layOutBookDrop(game, scene != "book");
  }
  game.delaySpeed = options.value("speed").toInt();
  table.setTitle(game.title());

  const CardSize cards = CardSize::ofWidth(options.value("width").toInt());
  window.show();
  window.resize(window.size() - window.board()->size() +
                QSize(cards.boardWidth(), cards.boardHeight()));
  window.rebuildOffscreen();

  if (scene != "progress") {
    QTimer::singleShot(2000, [&] {
      if (options.isSet("shots")) takeShotsEvery100ms(options.value("shots"));
      QElapsedTimer clock;
      clock.start();
      const BusyScope busy;
      if (scene == "fanfare")
        game.fanfare();  // the victory animation alone
      else
        game.dropCard(13 + (scene == "victory" ? 12 : 1), firstHandColumn, handRow, 7, 5);
      std::printf("drop took %lld ms; books %d, victory %d, wins %d\n",
                  static_cast<long long>(clock.elapsed()), game.gNumBooks, game.gVictory,
                  game.stats.noCheatWins);
      std::fflush(stdout);
      QTimer::singleShot(1500, &app, &QCoreApplication::quit);
    });
  }
  return app.exec();
}
