// Playing with the mouse on a real window: pick up, drag, drop, deal.
#include <QTest>
#include <QTimer>

#include "tests/table/TableFixture.h"

using namespace velmoran;
using testing::Table;

class MousePlayTest : public QObject {
  Q_OBJECT
 private slots:
  void pressAndReleaseOnAHandCardPutsItBackSilently();
  void legalDragLandsTheCard();
  void refusedDropReturnsTheCardAndDeals();
  void dropOnAnInactiveColumnReturnsTheCard();
  void orphansCanBePickedUpAndOtherPressesFlash();
  void dimmedOrphanStaysDimmedAfterAFlashOrAHint();
  void pressesDoNothingAfterAWin();
  void pressesOutsideTheBoardDoNothing();
  void releaseWithoutAPickUpDoesNothing();
  void pressOnAnEmptyHandSlotDealsOnRelease();
  void spriteFollowsThePointerInsideTheBoard();
  void theBoardIsNotRedrawnWhileACardMoves();
  void aFastDragKeepsItsMoves();
  void aReleaseOffTheBoardDropsWhereTheSpriteIs();
};

void MousePlayTest::pressAndReleaseOnAHandCardPutsItBackSilently() {
  Table table;
  const QImage before = table.canvas().offscreenPict().copy();
  table.press(table.centreOf(14, 5));
  QVERIFY(table.window->dragSprite()->isVisible());
  table.release(table.centreOf(14, 5));
  QVERIFY(!table.window->dragSprite()->isVisible());
  QCOMPARE(table.at(14, 5), 12);
  QCOMPARE(table.recorder->played, std::vector<Sound>{Sound::SNDflick});  // the pick-up only
  QCOMPARE(table.game.moveNumber, 0);
  QVERIFY(!table.game.gUndoOk);
  QCOMPARE(table.canvas().offscreenPict(), before);
}

void MousePlayTest::legalDragLandsTheCard() {
  Table table;
  table.drag(table.centreOf(14, 5), table.centreOf(7, 5));
  QCOMPARE(table.at(7, 5), 12);
  QCOMPARE(table.at(14, 5), cardBackCode);  // the empty hand was dealt face down
  QVERIFY(table.game.gUndoOk);
  QCOMPARE(table.game.moveNumber, 1);
  QCOMPARE(table.count(Sound::SNDslap), 1);
  QCOMPARE(table.count(Sound::SNDfuzz), 0);
  QVERIFY(!table.window->dragSprite()->isVisible());
}

// Nothing in the hand fits, so the refused drop ends with the automatic deal.
void MousePlayTest::refusedDropReturnsTheCardAndDeals() {
  Table table({15, 0, 0, 0});  // the two of the second suit: no place for it
  table.drag(table.centreOf(14, 5), table.centreOf(7, 5));
  QCOMPARE(table.at(7, 5), 0);
  QCOMPARE(table.at(14, 5), 15);
  QCOMPARE(table.count(Sound::SNDfuzz), 1);
  QCOMPARE(table.count(Sound::SNDslap), 0);
  QCOMPARE(table.game.moveNumber, 0);
  QCOMPARE(table.at(15, 5), cardBackCode);
  QCOMPARE(table.at(17, 5), cardBackCode);
}

void MousePlayTest::dropOnAnInactiveColumnReturnsTheCard() {
  Table table;
  table.game.grid = 2;  // 10 x 9: columns 1 and 12 are out of play
  table.game.setActiveGrid();
  table.game.gPlayingGrid[6][5] = 0;
  table.game.gPlayingGrid[2][5] = 13;
  table.window->rebuildOffscreen();
  const QImage before = table.canvas().offscreenPict().copy();
  table.drag(table.centreOf(14, 5), table.centreOf(1, 5));
  QCOMPARE(table.at(1, 5), 0);
  QCOMPARE(table.at(14, 5), 12);
  QCOMPARE(table.recorder->played, std::vector<Sound>{Sound::SNDflick});
  QCOMPARE(table.canvas().offscreenPict(), before);
}

void MousePlayTest::orphansCanBePickedUpAndOtherPressesFlash() {
  Table table;
  table.game.gPlayingGrid[9][2] = 1;  // an ace touching nothing
  table.game.checkForOrphans();
  QVERIFY(!table.game.gNoOrphans);
  table.window->rebuildOffscreen();

  table.press(table.centreOf(9, 2));
  QVERIFY(table.window->dragSprite()->isVisible());
  table.moveTo(table.centreOf(8, 8));
  table.release(table.centreOf(8, 8));  // touching nothing: refused
  QCOMPARE(table.at(9, 2), 1);
  QCOMPARE(table.count(Sound::SNDfuzz), 1);

  table.recorder->played.clear();
  table.press(table.centreOf(3, 3));  // an empty grid place
  QVERIFY(!table.window->dragSprite()->isVisible());
  QCOMPARE(table.count(Sound::SNDblipblip), 1);
  table.release(table.centreOf(3, 3));
  QCOMPARE(table.at(9, 2), 1);
  QCOMPARE(table.at(14, 5), 12);
}

// The flash and the hints draw on the window only; once they are over the
// window shows the board again, an orphan with nowhere to go still dimmed.
void MousePlayTest::dimmedOrphanStaysDimmedAfterAFlashOrAHint() {
  Table table;
  table.game.gPlayingGrid[9][2] = 35;  // nothing on the grid matches it
  table.game.checkForOrphans();
  table.window->rebuildOffscreen();
  const QImage board = table.canvas().offscreenPict().copy();

  table.press(table.centreOf(3, 3));  // flashes the orphan
  table.release(table.centreOf(3, 3));
  QCOMPARE(table.count(Sound::SNDblipblip), 1);
  QCOMPARE(table.canvas().windowSurface(), board);

  for (Qt::KeyboardModifiers modifiers : {Qt::AltModifier, Qt::MetaModifier}) {
    table.press(table.centreOf(9, 2), modifiers);
    table.release(table.centreOf(9, 2));
    QCOMPARE(table.canvas().windowSurface(), board);
  }
}

void MousePlayTest::pressesDoNothingAfterAWin() {
  Table table;
  table.game.gVictory = true;
  table.window->rebuildOffscreen();
  const QImage before = table.canvas().offscreenPict().copy();
  table.press(table.centreOf(14, 5));
  QVERIFY(!table.window->dragSprite()->isVisible());
  table.moveTo(table.centreOf(7, 5));
  table.release(table.centreOf(7, 5));
  QCOMPARE(table.at(14, 5), 12);
  QVERIFY(table.recorder->played.empty());
  QCOMPARE(table.canvas().offscreenPict(), before);
}

// The board's last pixel line maps to a row past the board, and the widget
// may be larger than the board: neither reads past the board or flashes.
void MousePlayTest::pressesOutsideTheBoardDoNothing() {
  Table table;
  table.game.gPlayingGrid[9][2] = 1;
  table.game.checkForOrphans();
  const CardSize cards = table.cards();
  const QPoint origin = table.window->boardOrigin();
  for (const QPoint& pixel :
       {QPoint(100, cards.boardHeight() - 1), QPoint(cards.boardWidth() - 1, 100), QPoint(-5, 100),
        QPoint(cards.boardWidth() + 20, 100), QPoint(100, cards.boardHeight() + 3)}) {
    table.press(origin + pixel);
    table.release(origin + pixel);
  }
  QVERIFY(table.recorder->played.empty());
  QVERIFY(!table.window->dragSprite()->isVisible());
}

// Only a release that ends this window's own pick-up drops anything.
void MousePlayTest::releaseWithoutAPickUpDoesNothing() {
  Table table;
  const QImage before = table.canvas().offscreenPict().copy();
  table.release(table.centreOf(7, 5));
  table.press(table.centreOf(3, 3));  // means nothing without orphans
  table.release(table.centreOf(7, 5));
  QCOMPARE(table.at(14, 5), 12);
  QCOMPARE(table.at(7, 5), 0);
  QVERIFY(table.recorder->played.empty());
  QCOMPARE(table.canvas().offscreenPict(), before);
}

void MousePlayTest::pressOnAnEmptyHandSlotDealsOnRelease() {
  Table table({15, 0, 0, 0});
  table.game.gCheatWarning = false;
  table.game.gShuffle = false;
  const int deckBefore = table.game.gDeckPtr;
  table.press(table.centreOf(16, 5));
  QCOMPARE(table.game.gDeckPtr, deckBefore);  // nothing until the button is up
  QCOMPARE(table.at(16, 5), 0);
  table.release(table.centreOf(16, 5));
  QCOMPARE(table.game.gDeckPtr, deckBefore + 3);
  QCOMPARE(table.at(15, 5), table.game.gDeck[deckBefore]);
  QCOMPARE(table.at(17, 5), table.game.gDeck[deckBefore + 2]);
}

void MousePlayTest::spriteFollowsThePointerInsideTheBoard() {
  Table table;
  const CardSize cards = table.cards();
  table.press(table.centreOf(14, 5));
  QWidget* sprite = table.window->dragSprite();
  QCOMPARE(sprite->size(), QSize(cards.width, cards.height));
  table.moveTo(QPoint(300, 200));
  QCOMPARE(sprite->pos(), QPoint(300 - cards.width / 2, 200 - cards.height / 2));
  QVERIFY(sprite->isVisible());
  table.moveTo(QPoint(-50, cards.boardHeight() + 40));  // off the board's corner
  QCOMPARE(sprite->pos(), QPoint(0, cards.boardHeight() - cards.height));
  table.release(QPoint(-50, cards.boardHeight() + 40));  // dropped at (1, 9): refused
  QCOMPARE(table.at(14, 5), 12);
  QCOMPARE(table.at(1, 9), 0);
  QCOMPARE(table.count(Sound::SNDfuzz), 1);
}

// Until the drop the board picture shows the picked card's place empty,
// whoever asks for the board to be drawn again.
void MousePlayTest::theBoardIsNotRedrawnWhileACardMoves() {
  Table table;
  table.press(table.centreOf(14, 5));
  table.moveTo(table.centreOf(10, 5));
  const QImage carried = table.canvas().offscreenPict().copy();
  table.recorder->rebuildOffscreen();
  table.window->rebuildOffscreen();
  QCOMPARE(table.canvas().offscreenPict(), carried);
  table.release(table.centreOf(10, 5));  // touches nothing: back to the hand
  QVERIFY(table.canvas().offscreenPict() != carried);
  QCOMPARE(table.canvas().windowSurface(), table.canvas().offscreenPict());
}

// The pick-up waits for its flick to sound; a player who is quicker than
// that still plays the card where the pointer went, whether the release
// comes during the wait or after it.
void MousePlayTest::aFastDragKeepsItsMoves() {
  for (const bool releaseInTheWait : {false, true}) {
    Table table;
    table.recorder->flickLength = std::chrono::milliseconds(150);
    const QPoint target = table.centreOf(7, 5);
    QTimer::singleShot(20, [&] {
      table.moveTo(table.centreOf(10, 5));
      table.moveTo(target);
    });
    if (releaseInTheWait) QTimer::singleShot(40, [&] { table.release(target); });
    table.press(table.centreOf(14, 5));
    if (!releaseInTheWait) {
      const CardSize cards = table.cards();
      QCOMPARE(table.window->dragSprite()->pos(),
               target - QPoint(cards.width / 2, cards.height / 2));
      QVERIFY(table.window->dragSprite()->isVisible());
      table.release(target);
    }
    QCOMPARE(table.at(7, 5), 12);
    QCOMPARE(table.count(Sound::SNDslap), 1);
    QVERIFY(!table.window->dragSprite()->isVisible());
  }
}

// The sprite stays on the board, so its centre always names a place: a
// release with the pointer beyond the window's edge drops there.
void MousePlayTest::aReleaseOffTheBoardDropsWhereTheSpriteIs() {
  Table table;
  const QPoint target = table.centreOf(7, 5);
  table.press(table.centreOf(14, 5));
  table.moveTo(target);
  table.release(QPoint(-30, target.y()));
  QCOMPARE(table.at(7, 5), 12);
  QCOMPARE(table.count(Sound::SNDslap), 1);
}

QTEST_MAIN(MousePlayTest)
#include "tst_mouseplay.moc"
