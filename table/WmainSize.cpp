// The main window's size: it follows the player's resizing and zooming in
// whole steps of the card size, and the board is drawn at the card size
// that fits.
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
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
// step; once the size stays put the window closes in on the board.
void Wmain::boardResized() {
  if (!InputHold::instance().isBusy()) {
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
// size that fits, centred across the screen, in one step: once the player
// has let go of the window's edge, as the window manager would undo a move
// made while it still resizes. A window manager that honours the declared
// steps leaves nothing to close in on. One that keeps the window maximised
// gets the board centred in black instead.
void Wmain::settleSize() {
  if (InputHold::instance().isBusy() || mouseButtonHeld()) {
    settleTimer_.start();  // an animation is running or an edge is held; resize after it
    return;
  }
  declareSizes();
  if (maximizeClicked) {
    zoom();
    return;
  }
  if (!isMaximized() && !isFullScreen()) {
    const std::optional<Zoom> zoomed = std::exchange(zoomPending_, std::nullopt);
    if (zoomed == Zoom::In)
      setBoardSize(boardSize(largestCardsOnScreen()), Top::WithinRoom);
    else if (zoomed == Zoom::Out)
      setBoardSize(boardSize(smallestCards), Top::WithinRoom);
    else
      setBoardSize(boardSize(cardSizeForWindow(board_->width(), board_->height())));
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
// smallest board; either way the window then leaves the maximised state and
// closes in on that board, once the window manager has restored it and its
// frame is the usual one again.
void Wmain::zoom() {
  maximizeClicked = false;
  maximizedState = !maximizedState;
  zoomPending_ = maximizedState ? Zoom::In : Zoom::Out;
  showNormal();
  settleTimer_.start();
}

// The largest board whose window, frame and menu bar included, fits the
// main screen's room for windows (beside any panels).
CardSize Wmain::largestCardsOnScreen() const {
  const QScreen* shownOn = QGuiApplication::primaryScreen();
  if (shownOn == nullptr) return largestCards;
  const QSize room =
      shownOn->availableGeometry().size() - (frameGeometry().size() - geometry().size()) - chromeSize();
  return cardSizeForWindow(room.width(), room.height());
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

// The window takes the board's size and is centred across the screen in
// one request, so the window manager shows a single step. A zoomed window
// is also kept within the screen's room for windows from top to bottom.
void Wmain::setBoardSize(QSize size, Top top) {
  const QSize client = size + chromeSize();
  const QSize frame = client + frameGeometry().size() - geometry().size();
  QPoint topLeft = geometry().topLeft();
  if (const QScreen* shownOn = QGuiApplication::primaryScreen()) {
    topLeft.rx() += (shownOn->geometry().width() - frame.width()) / 2 - frameGeometry().x();
    if (top == Top::WithinRoom) {
      const QRect room = shownOn->availableGeometry();
      const int frameTop =
          std::max(room.top(), std::min(frameGeometry().y(), room.bottom() + 1 - frame.height()));
      topLeft.ry() += frameTop - frameGeometry().y();
    }
  }
  if (geometry() != QRect(topLeft, client)) {
    setGeometry(QRect(topLeft, client));
    x11::keepStepProportions(*this, boardStep);  // declared again with the new geometry
  }
  board_->resize(size);
}

void Wmain::showEvent(QShowEvent* event) {
  declareSizes();
  QMainWindow::showEvent(event);
  x11::keepStepProportions(*this, boardStep);  // after the declaration that goes with showing
}

void Wmain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(event);
  if (isMaximized() && !(change->oldState() & Qt::WindowMaximized)) {
    maximizeClicked = true;
    settleTimer_.start();  // the resize that comes with it is handled then
  }
}

}  // namespace velmoran
