// The card size chosen for a window, and the window closing in on the board.
#include <QScreen>
#include <QTest>

#include "tests/table/DesktopScreens.h"
#include "tests/table/TableFixture.h"
#include "table/CardSize.h"

using namespace velmoran;

class CardSizeTest : public QObject {
  Q_OBJECT
 private slots:
  void sizeForWindow_data();
  void sizeForWindow();
  void heightIsAlwaysSevenFifths();
  void windowSnapsToTheBoard();
  void gapLinesBelongToThePlaceAfterThem();
};

void CardSizeTest::sizeForWindow_data() {
  QTest::addColumn<QSize>("window");
  QTest::addColumn<int>("cardWidth");
  QTest::newRow("smallest") << QSize(739, 514) << 40;
  QTest::newRow("just under 45") << QSize(828, 1144) << 40;
  QTest::newRow("45 across") << QSize(829, 1144) << 45;
  QTest::newRow("between steps") << QSize(1000, 1144) << 50;
  QTest::newRow("largest") << QSize(1639, 1144) << 90;
  QTest::newRow("wide but low") << QSize(1639, 600) << 45;
  QTest::newRow("low always 40") << QSize(1639, 514) << 40;
  QTest::newRow("one pixel short of 90") << QSize(1639, 1143) << 85;
  // Larger than the largest board: the largest cards, never a size without
  // pictures.
  QTest::newRow("beyond the largest") << QSize(2500, 1600) << 90;
  QTest::newRow("below the smallest") << QSize(300, 200) << 40;
}

void CardSizeTest::sizeForWindow() {
  QFETCH(QSize, window);
  QFETCH(int, cardWidth);
  const CardSize size = cardSizeForWindow(window.width(), window.height());
  QCOMPARE(size.width, cardWidth);
  QVERIFY(size.boardWidth() <= std::max(window.width(), 739));
  QVERIFY(size.boardHeight() <= std::max(window.height(), 514));
}

void CardSizeTest::heightIsAlwaysSevenFifths() {
  for (int width = 40; width <= 90; width += 5) {
    QCOMPARE(cardHeightFor(width) * 5, width * 7);
    const CardSize size = CardSize::ofWidth(width);
    QCOMPARE(cardSizeForWindow(size.boardWidth(), size.boardHeight()), size);
  }
  QCOMPARE(CardSize({40, 56}).boardWidth(), 739);
  QCOMPARE(CardSize({90, 126}).boardHeight(), 1144);
  QCOMPARE(CardSize({65, 91}).tapestryLeft(), 793);
  QCOMPARE(CardSize({65, 91}).tapestryWidth(), 396);
}

// After a resize settles the window is exactly the board of the size that
// fits, and the engine measures with the same size.
void CardSizeTest::windowSnapsToTheBoard() {
  testing::Table table;
  Wmain& window = *table.window;
  const QSize chrome = window.size() - window.board()->size();
  window.resize(chrome + QSize(1000, 700));
  QTRY_COMPARE(window.board()->size(), QSize(919, 640));
  QCOMPARE(window.canvas().cardSize(), CardSize({50, 70}));
  QCOMPARE(table.game.cardwidth, 50);
  QCOMPARE(table.game.cardheight, 70);
  QCOMPARE(window.canvas().offscreenPict().size(), QSize(919, 640));

  window.resize(chrome + QSize(1639, 1144));
  QTRY_COMPARE(window.canvas().cardSize(), CardSize({90, 126}));
  QTRY_COMPARE(window.board()->size(), QSize(1639, 1144));

  // A resize that ends exactly on a board's size still centres the window.
  window.move(window.x() + 100, window.y());
  window.resize(chrome + QSize(739, 514));
  const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
  QTRY_COMPARE(window.frameGeometry().x(), (screenWidth - window.frameGeometry().width()) / 2);
  QCOMPARE(window.board()->size(), QSize(739, 514));
}

// A place owns the one-pixel line before it. The card is dropped where the
// sprite's centre is, which for odd card sizes is one pixel left of the
// pointer: let go on the line before a place, an odd-sized card tests the
// place to its left.
void CardSizeTest::gapLinesBelongToThePlaceAfterThem() {
  for (int width : {40, 45}) {
    testing::Table table;  // queen of the first suit in the hand, its king at (6, 5)
    const CardSize cards = CardSize::ofWidth(width);
    const QSize chrome = table.window->size() - table.board()->size();
    table.window->resize(chrome + QSize(cards.boardWidth(), cards.boardHeight()));
    QTRY_COMPARE(table.cards(), cards);

    const int lineBeforeSeven = 6 * (width + 1);
    QCOMPARE(table.game.whereInGridX(lineBeforeSeven), 7);
    QCOMPARE(table.game.whereInGridX(lineBeforeSeven - 1), 6);
    const QPoint onLine(lineBeforeSeven, table.centreOf(7, 5).y());
    table.drag(table.centreOf(14, 5), onLine);
    if (width % 2 == 0) {
      QCOMPARE(table.at(7, 5), 12);
    } else {
      QCOMPARE(table.at(7, 5), 0);  // tested (6, 5), the king's place: refused
      QCOMPARE(table.at(14, 5), 12);
      QCOMPARE(table.count(Sound::SNDfuzz), 1);
    }
  }
}

// Boards up to the largest fit the screen.
int main(int argc, char** argv) {
  return testing::runOnScreens<CardSizeTest>(QByteArray("[") + testing::desktopScreen + "]", argc,
                                             argv);
}

#include "tst_cardsize.moc"
