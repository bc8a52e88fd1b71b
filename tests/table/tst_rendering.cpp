// The board picture, sampled pixel by pixel.
#include <QTest>

#include "tests/table/TableFixture.h"
#include "assets/Assets.h"

using namespace velmoran;
using testing::Table;

namespace {

QRgb pixelAt(const QImage& image, QPoint p) { return image.pixel(p) & 0xffffff; }
QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xffffff; }

// The middle of a place's top edge: the three-pixel frame with its lighter
// middle line, then the inside.
struct TopEdge {
  QRgb outer, middle, inside;
};

TopEdge topEdge(const Table& table, int x, int y) {
  const CardSize cards = table.cards();
  const QPoint origin = BoardPainter::placeOrigin(cards, x, y) + QPoint(cards.width / 2, 0);
  const QImage& board = table.canvas().offscreenPict();
  return {pixelAt(board, origin), pixelAt(board, origin + QPoint(0, 1)),
          pixelAt(board, origin + QPoint(0, cards.height / 2))};
}

QPoint placeCentre(const Table& table, int x, int y) {
  const CardSize cards = table.cards();
  return BoardPainter::placeOrigin(cards, x, y) + QPoint(cards.width / 2, cards.height / 2);
}

// A card's picture without its rounded corners, which let the place show.
QImage interior(const QImage& image, QRect card) {
  return image.copy(card.adjusted(4, 4, -4, -4)).convertToFormat(QImage::Format_RGB32);
}

double brightness(const QImage& image, QRect area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
  return sum / (area.width() * area.height());
}

}  // namespace

class RenderingTest : public QObject {
  Q_OBJECT
 private slots:
  void framesOfEmptyPlaces();
  void inactivePlacesOfTheSmallestGrid();
  void gapLinesAreBlackAndTheTapestryShowsBesideTheHand();
  void cardsAreTheCellsOfTheFaceSheet();
  void unplayableHandCardsAndOrphansAreDimmed();
  void everyOrphanIsDimmedHoweverMany();
  void faceDownCardsShowTheChosenBack();
  void cardBackNumbersOutsideTheListShowTheFirstCell();
  void victoryBannerIsCentredOnTheGrid();
  void windowShowsTheBoardPicture();
  void bookRemovalShowsEveryStep();
};

void RenderingTest::framesOfEmptyPlaces() {
  Table table;
  const TopEdge grid = topEdge(table, 1, 1);
  QCOMPARE(grid.outer, rgb(50, 0, 0));
  QCOMPARE(grid.middle, rgb(127, 0, 0));
  QCOMPARE(grid.inside, rgb(0, 0, 0));
  const TopEdge hand = topEdge(table, 15, 5);
  QCOMPARE(hand.outer, rgb(50, 50, 0));
  QCOMPARE(hand.middle, rgb(127, 127, 0));
  const TopEdge books = topEdge(table, 17, 9);
  QCOMPARE(books.outer, rgb(50, 50, 0));
  QCOMPARE(books.middle, rgb(127, 127, 0));
}

void RenderingTest::inactivePlacesOfTheSmallestGrid() {
  Table table;
  table.game.grid = 4;
  table.game.setActiveGrid();
  table.window->rebuildOffscreen();
  const QImage& board = table.canvas().offscreenPict();
  for (const QPoint& place : {QPoint(1, 5), QPoint(12, 5), QPoint(5, 1), QPoint(5, 9)})
    QCOMPARE(pixelAt(board, placeCentre(table, place.x(), place.y())), rgb(100, 0, 0));
  QCOMPARE(topEdge(table, 2, 2).outer, rgb(50, 0, 0));
  QCOMPARE(topEdge(table, 11, 8).middle, rgb(127, 0, 0));
  QCOMPARE(topEdge(table, 14, 9).middle, rgb(127, 127, 0));  // books row 9 is always a place
}

void RenderingTest::gapLinesAreBlackAndTheTapestryShowsBesideTheHand() {
  Table table;
  const CardSize cards = table.cards();
  const QImage& board = table.canvas().offscreenPict();
  const int lineBeforeColumn2 = cards.width + 1;
  const int lineBeforeRow2 = cards.height + 1;
  QCOMPARE(pixelAt(board, QPoint(lineBeforeColumn2, 20)), rgb(0, 0, 0));
  QCOMPARE(pixelAt(board, QPoint(lineBeforeColumn2 - 1, 20)), rgb(50, 0, 0));  // frame of (1, 1)
  QCOMPARE(pixelAt(board, QPoint(20, lineBeforeRow2)), rgb(0, 0, 0));
  QCOMPARE(pixelAt(board, QPoint(20, lineBeforeRow2 + 1)), rgb(50, 0, 0));  // frame of (1, 2)
  // The tapestry, not a frame, behind row 6 of the panel and the gap column.
  const QImage tapestry = table.canvas().offscreenPict().copy(
      QRect(cards.tapestryLeft(), 0, cards.tapestryWidth(), cards.boardHeight()));
  const QPoint row6 = placeCentre(table, 15, 6);
  QVERIFY(pixelAt(board, row6) != rgb(0, 0, 0));
  QCOMPARE(board.pixel(row6), tapestry.pixel(row6 - QPoint(cards.tapestryLeft(), 0)));
}

void RenderingTest::cardsAreTheCellsOfTheFaceSheet() {
  Table table;
  const CardSize cards = table.cards();
  const QRect place(BoardPainter::placeOrigin(cards, 6, 5), QSize(cards.width, cards.height));
  QCOMPARE(interior(table.canvas().offscreenPict(), place),
           interior(assets::drawFamilyMember(assets::Family::Deck, cards.width),
                    QRect(12 * cards.width, 0, cards.width, cards.height)));
}

// A dimmed card shows a little over half its brightness.
void RenderingTest::unplayableHandCardsAndOrphansAreDimmed() {
  Table table({15, 12, 0, 0});         // 15 has no place; 12 goes beside its king
  table.game.gPlayingGrid[9][2] = 30;  // an orphan that matches nothing
  table.game.checkForOrphans();
  const CardSize cards = table.cards();
  auto cardArea = [&](int x, int y) {
    return QRect(BoardPainter::placeOrigin(cards, x, y), QSize(cards.width, cards.height));
  };
  table.game.gDimUnplayables = false;
  table.window->rebuildOffscreen();
  const QImage plain = table.canvas().offscreenPict().copy();
  table.game.gDimUnplayables = true;
  table.window->rebuildOffscreen();
  const QImage& dimmed = table.canvas().offscreenPict();

  for (const QPoint& place : {QPoint(14, 5), QPoint(9, 2)}) {
    const double ratio = brightness(dimmed, cardArea(place.x(), place.y())) /
                         brightness(plain, cardArea(place.x(), place.y()));
    QVERIFY2(ratio > 0.50 && ratio < 0.56, qPrintable(QString::number(ratio)));
  }
  QCOMPARE(dimmed.copy(cardArea(15, 5)), plain.copy(cardArea(15, 5)));  // playable
  QCOMPARE(dimmed.copy(cardArea(6, 5)), plain.copy(cardArea(6, 5)));    // placed, not an orphan

  // Exactly the face at 1 - 120/255 of its strength over black, corners too.
  const QImage sheet = assets::drawFamilyMember(assets::Family::Deck, cards.width);
  QImage expected(cards.width, cards.height, QImage::Format_RGB32);
  expected.fill(Qt::black);
  QPainter painter(&expected);
  painter.setOpacity(1.0 - 120.0 / 255.0);
  painter.drawImage(0, 0, sheet, (15 - 14) * cards.width, cards.height, cards.width, cards.height);
  painter.end();
  QCOMPARE(dimmed.copy(cardArea(14, 5)).convertToFormat(QImage::Format_RGB32), expected);
}

// A checkerboard of two cards that match neither each other nor the king:
// every empty place touches both, so none of the 50 orphans can move.
void RenderingTest::everyOrphanIsDimmedHoweverMany() {
  Table table;
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 9; ++y)
      if ((x + y) % 2 == 0) table.game.gPlayingGrid[x][y] = x % 2 == 1 ? 14 : 28;
  table.game.checkForOrphans();
  table.game.gDimUnplayables = false;
  table.window->rebuildOffscreen();
  const QImage plain = table.canvas().offscreenPict().copy();
  table.game.gDimUnplayables = true;
  table.window->rebuildOffscreen();
  int orphans = 0;
  int dimmed = 0;
  for (int x = 1; x <= 12; ++x)
    for (int y = 1; y <= 9; ++y)
      if (table.game.isOrphan(x, y)) {
        ++orphans;
        const QRect card(BoardPainter::placeOrigin(table.cards(), x, y),
                         QSize(table.cards().width, table.cards().height));
        dimmed += brightness(table.canvas().offscreenPict(), card) < 0.6 * brightness(plain, card);
      }
  QCOMPARE(orphans, 50);
  QCOMPARE(dimmed, 50);
}

// A first run without preferences shows the factory back, the last cell
// of the backs sheet.
void RenderingTest::faceDownCardsShowTheChosenBack() {
  Table table({cardBackCode, 0, 0, 0});
  const CardSize cards = table.cards();
  const QImage sheet = assets::drawFamilyMember(assets::Family::Backs, cards.width);
  const QRect slot(BoardPainter::placeOrigin(cards, 14, 5), QSize(cards.width, cards.height));
  auto cell = [&](int column, int row) {
    return interior(sheet,
                    QRect(column * cards.width, row * cards.height, cards.width, cards.height));
  };
  QCOMPARE(interior(table.canvas().offscreenPict(), slot), cell(7, 3));

  table.game.gCardBackNumber = 5;  // "Cobblestone", column 5 row 0
  table.window->rebuildOffscreen();
  QCOMPARE(interior(table.canvas().offscreenPict(), slot), cell(5, 0));

  // With card movement off a face-down card looks like an empty slot.
  table.game.gShuffle = false;
  table.window->rebuildOffscreen();
  QCOMPARE(topEdge(table, 14, 5).middle, rgb(127, 127, 0));
}

void RenderingTest::cardBackNumbersOutsideTheListShowTheFirstCell() {
  Table table;
  const QImage first = table.canvas().pictures().fetchCardback(13);
  QCOMPARE(table.canvas().pictures().fetchCardback(0), first);
  QCOMPARE(table.canvas().pictures().fetchCardback(33), first);
  QVERIFY(table.canvas().pictures().fetchCardback(1) != first);
  QCOMPARE(table.canvas().pictures().fetchCardback(1).size(), QSize(40, 56));
}

void RenderingTest::victoryBannerIsCentredOnTheGrid() {
  for (int grid : {1, 4}) {
    Table table;
    table.game.grid = grid;
    table.game.setActiveGrid();
    table.game.gVictory = true;
    table.window->rebuildOffscreen();
    const CardSize cards = table.cards();
    const QImage banner = assets::drawFamilyMember(assets::Family::Victory, cards.width)
                              .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!banner.isNull());
    const QPoint at(12 * (cards.width + 1) / 2 - banner.width() / 2,
                    9 * (cards.height + 1) / 2 - banner.height() / 2);
    const QImage shown = table.canvas().offscreenPict()
                             .copy(QRect(at, banner.size()))
                             .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(banner.width() / 2, banner.height() / 2),
             banner.pixel(banner.width() / 2, banner.height() / 2));
    QCOMPARE(shown.pixel(2, 2), banner.pixel(2, 2));
  }
}

void RenderingTest::windowShowsTheBoardPicture() {
  Table table;
  QCOMPARE(table.canvas().windowSurface(), table.canvas().offscreenPict());
  const QImage onScreen = table.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(onScreen.size(), table.canvas().offscreenPict().size());
  QCOMPARE(onScreen, table.canvas().offscreenPict().convertToFormat(QImage::Format_RGB32));

  // An animation draws over the window only; what is drawn into the board
  // picture meanwhile shows on the window too.
  const CardSize cards = table.cards();
  auto place = [&](int x, int y) {
    return QRect(BoardPainter::placeOrigin(cards, x, y), QSize(cards.width, cards.height));
  };
  table.canvas().setDrawTarget(DrawTarget::Window);
  table.canvas().placeCard(cardBackCode, 3, 3);
  table.canvas().setDrawTarget(DrawTarget::Offscreen);
  table.canvas().placeCard(5, 2, 2);
  const QImage& surface = table.canvas().windowSurface();
  const QImage& board = table.canvas().offscreenPict();
  QCOMPARE(surface.copy(place(2, 2)), board.copy(place(2, 2)));
  QVERIFY(surface.copy(place(3, 3)) != board.copy(place(3, 3)));
  QCOMPARE(interior(board, place(2, 2)),
           interior(assets::drawFamilyMember(assets::Family::Deck, cards.width),
                    QRect(4 * cards.width, 0, cards.width, cards.height)));
}

// The cards of a book leave one by one: each draw of the animation is on
// the screen before the pause that follows it.
void RenderingTest::bookRemovalShowsEveryStep() {
  Table table({40, 0, 0, 0});  // the fourth ace; the king of its first suit at (6, 5)
  table.game.gPlayingGrid[7][5] = 1;
  table.game.gPlayingGrid[8][5] = 14;
  table.game.gPlayingGrid[8][4] = 27;
  table.window->rebuildOffscreen();
  table.drag(table.centreOf(14, 5), table.centreOf(7, 4));
  QCOMPARE(table.game.gNumBooks, 1);
  QCOMPARE(table.at(7, 4), 0);
  QCOMPARE(table.at(14, 7), 1);
  QCOMPARE(table.recorder->pausesBeforeShown, 0);
}

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
