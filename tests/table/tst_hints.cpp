// Modifier-key hints: drawn on the window only, gone at the release.
#include <QTest>

#include "tests/table/TableFixture.h"

using namespace velmoran;
using testing::Table;

namespace {

QRgb topEdgeOnWindow(const Table& table, int x, int y) {
  const CardSize cards = table.cards();
  return table.canvas().windowSurface().pixel(BoardPainter::placeOrigin(cards, x, y) +
                                             QPoint(cards.width / 2, 0)) &
         0xffffff;
}

constexpr QRgb legalFrame = 0x646400;  // (100, 100, 0)

}  // namespace

class HintsTest : public QObject {
  Q_OBJECT
 private slots:
  void kingInTheHandFramesEveryEmptyActivePlace();
  void hintChangesNeitherTheBoardNorItsPicture();
  void sameSuitAndSameRankDimOnlyMatchingGridCards();
  void shiftWinsOverAltAndControlActsAsShift();
  void silentWithSoundOff();
};

void HintsTest::kingInTheHandFramesEveryEmptyActivePlace() {
  Table table({26, 0, 0, 0});
  table.game.grid = 4;  // the frames stay inside the 10 x 7 part
  table.game.setActiveGrid();
  table.window->rebuildOffscreen();
  table.press(table.centreOf(14, 5), Qt::ShiftModifier);
  QVERIFY(!table.window->dragSprite()->isVisible());
  int framed = 0;
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 9; ++y) {
      const bool active = table.game.inActiveGrid(x, y) && table.at(x, y) == 0;
      QCOMPARE(topEdgeOnWindow(table, x, y) == legalFrame, active);
      framed += active;
    }
  QCOMPARE(framed, 10 * 7 - 1);
  QCOMPARE(table.recorder->looping, std::vector<Sound>{Sound::SNDhumloop});
  table.release(table.centreOf(14, 5));
  QCOMPARE(table.recorder->stopped, std::vector<Sound>{Sound::SNDhumloop});
  QCOMPARE(table.canvas().windowSurface(), table.canvas().offscreenPict());
}

void HintsTest::hintChangesNeitherTheBoardNorItsPicture() {
  Table table;
  const QImage before = table.canvas().offscreenPict().copy();
  const Board board = table.game.gPlayingGrid;
  table.press(table.centreOf(14, 5), Qt::ShiftModifier);
  QCOMPARE(topEdgeOnWindow(table, 7, 5), legalFrame);  // beside its king
  QCOMPARE(table.canvas().offscreenPict(), before);
  table.moveTo(table.centreOf(7, 5));  // moving does not drag a hinted card
  table.release(table.centreOf(7, 5));
  QCOMPARE(table.canvas().offscreenPict(), before);
  QCOMPARE(table.canvas().windowSurface(), before);
  QVERIFY(table.game.gPlayingGrid == board);
  QVERIFY(!table.game.gUndoOk);
  QVERIFY(!table.window->dragSprite()->isVisible());
  // The next press picks the card up as if no hint had been shown.
  table.drag(table.centreOf(14, 5), table.centreOf(7, 5));
  QCOMPARE(table.at(7, 5), 12);
}

void HintsTest::sameSuitAndSameRankDimOnlyMatchingGridCards() {
  Table table;
  table.game.gPlayingGrid[7][5] = 12;  // queen beside her king
  table.game.gPlayingGrid[8][5] = 25;  // queen of the second suit
  table.window->rebuildOffscreen();
  const QImage plain = table.canvas().offscreenPict().copy();
  const CardSize cards = table.cards();
  auto darker = [&](int x, int y) {
    const QPoint p = BoardPainter::placeOrigin(cards, x, y) + QPoint(cards.width / 2, 4);
    return qGray(table.canvas().windowSurface().pixel(p)) < qGray(plain.pixel(p));
  };
  table.game.gPlayingGrid[14][5] = 1;  // the ace of the first suit in the hand
  table.window->rebuildOffscreen();

  table.press(table.centreOf(14, 5), Qt::AltModifier);
  QVERIFY(darker(6, 5) && darker(7, 5) && !darker(8, 5));
  table.release(table.centreOf(14, 5));

  table.game.gPlayingGrid[14][5] = 38;  // a queen: rank, not suit
  table.window->rebuildOffscreen();
  table.press(table.centreOf(14, 5), Qt::MetaModifier);
  QVERIFY(!darker(6, 5) && darker(7, 5) && darker(8, 5));
  table.release(table.centreOf(14, 5));
  QCOMPARE(table.canvas().windowSurface(), table.canvas().offscreenPict());
}

void HintsTest::shiftWinsOverAltAndControlActsAsShift() {
  for (Qt::KeyboardModifiers modifiers :
       {Qt::ShiftModifier | Qt::AltModifier, Qt::KeyboardModifiers(Qt::ControlModifier)}) {
    Table table;
    table.press(table.centreOf(14, 5), modifiers);
    QCOMPARE(topEdgeOnWindow(table, 7, 5), legalFrame);
    table.release(table.centreOf(14, 5));
  }
}

void HintsTest::silentWithSoundOff() {
  Table table;
  table.game.gSound = false;
  table.press(table.centreOf(14, 5), Qt::ShiftModifier);
  QVERIFY(table.recorder->looping.empty());
  table.release(table.centreOf(14, 5));
  QCOMPARE(table.recorder->stopped, std::vector<Sound>{Sound::SNDhumloop});
}

QTEST_MAIN(HintsTest)
#include "tst_hints.moc"
