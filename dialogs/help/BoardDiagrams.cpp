// Help diagrams of the board: small sample positions drawn by the game's
// own board drawing at the smallest card size, and cut out of the board
// picture.
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/WindowDiagrams.h"
#include "engine/Codes.h"
#include "engine/MainRoutines.h"
#include "engine/NullTable.h"
#include "table/BoardCanvas.h"
#include "table/BoardPictures.h"

namespace velmoran {

namespace {

// Suits 0..3 as the face sheet orders them.
constexpr int card(int suit, int rank) { return suit * 13 + rank; }

struct Placed {
  int x, y, code;
};

// A sample position on a board of its own, at the smallest card size.
class SampleBoard {
 public:
  SampleBoard() {
    routines_.setAllDefaults();
    routines_.gDimUnplayables = false;
    routines_.gDeckPtr = 21;
    routines_.gGameCounts = true;
    canvas_.setCardSize(CardSize::ofWidth(smallestCardWidth));
  }

  MainRoutines& routines() { return routines_; }

  void lay(const std::vector<Placed>& cards) {
    for (const Placed& p : cards) routines_.gPlayingGrid[p.x][p.y] = p.code;
    routines_.checkForOrphans();
    canvas_.rebuildOffscreen();
  }

  // The legal-place frame on every place where card may go, inside a part.
  void frameLegalPlaces(int card, QRect places) {
    canvas_.setDrawTarget(DrawTarget::Offscreen);
    for (int x = places.left(); x <= places.right(); ++x) {
      for (int y = places.top(); y <= places.bottom(); ++y) {
        if (routines_.legalMove(card, x, y)) canvas_.placeCard(highlightCode, x, y);
      }
    }
  }

  // Board places fromX..toX by fromY..toY, with the lines around them.
  QImage cut(QRect places) const {
    return canvas_.offscreenPict().copy(pixels(places).adjusted(-1, -1, 1, 1));
  }

  // Where a place lies in a picture cut from the board at `from`.
  QRect placeIn(QRect from, int x, int y) const {
    return pixels(QRect(x, y, 1, 1)).translated(-pixels(from).topLeft() + QPoint(1, 1));
  }

 private:
  QRect pixels(QRect places) const {
    const CardSize cards = canvas_.cardSize();
    return {QPoint(cards.placeLeft(places.left()), cards.placeTop(places.top())),
            QPoint(cards.placeLeft(places.right()) + cards.width - 1,
                   cards.placeTop(places.bottom()) + cards.height - 1)};
  }

  NullTable silent_;
  SystemRandom random_{1};
  MainRoutines routines_{silent_, random_};
  BoardCanvas canvas_{routines_};
};

QRect places(int fromX, int fromY, int toX, int toY) {
  return QRect(QPoint(fromX, fromY), QPoint(toX, toY));
}

const QColor markColour(255, 210, 0);
constexpr int captionHeight = 18;

QFont captionFont() {
  QFont font;
  font.setPixelSize(12);
  font.setBold(true);
  return font;
}

void arrow(QPainter& painter, QPointF from, QPointF to) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(markColour, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  const QLineF back = QLineF(to, from);
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(QLineF::fromPolar(11, back.angle() + 28).translated(to).p2());
  head.lineTo(QLineF::fromPolar(11, back.angle() - 28).translated(to).p2());
  head.closeSubpath();
  painter.fillPath(head, markColour);
}

void ring(QPainter& painter, QRect place) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(markColour, 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(place).adjusted(-6, -6, 6, 6));
}

// Pictures side by side, each with its caption above it.
struct Piece {
  QImage picture;
  QString caption;
};

// Each piece takes a column as wide as its picture or its caption, whichever
// is wider, with the picture centred in it.
QImage sideBySide(const std::vector<Piece>& pieces, int gap) {
  const QFontMetrics metrics(captionFont());
  std::vector<int> columns;
  int width = 0, height = 0;
  for (const Piece& piece : pieces) {
    columns.push_back(std::max(piece.picture.width(), metrics.horizontalAdvance(piece.caption)));
    width += columns.back() + (width > 0 ? gap : 0);
    height = std::max(height, piece.picture.height());
  }
  QImage result(width, height + captionHeight, QImage::Format_ARGB32_Premultiplied);
  result.fill(Qt::transparent);
  QPainter painter(&result);
  painter.setFont(captionFont());
  int left = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    painter.drawText(QRect(left, 0, columns[i], captionHeight), Qt::AlignCenter, pieces[i].caption);
    painter.drawImage(left + (columns[i] - pieces[i].picture.width()) / 2, captionHeight,
                      pieces[i].picture);
    left += columns[i] + gap;
  }
  return result;
}

QImage arrowPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  arrow(painter, {4.0, height / 2.0}, {width - 4.0, height / 2.0});
  return picture;
}

}  // namespace

QImage booksDiagram() {
  SampleBoard board;
  board.lay({
      {2, 2, card(0, 9)},
      {3, 2, card(0, 5)},
      {4, 2, card(1, 5)},
      {3, 3, card(2, 5)},
      {4, 3, card(3, 5)},
      {5, 3, card(3, 8)},
      {6, 3, card(3, 13)},
      {3, 4, card(2, 11)},
      {14, 7, 1},
      {15, 7, 2},
      {16, 7, 3},
      {17, 7, 4},  // books out so far
  });
  const QRect grid = places(2, 2, 6, 4);
  QImage square = board.cut(grid);
  {
    QPainter painter(&square);
    painter.setPen(QPen(markColour, 3));
    painter.drawRect(
        board.placeIn(grid, 3, 2).united(board.placeIn(grid, 4, 3)).adjusted(-1, -1, 1, 1));
  }
  const QImage books = board.cut(places(14, 7, 17, 8));
  return fitDiagram(sideBySide(
      {{square, "A book of fives"}, {arrowPicture(40, square.height()), ""}, {books, "Books area"}},
      8));
}

QImage handDiagram() {
  SampleBoard board;
  board.lay({
      {10, 5, card(1, 8)},
      {11, 5, card(1, 13)},
      {12, 5, card(1, 12)},
      {12, 6, card(0, 12)},
      {14, 5, card(1, 9)},
      {15, 5, card(0, 7)},
      {16, 5, card(2, 8)},
      {17, 5, card(3, 3)},
  });
  const QRect part = places(10, 4, 17, 6);
  board.frameLegalPlaces(card(1, 9), places(10, 4, 10, 4));
  QImage picture = board.cut(part);
  {
    QPainter painter(&picture);
    arrow(painter, board.placeIn(part, 14, 5).center(), board.placeIn(part, 10, 4).center());
  }
  return fitDiagram(sideBySide({{picture, "Drag a card from your hand to the grid"}}, 0));
}

QImage legalPlacesDiagram() {
  SampleBoard board;
  const int pressed = card(2, 6);
  board.lay({
      {3, 3, card(2, 13)},
      {4, 3, card(2, 4)},
      {5, 3, card(0, 4)},
      {5, 4, card(0, 6)},
      {6, 4, card(3, 6)},
      {3, 4, card(1, 13)},
      {6, 3, card(3, 4)},
      {14, 5, pressed},
      {15, 5, card(1, 2)},
      {16, 5, card(3, 11)},
      {17, 5, card(0, 1)},
  });
  const QRect grid = places(2, 2, 7, 5);
  board.frameLegalPlaces(pressed, grid);
  const QRect hand = places(14, 5, 17, 5);
  QImage handPicture = board.cut(hand);
  {
    QPainter painter(&handPicture);
    ring(painter, board.placeIn(hand, 14, 5).adjusted(4, 4, -4, -4));
  }
  return fitDiagram(
      sideBySide({{board.cut(grid), "Legal places framed"}, {handPicture, "Shift + press"}}, 16));
}

QImage orphanDiagram() {
  SampleBoard board;
  // A book of sevens has just left the middle of this group.
  board.lay({
      {2, 3, card(0, 11)},
      {3, 3, card(0, 3)},
      {3, 4, card(3, 3)},
      {6, 3, card(1, 13)},
      {6, 4, card(1, 2)},
      {4, 5, card(2, 9)},
      {4, 2, card(3, 12)},
      {5, 2, card(3, 13)},
  });
  const QRect part = places(2, 2, 7, 5);
  QImage picture = board.cut(part);
  {
    QPainter painter(&picture);
    ring(painter, board.placeIn(part, 4, 5));
  }
  return fitDiagram(sideBySide({{picture, "The nine is an orphan"}}, 0));
}

QImage conflictDiagram() {
  SampleBoard board;
  const int lastTwo = card(3, 2);
  board.lay({
      {2, 3, card(0, 9)},
      {3, 3, card(0, 2)},
      {4, 3, card(1, 2)},
      {3, 4, card(2, 2)},
      {3, 5, card(2, 11)},
      {14, 5, lastTwo},
      {15, 5, card(1, 11)},
      {16, 5, card(2, 6)},
      {17, 5, card(0, 12)},
  });
  board.frameLegalPlaces(lastTwo, places(4, 4, 4, 4));
  const QRect grid = places(1, 2, 6, 5);
  QImage gridPicture = board.cut(grid);
  {
    QPainter painter(&gridPicture);
    ring(painter, board.placeIn(grid, 2, 3));
    ring(painter, board.placeIn(grid, 3, 5));
  }
  return fitDiagram(sideBySide(
      {{gridPicture, "Two cards lean on this book"}, {board.cut(places(14, 5, 14, 5)), "Last two"}},
      16));
}

std::function<QImage(int)> sampleCardBack() {
  auto pictures = std::make_shared<BoardPictures>();
  pictures->setCardSize(CardSize::ofWidth(smallestCardWidth));
  return [pictures](int n) { return pictures->fetchCardback(n); };
}

}  // namespace velmoran
