// The main window's size: it follows the player's resizing and zooming in
// whole steps of the card size, and the board is drawn at the card size
// that fits.
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <optional>
#include <utility>

#include "table/BoardView.h"
#include "table/Wmain.h"
#include "table/WmainX11.h"

namespace velmoran {

namespace {

constexpr CardSize smallestCards = CardSize::ofWidth(smallestCardWidth);
constexpr CardSize largestCards = CardSize::ofWidth(largestCardWidth);
// A live resize counts as ended once the size has stayed put this long.
constexpr std::chrono::milliseconds resizeSettles{250};

constexpr QSize boardSize(CardSize cards) { return {cards.boardWidth(), cards.boardHeight()}; }
CardSize cardsFor(QSize room) { return cardSizeForWindow(room.width(), room.height()); }

// Each card size's board is the one before it and one step more; the window
// manager is told the step, so it can only hold evenly spaced sizes.
constexpr QSize boardStep =
    boardSize(CardSize::ofWidth(smallestCardWidth + cardWidthStep)) - boardSize(smallestCards);

constexpr bool boardsGrowByEvenSteps() {
  for (int width = smallestCardWidth; width < largestCardWidth; width += cardWidthStep)
    if (boardSize(CardSize::ofWidth(width + cardWidthStep)) - boardSize(CardSize::ofWidth(width)) !=
        boardStep)
      return false;
  return true;
}
static_assert(boardStep == QSize(90, 63) && boardsGrowByEvenSteps());

// Whether the player holds a mouse button, on the board or on the window's
// frame.
bool mouseButtonHeld() {
  return x11::mouseButtonHeld().value_or(QGuiApplication::mouseButtons() != Qt::NoButton);
}

// The window manager's frame round a window.
QMargins frameAround(const QWidget& window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

void Wmain::setUpResizing() {
  // The board takes all the room the window has; it is black beyond the
  // board picture.
  board_->setMinimumSize(boardSize(smallestCards));
  setBoardSize(boardSize(smallestCards));
  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(resizeSettles);
  connect(&settleTimer_, &QTimer::timeout, this, &Wmain::settleSize);
  connect(board_, &BoardView::resized, this, &Wmain::boardResized);
  connect(&canvas_.pictures().cache(), &PictureCache::ready, this, &Wmain::picturesReady);
}

void Wmain::setupGraphics() {
  updateSizes();
  rebuildOffscreen();
}

// The card size follows the room the window gives the board. Every size
// change starts from a blank board picture, drawn by the rebuild that
// follows.
void Wmain::updateSizes() {
  const CardSize cards = cardSizeForWindow(board_->width(), board_->height());
  canvas_.setCardSize(cards);
  routines_.setCardSize(cards.width, cards.height);
  PXdrag = QImage(cards.width, cards.height, QImage::Format_ARGB32_Premultiplied);
  // A window the system keeps maximised is larger than any board; the board
  // sits in its middle, black all round.
  const QSize spare = board_->size() - boardSize(cards);
  const bool centred = isMaximized() || isFullScreen();
  board_->setBoardOrigin(
      centred ? QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2)) : QPoint());
}

// While the player drags the window's edge the board follows at every
// step; once the size stays put the window closes in on the board. On its
// way to a zoomed board the window may pass through the size it had before
// the zoom: that size is not drawn.
void Wmain::boardResized() {
  if (!InputHold::instance().isBusy() && (!zoomedBoard_ || board_->size() == *zoomedBoard_)) {
    const CardSize before = canvas_.cardSize();
    updateSizes();
    // With the same cards the board picture is as it was: the window only
    // shows it again at its new size.
    if (canvas_.cardSize() != before)
      rebuildOffscreen();
    else
      updateNow();
  }
  settleTimer_.start();
}

// The pictures of a new size were drawn on another thread: the board
// shows them in place of the stand-in.
void Wmain::picturesReady() {
  if (canvas_.pictures().takeDrawnPictures() && !InputHold::instance().isBusy())
    rebuildOffscreen();
}

// Every resize ends with the window closed in on the board of the card
// size that fits, in one step: once the player has let go of the window's
// edge, as the window manager would undo a move made while it still
// resizes. The board is no larger than the window's screen holds, and the
// window, frame included, is moved onto the screen's room for windows,
// centred across it; a window manager may let an edge be dragged past the
// screen, or grow the height with the width beyond it. A window manager
// that honours the declared steps leaves nothing else to close in on. One
// that keeps the window maximised gets the board centred in black instead.
void Wmain::settleSize() {
  if (InputHold::instance().isBusy() || mouseButtonHeld()) {
    settleTimer_.start();  // an animation is running or an edge is held; resize after it
    return;
  }
  declareSizes();
  if (!isMaximized() && !isFullScreen()) frame_ = frameAround(*this);
  if (maximizeClicked) {
    zoom();
    return;
  }
  if (!isMaximized() && !isFullScreen()) {
    const QSize asked = std::exchange(zoomedBoard_, std::nullopt).value_or(board_->size());
    setBoardSize(boardSize(cardsFor(asked.boundedTo(roomForBoard()))));
  }
  updateSizes();
  // The board was drawn as the size changed, unless an animation held it off.
  if (canvas_.boardUpToDate())
    updateNow();
  else
    rebuildOffscreen();
}

// The window manager's maximise stands for the zoom button. The first zoom
// takes the largest board that fits the screen, the next returns to the
// smallest board; either way the window leaves the maximised state and goes
// straight to that board, without showing its old size again. The board is
// asked for once more when the resize settles, in case the window manager
// restored the old size after the request.
void Wmain::zoom() {
  maximizeClicked = false;
  maximizedState = !maximizedState;
  zoomedBoard_ = maximizedState ? boardSize(cardsFor(roomForBoard())) : boardSize(smallestCards);
  showNormal();
  setBoardSize(*zoomedBoard_);
  settleTimer_.start();
}

// The room a board has on the window's screen: the screen's room for
// windows (beside any panels) less the window's frame and menu bar.
QSize Wmain::roomForBoard() const {
  return screen()->availableGeometry().size() - framedSize(QSize(0, 0));
}

// The window's size on the screen for a board of the given size: with its
// menu bar and the frame it has when not maximised (a maximised window's
// frame may be narrower).
QSize Wmain::framedSize(QSize board) const {
  return board + chromeSize() +
         QSize(frame_.left() + frame_.right(), frame_.top() + frame_.bottom());
}

// Declared to the window manager as a terminal declares its character
// cells: the smallest board as the base, one card size as the step, and
// the largest board as the limit, each with the menu bar above it; and
// widths and heights kept in step with each other. A window manager that
// honours them offers only board sizes while an edge is dragged, and a
// maximise stops at the largest board.
void Wmain::declareSizes() {
  const QSize base = boardSize(smallestCards) + chromeSize();
  setBaseSize(base);
  setSizeIncrement(boardStep);
  setMinimumSize(base);
  setMaximumSize(boardSize(largestCards) + chromeSize());
  x11::keepStepProportions(*this, boardStep);
}

// The menu bar above the board.
QSize Wmain::chromeSize() const {
  const QWidget* menu = menuWidget();
  return {0, menu != nullptr && !menu->isHidden() ? menu->sizeHint().height() : 0};
}

// The window takes the board's size and is centred across its screen's
// room for windows in one request, so the window manager shows a single
// step. Its top stays where it was unless the window would then reach
// past the room's bottom.
void Wmain::setBoardSize(QSize size) {
  const QSize framed = framedSize(size);
  const QRect room = screen()->availableGeometry();
  const QPoint frameTopLeft(
      room.left() + (room.width() - framed.width()) / 2,
      std::max(room.top(), std::min(frameGeometry().y(), room.bottom() + 1 - framed.height())));
  const QRect client(frameTopLeft + QPoint(frame_.left(), frame_.top()), size + chromeSize());
  if (geometry() != client) {
    setGeometry(client);
    x11::keepStepProportions(*this, boardStep);  // declared again with the new geometry
  }
  board_->resize(size);
}

// A window taken to another screen, or whose screen changes its size or
// its panels, fits itself to the room it now has.
void Wmain::followScreen(QScreen* shownOn) {
  disconnect(screenRoom_);
  if (shownOn != nullptr)
    screenRoom_ = connect(shownOn, &QScreen::availableGeometryChanged, this,
                          [this] { settleTimer_.start(); });
  settleTimer_.start();
}

void Wmain::showEvent(QShowEvent* event) {
  declareSizes();
  QMainWindow::showEvent(event);
  x11::keepStepProportions(*this, boardStep);  // after the declaration that goes with showing
  if (!screenRoom_) followScreen(screen());
  connect(windowHandle(), &QWindow::screenChanged, this, &Wmain::followScreen,
          Qt::UniqueConnection);
}

void Wmain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  // A maximise reported while the window is still on its way to a zoom's
  // board is the system catching up with the click before, not a new one.
  if (isMaximized() && !(change->oldState() & Qt::WindowMaximized) && !zoomedBoard_) {
    maximizeClicked = true;
    QTimer::singleShot(0, this, &Wmain::settleSize);  // the zoom waits for no size to settle
  }
}

}  // namespace velmoran
