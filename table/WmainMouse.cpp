// Playing with the mouse: a press picks up a hand card (or an orphan),
// deals, or shows a hint; the picked card follows the pointer; the release
// drops it where the card's centre is.
#include <QGuiApplication>
#include <QPainter>

#include "table/BoardView.h"
#include "table/Wmain.h"

namespace velmoran {

bool Wmain::onBoard(QPoint pixel) const {
  const CardSize cards = canvas_.cardSize();
  return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < cards.boardWidth() &&
         pixel.y() < cards.boardHeight();
}

void Wmain::beginGesture(Gesture gesture) {
  gesture_ = gesture;
  gestureBusy_.emplace(board_);  // the board keeps its own mouse events
}

void Wmain::endGesture() {
  gesture_ = Gesture::None;
  gestureBusy_.reset();
}

void Wmain::boardPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button != Qt::LeftButton || gesture_ != Gesture::None) return;
  setDragging(false);
  // The board's last pixel row and column belong to no place.
  if (!onBoard(pixel)) return;
  const int x = routines_.whereInGridX(pixel.x());
  const int y = routines_.whereInGridY(pixel.y());
  if (x >= boardColumns || y >= boardRows) return;
  gridDragStartX = x;
  gridDragStartY = y;

  PressOutcome outcome;
  {
    const BusyScope busy;  // the press may flash the orphans
    outcome = routines_.press(x, y);
  }
  if (outcome == PressOutcome::Ignored) {
    // A flash of the orphans, or the cheat warning's answer, may have left
    // the window showing orphans in their plain look; the board picture
    // still has them as they should look, dimmed or not.
    canvas_.showBoard();
  } else if (outcome == PressOutcome::DealOnRelease) {
    beginGesture(Gesture::Deal);
  } else if (outcome == PressOutcome::PickUp) {
    const int card = routines_.gPlayingGrid[x][y];
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier))
      showLegalMoves(card);
    else if (modifiers & Qt::AltModifier)
      showSameSuit(card);
    else if (modifiers & Qt::MetaModifier)
      showSameRank(card);
    else
      pickUp(pixel, card);
  }
}

void Wmain::pickUp(QPoint pixel, int card) {
  const CardSize cards = canvas_.cardSize();
  const BoardPictures& pictures = canvas_.pictures();
  currentDragX = static_cast<int>(pixel.x() - cards.width / 2.0);
  currentDragY = static_cast<int>(pixel.y() - cards.height / 2.0);
  currentDragCard = card;
  lastPointer_ = pixel;
  {
    QPainter painter(&PXdrag);
    pictures.drawCard(painter, QPoint(0, 0), card);
  }
  CVdragger->setPicture(PXdrag);
  CVdragger->setGeometry(
      QRect(boardOrigin() + QPoint(currentDragX, currentDragY), QSize(cards.width, cards.height)));
  // The board array keeps the card where it was until the drop; only the
  // picture shows its place empty.
  canvas_.setDrawTarget(DrawTarget::Offscreen);
  canvas_.placeCard(emptyCode, gridDragStartX, gridDragStartY);
  canvas_.showBoard();
  CVdragger->show();
  CVdragger->raise();
  CVdragger->repaint();
  beginGesture(Gesture::Drag);

  if (routines_.gSound) {
    routines_.table().play(Sound::SNDflick);
    routines_.table().waitWhilePlaying(Sound::SNDflick);
    followHeldMoves();
  }
}

// Moves and a release while the flick sounded were held back. The sprite
// goes where the pointer went meanwhile, and a release drops it there.
void Wmain::followHeldMoves() {
  if (gesture_ != Gesture::Drag) return;
  const QPoint pointer = board_->mapFromGlobal(InputHold::instance().lastPointer()) - boardOrigin();
  if (pointer != lastPointer_) boardMoved(pointer);
  if (!routines_.table().mouseButtonDown()) boardReleased(pointer, Qt::LeftButton);
}

void Wmain::boardMoved(QPoint pixel) {
  if (gesture_ != Gesture::Drag) return;
  lastPointer_ = pixel;
  moveSprite(pixel);
}

// The sprite follows the pointer but never leaves the board.
void Wmain::moveSprite(QPoint pixel) {
  const CardSize cards = canvas_.cardSize();
  currentDragX = static_cast<int>(pixel.x() - cards.width / 2.0);
  currentDragY = static_cast<int>(pixel.y() - cards.height / 2.0);
  currentDragX = std::min(std::max(currentDragX, 0), cards.boardWidth() - cards.width);
  currentDragY = std::min(std::max(currentDragY, 0), cards.boardHeight() - cards.height);
  CVdragger->move(boardOrigin() + QPoint(currentDragX, currentDragY));
  setDragging(true);
}

// The board picture stays as it was while a card moves.
void Wmain::setDragging(bool moving) {
  dragging = moving;
  canvas_.holdBoard(moving);
}

void Wmain::boardReleased(QPoint /*where: the sprite decides*/, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  switch (gesture_) {
    case Gesture::None:
      return;  // this window started nothing that this release could end
    case Gesture::Hint:
      endHint();
      endGesture();
      return;
    case Gesture::Deal: {
      const BusyScope busy;
      endGesture();
      routines_.deal();
      return;
    }
    case Gesture::Drag:
      drop();
      return;
  }
}

// The card lands where the sprite's centre is, wherever the pointer was
// let go: the sprite never leaves the board.
void Wmain::drop() {
  const BusyScope busy;
  endGesture();
  setDragging(false);
  CVdragger->hide();
  const CardSize cards = canvas_.cardSize();
  const int x = routines_.whereInGridX(static_cast<int>(currentDragX + cards.width / 2.0));
  const int y = routines_.whereInGridY(static_cast<int>(currentDragY + cards.height / 2.0));
  routines_.dropCard(currentDragCard, gridDragStartX, gridDragStartY, x, y);
}

// ---- Hints ------------------------------------------------------------------------

void Wmain::showLegalMoves(int card) {
  std::vector<Mark> marks;
  for (int y = routines_.gridMinY; y <= routines_.gridMaxY; ++y)
    for (int x = routines_.gridMinX; x <= routines_.gridMaxX; ++x)
      if (routines_.legalMove(card, x, y)) marks.push_back({x, y, highlightCode});
  beginHint(marks);
}

void Wmain::showSameSuit(int card) {
  beginHint(sameCards([card](int code) { return code != emptyCode && suit(code) == suit(card); }));
}

// An empty place has rank 0, which no card has.
void Wmain::showSameRank(int card) {
  beginHint(sameCards([card](int code) { return rank(code) == rank(card); }));
}

std::vector<Wmain::Mark> Wmain::sameCards(const std::function<bool(int code)>& matches) const {
  std::vector<Mark> marks;
  for (int y = routines_.gridMinY; y <= routines_.gridMaxY; ++y) {
    for (int x = routines_.gridMinX; x <= routines_.gridMaxX; ++x) {
      const int code = routines_.gPlayingGrid[x][y];
      if (matches(code)) marks.push_back({x, y, code + dimmedOffset});
    }
  }
  return marks;
}

// A hint is drawn on the window only, never into the board picture, and
// stays while the button is down.
void Wmain::beginHint(const std::vector<Mark>& marks) {
  canvas_.setDrawTarget(DrawTarget::Window);
  for (const Mark& mark : marks) canvas_.placeCard(mark.markCode, mark.x, mark.y);
  canvas_.updateNow();
  if (routines_.gSound) routines_.table().playLooping(Sound::SNDhumloop);
  beginGesture(Gesture::Hint);
}

// The board picture was never touched, so showing it again takes the marks
// away and keeps a dimmed card dimmed.
void Wmain::endHint() {
  routines_.table().stop(Sound::SNDhumloop);
  canvas_.setDrawTarget(DrawTarget::Offscreen);
  canvas_.showBoard();
}

}  // namespace velmoran
