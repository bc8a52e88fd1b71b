// How long the board takes to draw, a whole drop without animation, the
// pictures of a card size on and off the UI thread, a resize to a size
// not drawn yet, the memory the pictures of the last sizes hold, and what
// fresh memory for the largest board costs.
#include <QSignalSpy>
#include <QTest>

#include "tests/table/DesktopScreens.h"
#include "tests/table/TableFixture.h"
#include "assets/Assets.h"
#include "table/BoardPictures.h"
#include "table/LargeImage.h"
#include "table/SizePictures.h"
#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace velmoran;
using testing::Table;

class TableBenchmark : public QObject {
  Q_OBJECT
 private slots:
  void rebuildOffscreen_data();
  void rebuildOffscreen();
  void legalDrop();
  void sizePicturesOnTheUiThread_data();
  void sizePicturesOnTheUiThread();
  void standInOnTheUiThread_data();
  void standInOnTheUiThread();
  void sizePicturesOffTheUiThread();
  void resizeToASizeNotDrawnYet();
  void picturesHeldAfterVisitingAllSizes();
  void largestBoardOnFreshMemory_data();
  void largestBoardOnFreshMemory();
};

namespace {

void addWidths() {
  QTest::addColumn<int>("cardWidth");
  QTest::newRow("w = 40") << 40;
  QTest::newRow("w = 90") << 90;
}

// Runs the event loop until the pictures of the current size are shown.
void waitUntilDrawn(BoardPictures& pictures) {
  while (!pictures.drawnForSize())
    if (!pictures.takeDrawnPictures()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

void TableBenchmark::rebuildOffscreen_data() {
  QTest::addColumn<int>("cardWidth");
  QTest::newRow("w = 40") << 40;
  QTest::newRow("w = 90") << 90;
}

// A busy board: the grid half full, orphans to test, a full hand.
void TableBenchmark::rebuildOffscreen() {
  QFETCH(int, cardWidth);
  Table table({15, 28, 41, 3});
  const CardSize cards = CardSize::ofWidth(cardWidth);
  table.window->resize(table.window->size() - table.board()->size() +
                       QSize(cards.boardWidth(), cards.boardHeight()));
  QTRY_COMPARE(table.cards(), cards);
  QTRY_VERIFY(table.canvas().picturesDrawn());  // the size's own, not a stand-in
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

void TableBenchmark::sizePicturesOnTheUiThread_data() { addWidths(); }

// What the UI thread was held for at each new size when it drew them itself.
void TableBenchmark::sizePicturesOnTheUiThread() {
  QFETCH(int, cardWidth);
  const QImage bluetile = assets::picture("bluetile");
  QBENCHMARK { drawSizePictures(CardSize::ofWidth(cardWidth), bluetile); }
}

// The window starts at the smallest size, which is kept: the next one up
// stands for it.
void TableBenchmark::standInOnTheUiThread_data() {
  QTest::addColumn<int>("cardWidth");
  QTest::newRow("w = 45") << 45;
  QTest::newRow("w = 90") << 90;
}

// What the UI thread does at a new size before its pictures are drawn: the
// board drawn with another size's pictures, stretched as they are drawn.
void TableBenchmark::standInOnTheUiThread() {
  QFETCH(int, cardWidth);
  const int neighbour = cardWidth == largestCardWidth ? cardWidth - cardWidthStep
                                                      : cardWidth + cardWidthStep;
  Table table;
  table.canvas().setCardSize(CardSize::ofWidth(neighbour));
  waitUntilDrawn(table.canvas().pictures());
  table.canvas().setCardSize(CardSize::ofWidth(cardWidth));
  QVERIFY(!table.canvas().picturesDrawn());
  QBENCHMARK { table.window->rebuildOffscreen(); }
}

// From asking for a size not drawn yet to its own pictures in use, drawn
// on other threads; each size in turn, each one the cache has let go.
void TableBenchmark::sizePicturesOffTheUiThread() {
  BoardPictures pictures;
  pictures.setCardSize(CardSize::ofWidth(smallestCardWidth));
  int width = smallestCardWidth;
  QBENCHMARK {
    width = width == largestCardWidth ? smallestCardWidth : width + cardWidthStep;
    pictures.setCardSize(CardSize::ofWidth(width));
    waitUntilDrawn(pictures);
  }
}

// From the resize of the window to the board repainted with the new size's
// own pictures; each size is one the cache has let go.
void TableBenchmark::resizeToASizeNotDrawnYet() {
  Table table;
  const QSize chrome = table.window->size() - table.board()->size();
  int width = smallestCardWidth;
  QBENCHMARK {
    width = width == largestCardWidth ? smallestCardWidth : width + cardWidthStep;
    const CardSize cards = CardSize::ofWidth(width);
    table.window->resize(chrome + QSize(cards.boardWidth(), cards.boardHeight()));
    while (table.cards() != cards || !table.canvas().picturesDrawn())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

void TableBenchmark::picturesHeldAfterVisitingAllSizes() {
  BoardPictures pictures;
  for (int width = smallestCardWidth; width <= largestCardWidth; width += cardWidthStep) {
    pictures.setCardSize(CardSize::ofWidth(width));
    waitUntilDrawn(pictures);
  }
  QCOMPARE(pictures.cache().sizesHeld(), 1 + PictureCache::othersKept);
  QTest::setBenchmarkResult(static_cast<qreal>(pictures.cache().bytesHeld()),
                            QTest::BytesAllocated);
}

void TableBenchmark::largestBoardOnFreshMemory_data() {
  QTest::addColumn<bool>("twoMegabytePages");
  QTest::newRow("4 KB pages") << false;
  QTest::newRow("2 MB pages") << true;
}

// What a new board picture of the largest size costs before anything is
// drawn on it: the system filling in fresh memory. Big pictures get fresh
// memory each time, as in the game, which gives them back when freed.
void TableBenchmark::largestBoardOnFreshMemory() {
  QFETCH(bool, twoMegabytePages);
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
  const QSize board(1639, 1144);
  QBENCHMARK {
    QImage picture = twoMegabytePages ? largeImage(board, QImage::Format_ARGB32_Premultiplied)
                                      : QImage(board, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
  }
}

// Boards up to the largest fit the screen: a board the screen cannot hold
// would be closed in on while it is measured.
int main(int argc, char** argv) {
  return testing::runOnScreens<TableBenchmark>(QByteArray("[") + testing::desktopScreen + "]", argc,
                                             argv);
}
#include "bench_table.moc"
