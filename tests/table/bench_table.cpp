// How long the board takes to draw, and a whole drop without animation.
#include <QTest>

#include "TableFixture.h"

using namespace velmoran;
using testing::Table;

class TableBenchmark : public QObject {
  Q_OBJECT
 private slots:
  void rebuildOffscreen_data();
  void rebuildOffscreen();
  void legalDrop();
};

void TableBenchmark::rebuildOffscreen_data() {
  QTest::addColumn<int>("cardWidth");
  QTest::newRow("w = 40") << 40;
  QTest::newRow("w = 90") << 90;
}

// A busy board: the grid half full, orphans to test, a full hand.
void TableBenchmark::rebuildOffscreen() {
  QFETCH(int, cardWidth);
  Table table({15, 28, 41, 3});
  const CardSize cards{cardWidth, cardHeightFor(cardWidth)};
  table.window->resize(table.window->size() - table.board()->size() +
                       QSize(cards.boardWidth(), cards.boardHeight()));
  QTRY_COMPARE(table.cards(), cards);
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 9; ++y)
      if ((x + y) % 2 == 0) table.game.gPlayingGrid[x][y] = x % 2 == 1 ? 14 : 28;
  table.game.checkForOrphans();
  QBENCHMARK { table.window->rebuildOffscreen(); }
}

void TableBenchmark::legalDrop() {
  Table table;
  table.game.gShuffle = false;
  table.game.gSound = false;
  table.game.gAutoDeal = false;
  const Board start = table.game.gPlayingGrid;
  QBENCHMARK {
    table.game.gPlayingGrid = start;
    table.game.moveNumber = 0;
    table.game.dropCard(12, 14, 5, 7, 5);
  }
  QCOMPARE(table.at(7, 5), 12);
}

QTEST_MAIN(TableBenchmark)
#include "bench_table.moc"
