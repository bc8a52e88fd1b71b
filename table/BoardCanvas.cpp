#include "table/BoardCanvas.h"

#include <QThreadPool>
#include <algorithm>

#include "table/BoardPainter.h"
#include "table/BoardView.h"
#include "table/LargeImage.h"
#include "table/PagesFilledAtOnce.h"

namespace velmoran {

namespace {

constexpr QImage::Format boardFormat = QImage::Format_ARGB32_Premultiplied;
constexpr QSize largestBoard(CardSize::ofWidth(largestCardWidth).boardWidth(),
                             CardSize::ofWidth(largestCardWidth).boardHeight());

}  // namespace

BoardCanvas::BoardCanvas(const MainRoutines& game) : game_(game) {}

void BoardCanvas::setView(BoardView* view) {
  view_ = view;
  view_->setSurface(&surface_);
}

// A live resize passes many window sizes with the same cards: the board
// picture is made anew only when the card size changes.
void BoardCanvas::setCardSize(CardSize cards) {
  const QSize board(cards.boardWidth(), cards.boardHeight());
  pictures_.setCardSize(cards);
  if (offscreenPict_.size() != board) {
    surface_ = QImage();
    offscreenPict_ = QImage();
    offscreenPict_ = boardPicture(board);
    offscreenPict_.fill(Qt::black);
    if (view_) fillPagesAhead(cards);
  }
  surface_ = offscreenPict_;
  target_ = DrawTarget::Offscreen;
}

// Fresh memory is slow to fill on some systems: every board is drawn in
// the memory of the largest one the canvas has needed, unless a copy of an
// earlier board still lives there. The window's board sets aside the
// largest board's memory at once; its pages are filled in when needed.
QImage BoardCanvas::boardPicture(QSize board) {
  const int bytesPerLine = board.width() * 4;
  if (!memory_ || memory_.use_count() > 1 ||
      memory_->sizeInBytes() < qsizetype(bytesPerLine) * board.height()) {
    memory_.reset();
    memory_ = std::make_shared<QImage>(largeImage(view_ ? largestBoard : board, boardFormat));
    pagesFilled_ = 0;
  }
  return QImage(
      const_cast<uchar*>(memory_->constBits()), board.width(), board.height(), bytesPerLine,
      boardFormat, [](void* memory) { delete static_cast<std::shared_ptr<QImage>*>(memory); },
      new std::shared_ptr<QImage>(memory_));
}

// The pages the next larger board takes are filled in on another thread,
// so that a window grown by a step finds them ready.
void BoardCanvas::fillPagesAhead(CardSize cards) {
  const CardSize next = CardSize::ofWidth(std::min(cards.width + cardWidthStep, largestCardWidth));
  const qsizetype bytes = qsizetype(next.boardWidth()) * 4 * next.boardHeight();
  if (bytes <= pagesFilled_) return;
  pagesFilled_ = bytes;
  QThreadPool::globalInstance()->start(
      [pages = *memory_, bytes] { fillPagesAtOnce(pages, bytes); });
}

void BoardCanvas::drawOn(QImage& picture, int drawCode, int x, int y) {
  QPainter painter(&picture);
  BoardPainter(painter, pictures_, game_).placeCard(drawCode, x, y);
}

// Drawing on the window lasts until the board is shown again. Drawing into
// the board picture shows on the window too at its next repaint, as the
// window shows the board picture wherever no animation has drawn over it.
void BoardCanvas::placeCard(int drawCode, int x, int y) {
  const CardSize cards = cardSize();
  const QRect place(BoardPainter::placeOrigin(cards, x, y), QSize(cards.width, cards.height));
  if (target_ == DrawTarget::Window) {
    drawOn(surface_, drawCode, x, y);
    // An animation pauses after its draws: each must be seen before that.
    if (view_) view_->repaintBoard(place);
    return;
  }
  const bool showingBoard = surface_.constBits() == offscreenPict_.constBits();
  if (showingBoard) surface_ = QImage();  // draw the shared picture once, in place
  drawOn(offscreenPict_, drawCode, x, y);
  if (showingBoard)
    surface_ = offscreenPict_;
  else
    drawOn(surface_, drawCode, x, y);
  // Shown at the next turn of the event loop, such as the wait for a sound:
  // a card put back after a refused drop is seen in its place at once.
  if (view_) view_->updateBoard(place);
}

void BoardCanvas::updateNow() {
  if (view_) view_->showNow();
}

void BoardCanvas::rebuildOffscreen() {
  if (held_) return;
  target_ = DrawTarget::Offscreen;
  surface_ = QImage();  // so the board picture is drawn in place, not copied first
  {
    QPainter painter(&offscreenPict_);
    BoardPainter(painter, pictures_, game_).drawBoard();
  }
  rebuiltAt_ = cardSize();
  rebuiltWithOwnPictures_ = picturesDrawn();
  showBoard();
}

bool BoardCanvas::boardUpToDate() const {
  return rebuiltAt_ == cardSize() && rebuiltWithOwnPictures_ == picturesDrawn();
}

void BoardCanvas::showBoard() {
  surface_ = offscreenPict_;
  updateNow();
}

}  // namespace velmoran
