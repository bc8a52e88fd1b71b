#include "table/BoardPainter.h"

#include <utility>
#include <vector>

namespace velmoran {

namespace {

const QColor black(0, 0, 0);
const QColor inactiveFill(100, 0, 0);
// A dimmed card is laid over black at a little over half its strength, so
// about 47 per cent of the black shows through.
constexpr double dimmedStrength = 1.0 - 120.0 / 255.0;

}  // namespace

BoardPainter::BoardPainter(QPainter& painter, BoardPictures& pictures, const MainRoutines& game)
    : painter_(painter), pictures_(pictures), game_(game), size_(pictures.cardSize()) {}

QPoint BoardPainter::placeOrigin(CardSize size, int x, int y) {
  return {size.placeLeft(x), size.placeTop(y)};
}

void BoardPainter::placeCard(int drawCode, int x, int y) {
  if (x == gapColumn) return;
  const QPoint origin = placeOrigin(size_, x, y);
  if (drawCode == cardBackCode) {
    // With card movement off a face-down card is not shown: the hand slot
    // looks empty and a grid place keeps what it showed.
    if (game_.gShuffle)
      placeCardBack(origin);
    else if (x > gapColumn)
      placeEmpty(origin, x, y);
  } else if (drawCode == emptyCode) {
    placeEmpty(origin, x, y);
  } else if (drawCode == highlightCode) {
    pictures_.draw(painter_, origin, pictures_.legalFrame());
  } else if (drawCode > dimmedOffset) {
    drawDimmedFace(drawCode - dimmedOffset, origin);
  } else {
    drawFace(drawCode, origin);
  }
}

void BoardPainter::drawFace(int card, QPoint origin) {
  pictures_.drawCard(painter_, origin, card);
}

void BoardPainter::drawDimmedFace(int card, QPoint origin) {
  painter_.fillRect(QRect(origin, QSize(size_.width, size_.height)), black);
  painter_.setOpacity(dimmedStrength);
  drawFace(card, origin);
  painter_.setOpacity(1.0);
}

void BoardPainter::placeCardBack(QPoint origin) {
  painter_.drawImage(origin, pictures_.cardback(game_.gCardBackNumber));
}

// The inactive border of the smaller grids is one column or row wide on
// each side, so these four tests find all of it.
bool BoardPainter::outsideActiveGrid(int x, int y) const {
  return (y == 1 && game_.gridMinY != 1) || (y == gridAreaRows && game_.gridMaxY != gridAreaRows && x <= gridAreaColumns) ||
         (x == 1 && game_.gridMinX != 1) ||
         (x == gridAreaColumns && game_.gridMaxX != gridAreaColumns);
}

void BoardPainter::placeEmpty(QPoint origin, int x, int y) {
  // Right of the grid only the hand and the books are places; the rest
  // shows the tapestry.
  if (x > gridAreaColumns && y != handRow && y < firstBooksRow) return;
  const QRect place(origin, QSize(size_.width, size_.height));
  if (outsideActiveGrid(x, y)) {
    painter_.fillRect(place, inactiveFill);
    return;
  }
  pictures_.draw(painter_, origin, x < gapColumn ? pictures_.gridPlace() : pictures_.sidePlace());
}

void BoardPainter::drawBoard() {
  // Black for the lines between places; every place and the panel are
  // drawn over it.
  painter_.fillRect(QRect(0, 0, size_.tapestryLeft(), size_.boardHeight()), black);
  pictures_.drawTapestry(painter_, QPoint(size_.tapestryLeft(), 0));
  pictures_.draw(painter_, pictures_.logoPosition(), pictures_.logoPict());
  pictures_.draw(painter_, pictures_.booksPosition(), pictures_.booksPict());
  pictures_.draw(painter_, pictures_.handPosition(), pictures_.handPict());
  for (int x = 1; x < boardColumns; ++x)
    for (int y = 1; y < boardRows; ++y) placeCard(game_.gPlayingGrid[x][y], x, y);
  if (game_.gDimUnplayables) dimUnplayables();
  if (game_.gVictory) pictures_.draw(painter_, pictures_.victoryPosition(), pictures_.victoryPict());
}

// Orphans and hand cards that have no legal place anywhere are dimmed.
// Every orphan is checked, however many there are.
void BoardPainter::dimUnplayables() {
  std::vector<std::pair<int, int>> candidates;
  for (int x = 1; x < boardColumns; ++x)
    for (int y = 1; y < boardRows; ++y)
      if (game_.isOrphan(x, y)) candidates.emplace_back(x, y);
  for (int x = firstHandColumn; x <= lastHandColumn; ++x) candidates.emplace_back(x, handRow);

  for (const auto& [x, y] : candidates) {
    const int code = game_.gPlayingGrid[x][y];
    if (code == emptyCode || code == cardBackCode) continue;
    if (!game_.hasLegalPlace(code)) placeCard(code + dimmedOffset, x, y);
  }
}

}  // namespace velmoran
