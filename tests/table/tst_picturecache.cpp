// The pictures of a card size: drawn off the UI thread while another
// size's stand in, and only the size in use and as many others as the
// cache keeps are held.
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <functional>

#include "assets/Assets.h"
#include "table/BoardPictures.h"
#include "tests/table/DesktopScreens.h"
#include "tests/table/TableFixture.h"

using namespace velmoran;

namespace {

// The middle of a card, away from its rounded corners: opaque, so the
// same on the board as in the sheet.
QRect interior(CardSize cards, QPoint origin) {
  return QRect(origin, QSize(cards.width, cards.height)).adjusted(4, 4, -4, -4);
}

bool sameCard(const QImage& shown, QPoint shownAt, CardSize cards, int card) {
  const QImage sheet = assets::drawFamilyMember(assets::Family::Deck, cards.width)
                           .convertToFormat(QImage::Format_RGB32);
  const QPoint cell((card - 1) % 13 * cards.width, (card - 1) / 13 * cards.height);
  return shown.copy(interior(cards, shownAt)).convertToFormat(QImage::Format_RGB32) ==
         sheet.copy(interior(cards, cell));
}

// Qt's shared thread pool held to a single thread, as on a one-CPU
// machine. Afterwards it gets threads enough for whatever waits in it to
// run, so that a drawing stuck there ends and the test can end too.
class SharedPoolOfOneThread {
 public:
  SharedPoolOfOneThread() { pool()->setMaxThreadCount(1); }
  ~SharedPoolOfOneThread() { pool()->setMaxThreadCount(std::max(before_, 4)); }
  SharedPoolOfOneThread(const SharedPoolOfOneThread&) = delete;
  SharedPoolOfOneThread& operator=(const SharedPoolOfOneThread&) = delete;

 private:
  static QThreadPool* pool() { return QThreadPool::globalInstance(); }
  int before_ = pool()->maxThreadCount();
};

// Waits for the pictures of the current size and takes them.
bool drawnInTime(BoardPictures& pictures) {
  QSignalSpy ready(&pictures.cache(), &PictureCache::ready);
  while (!pictures.drawnForSize()) {
    if (!pictures.takeDrawnPictures() && !ready.wait(10000)) return false;
  }
  return true;
}

}  // namespace

class PictureCacheTest : public QObject {
  Q_OBJECT
 private slots:
  void newSizeIsStoodInForUntilDrawn();
  void onlyTheSizeInUseAndTheKeptOthersAreHeld();
  void sizeInUseOutlivesSizesDrawnAfterIt();
  void onlyTheLatestSizeAskedForIsDrawn();
  void resizedBoardShowsTheNewSizesOwnCards();
  void resizeToADrawnSizeDrawsTheBoardOnce();
  void sizesAreDrawnWithTheSharedPoolOfOneThread();
};

// What a drawing covers, laid one pixel in from the edges of a clear
// picture one pixel larger all round: exactly the given size, or not.
bool coversExactly(QSize size, const std::function<void(QPainter&, QPoint)>& draw) {
  QImage canvas(size + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  draw(painter, QPoint(1, 1));
  painter.end();
  const QRect inside(QPoint(1, 1), size);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if ((qAlpha(canvas.pixel(x, y)) == 255) != inside.contains(x, y)) return false;
  return true;
}

// The stand-in has the new size's geometry, so the board is laid out right
// at once; the size's own pictures replace it when they are drawn.
void PictureCacheTest::newSizeIsStoodInForUntilDrawn() {
  BoardPictures pictures;
  pictures.setCardSize(CardSize::ofWidth(40));
  QVERIFY(pictures.drawnForSize());

  const CardSize cards = CardSize::ofWidth(60);
  pictures.setCardSize(cards);
  QVERIFY(!pictures.drawnForSize());
  for (int drawn = 0; drawn < 2; ++drawn) {
    const QSize card(cards.width, cards.height);
    QVERIFY(coversExactly(card, [&](QPainter& p, QPoint at) { pictures.drawCard(p, at, 25); }));
    QVERIFY(coversExactly(QSize(cards.tapestryWidth(), cards.boardHeight()),
                          [&](QPainter& p, QPoint at) { pictures.drawTapestry(p, at); }));
    QCOMPARE(pictures.fetchCardback(1).size(), card);
    QVERIFY(drawnInTime(pictures));
  }
  QVERIFY(!pictures.takeDrawnPictures());  // nothing left to replace
  QImage face(cards.width, cards.height, QImage::Format_RGB32);
  QPainter painter(&face);
  pictures.drawCard(painter, QPoint(0, 0), 25);
  painter.end();
  QVERIFY(sameCard(face, QPoint(0, 0), cards, 25));
  QCOMPARE(pictures.logoPict().size(), assets::drawFamilyMember(assets::Family::Logo, 60).size());
  QCOMPARE(pictures.victoryPict().size(),
           assets::drawFamilyMember(assets::Family::Victory, 60).size());
}

void PictureCacheTest::onlyTheSizeInUseAndTheKeptOthersAreHeld() {
  BoardPictures pictures;
  for (int width = smallestCardWidth; width <= largestCardWidth; width += cardWidthStep) {
    pictures.setCardSize(CardSize::ofWidth(width));
    QVERIFY(drawnInTime(pictures));
    QVERIFY(pictures.cache().sizesHeld() <= 1 + PictureCache::othersKept);
  }
  QCOMPARE(pictures.cache().sizesHeld(), 1 + PictureCache::othersKept);
  // The oldest went first: the nearest to the smallest size is the oldest kept.
  QCOMPARE(pictures.cache().nearest(CardSize::ofWidth(40))->size,
           CardSize::ofWidth(largestCardWidth - PictureCache::othersKept * cardWidthStep));
  // A step back to the size just left needs nothing drawn.
  pictures.setCardSize(CardSize::ofWidth(largestCardWidth - cardWidthStep));
  QVERIFY(pictures.drawnForSize());
}

// A live resize passes through sizes whose drawing ends after the window
// has settled on one already drawn: what was drawn for them is let go, and
// the size in use stays.
void PictureCacheTest::sizeInUseOutlivesSizesDrawnAfterIt() {
  BoardPictures pictures;
  pictures.setCardSize(CardSize::ofWidth(40));
  pictures.setCardSize(CardSize::ofWidth(45));
  QVERIFY(drawnInTime(pictures));

  QSignalSpy ready(&pictures.cache(), &PictureCache::ready);
  for (int width : {50, 55, 60, 65}) pictures.setCardSize(CardSize::ofWidth(width));
  pictures.setCardSize(CardSize::ofWidth(45));
  QVERIFY(pictures.drawnForSize());
  QTest::qWait(500);
  QCOMPARE(ready.count(), 0);

  QVERIFY(pictures.cache().sizesHeld() <= 1 + PictureCache::othersKept);
  for (int width : {50, 55, 60, 65})
    QCOMPARE_NE(pictures.cache().nearest(CardSize::ofWidth(width))->size, CardSize::ofWidth(width));
  QVERIFY(pictures.cache().find(CardSize::ofWidth(45)));
}

// A live resize passes many sizes: while one is drawn, those asked for
// meanwhile are skipped but the last, so only two sizes are ever drawn and
// none but the one in use is kept from them.
void PictureCacheTest::onlyTheLatestSizeAskedForIsDrawn() {
  BoardPictures pictures;
  pictures.setCardSize(CardSize::ofWidth(40));
  QSignalSpy ready(&pictures.cache(), &PictureCache::ready);
  for (int width = 45; width <= largestCardWidth; width += cardWidthStep)
    pictures.setCardSize(CardSize::ofWidth(width));
  QVERIFY(drawnInTime(pictures));
  QTest::qWait(200);  // nothing else arrives
  QCOMPARE(ready.count(), 1);
  QCOMPARE(ready.first().first().value<CardSize>(), CardSize::ofWidth(largestCardWidth));
  QCOMPARE(pictures.cache().sizesHeld(), 1 + PictureCache::othersKept);
  QVERIFY(pictures.cache().find(CardSize::ofWidth(largestCardWidth)));
}

void PictureCacheTest::resizedBoardShowsTheNewSizesOwnCards() {
  testing::Table table({12, 0, 0, 0});
  const CardSize cards = CardSize::ofWidth(60);
  const QSize chrome = table.window->size() - table.board()->size();
  table.window->resize(chrome + QSize(cards.boardWidth(), cards.boardHeight()));
  QTRY_COMPARE(table.cards(), cards);
  QTRY_VERIFY(table.canvas().picturesDrawn());
  const QPoint queen = BoardPainter::placeOrigin(cards, 14, 5);
  QVERIFY(sameCard(table.canvas().offscreenPict(), queen, cards, 12));
  QVERIFY(sameCard(table.canvas().windowSurface(), queen, cards, 12));
}

// The board is drawn as the window takes a size whose pictures are drawn,
// and not again when the resize settles.
void PictureCacheTest::resizeToADrawnSizeDrawsTheBoardOnce() {
  testing::Table table({12, 0, 0, 0});
  const QSize chrome = table.window->size() - table.board()->size();
  const auto resizeTo = [&](CardSize cards) {
    table.window->resize(chrome + QSize(cards.boardWidth(), cards.boardHeight()));
    QTRY_COMPARE(table.cards(), cards);
    QTRY_VERIFY(table.canvas().picturesDrawn());
  };
  resizeTo(CardSize::ofWidth(60));
  resizeTo(CardSize::ofWidth(40));  // the size just left
  // A mark on the board picture stays until the board is drawn again.
  auto* corner =
      reinterpret_cast<QRgb*>(const_cast<uchar*>(table.canvas().offscreenPict().constBits()));
  *corner = qRgb(1, 2, 3);
  QTest::qWait(600);
  QCOMPARE(table.cards(), CardSize::ofWidth(40));
  QCOMPARE(*corner, qRgb(1, 2, 3));
}

// Painting large pictures hands parts of them to Qt's shared pool and
// waits for them: no drawing may hold that pool's only thread meanwhile.
void PictureCacheTest::sizesAreDrawnWithTheSharedPoolOfOneThread() {
  const SharedPoolOfOneThread onlyThread;
  BoardPictures pictures;
  pictures.setCardSize(CardSize::ofWidth(largestCardWidth));
  for (int width : {smallestCardWidth, largestCardWidth - cardWidthStep}) {
    pictures.setCardSize(CardSize::ofWidth(width));
    QVERIFY(drawnInTime(pictures));
  }
  // The first size of another board is drawn at once, while one is drawn
  // off the UI thread.
  pictures.setCardSize(CardSize::ofWidth(smallestCardWidth + cardWidthStep));
  BoardPictures other;
  other.setCardSize(CardSize::ofWidth(largestCardWidth));
  QVERIFY(other.drawnForSize());
  QVERIFY(drawnInTime(pictures));
}

// Boards up to the largest fit the screen: a board the screen cannot hold
// would be closed in on while it is measured.
int main(int argc, char** argv) {
  return testing::runOnScreens<PictureCacheTest>(QByteArray("[") + testing::desktopScreen + "]", argc,
                                             argv);
}
#include "tst_picturecache.moc"
