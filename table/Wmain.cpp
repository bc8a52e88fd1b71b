// The main window: its size follows the player's resizing and zooming, and
// the board is drawn at the card size that fits. Mouse play is in
// WmainMouse.cpp.
#include "table/Wmain.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QShowEvent>
#include <QWindowStateChangeEvent>

#include "table/BoardView.h"

namespace velmoran {

namespace {

constexpr CardSize smallestCards = CardSize::ofWidth(smallestCardWidth);
constexpr CardSize largestCards = CardSize::ofWidth(largestCardWidth);
// A live resize counts as ended once the size has stayed put this long.
constexpr std::chrono::milliseconds resizeSettles{250};

QSize boardSize(CardSize cards) { return {cards.boardWidth(), cards.boardHeight()}; }

// How long each step of a resize holds the UI thread: scripts/measure-resize
// switches it on.
Q_LOGGING_CATEGORY(resizeLog, "velmoran.resize", QtWarningMsg)

}  // namespace

Wmain::Wmain(MainRoutines& routines, QWidget* parent)
    : QMainWindow(parent),
      routines_(routines),
      canvas_(routines),
      board_(new BoardView(this)),
      CVdragger(new DragSprite(board_)) {
  InputHold::instance();  // input is held from the first animation on
  setCentralWidget(board_);
  // The board takes all the room the window has; it is black beyond the
  // board picture.
  board_->setMinimumSize(boardSize(smallestCards));
  canvas_.setView(board_);
  setBoardSize(boardSize(smallestCards));
  setAttribute(Qt::WA_QuitOnClose, false);  // closing is closeRequested's

  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(resizeSettles);
  connect(&settleTimer_, &QTimer::timeout, this, &Wmain::settleSize);
  connect(board_, &BoardView::pressed, this, &Wmain::boardPressed);
  connect(board_, &BoardView::moved, this, &Wmain::boardMoved);
  connect(board_, &BoardView::released, this, &Wmain::boardReleased);
  connect(board_, &BoardView::resized, this, &Wmain::boardResized);
  connect(&canvas_.pictures().cache(), &PictureCache::ready, this, &Wmain::picturesReady);
  setupGraphics();
}

Wmain::~Wmain() = default;

QWidget* Wmain::board() const { return board_; }
QPoint Wmain::boardOrigin() const { return board_->boardOrigin(); }
QWidget* Wmain::dragSprite() const { return CVdragger; }

// ---- Size -------------------------------------------------------------------

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
    QElapsedTimer held;
    held.start();
    const CardSize before = canvas_.cardSize();
    updateSizes();
    // With the same cards the board picture is as it was: the window only
    // shows it again at its new size.
    if (canvas_.cardSize() != before)
      rebuildOffscreen();
    else
      updateNow();
    qCDebug(resizeLog, "resized to %dx%d: cards %d, %s, %.1f ms", board_->width(),
            board_->height(), canvas_.cardSize().width,
            canvas_.picturesDrawn() ? "drawn" : "stand-in", held.nsecsElapsed() / 1e6);
  }
  settleTimer_.start();
}

// The pictures of a new size were drawn on another thread: the board
// shows them in place of the stand-in.
void Wmain::picturesReady() {
  QElapsedTimer held;
  held.start();
  if (!canvas_.pictures().takeDrawnPictures() || InputHold::instance().isBusy()) return;
  rebuildOffscreen();
  qCDebug(resizeLog, "cards %d drawn and shown, %.1f ms", canvas_.cardSize().width,
          held.nsecsElapsed() / 1e6);
}

// Every resize ends with the window closed in on the board of the card
// size that fits, centred across the screen, in one step. A window manager
// that keeps the window maximised gets the board centred in black instead.
void Wmain::settleSize() {
  if (InputHold::instance().isBusy()) {
    settleTimer_.start();  // an animation is running; resize after it
    return;
  }
  declareSizeLimits();
  if (maximizeClicked) {
    zoom();
    return;
  }
  if (!isMaximized() && !isFullScreen()) {
    const CardSize cards = zoomedCards_.value_or(cardSizeForWindow(board_->width(), board_->height()));
    zoomedCards_.reset();
    setBoardSize(boardSize(cards));
  }
  updateSizes();
  rebuildOffscreen();
}

// The window manager's maximise stands for the zoom button. The first zoom
// takes the cards that fit the room it was given, the next returns to the
// smallest board; either way the window then leaves the maximised state and
// closes in on that board, once the window manager has restored it.
void Wmain::zoom() {
  maximizeClicked = false;
  maximizedState = !maximizedState;
  zoomedCards_ = maximizedState ? cardSizeForWindow(board_->width(), board_->height()) : smallestCards;
  showNormal();
  settleTimer_.start();
}

// The largest board is the largest window; the window manager is told so
// that a maximise stops there.
void Wmain::declareSizeLimits() { setMaximumSize(boardSize(largestCards) + chromeSize()); }

// The menu bar above the board.
QSize Wmain::chromeSize() const {
  const QWidget* menu = menuWidget();
  return {0, menu != nullptr && !menu->isHidden() ? menu->sizeHint().height() : 0};
}

// The window takes the board's size and is centred across the screen in
// one request, so the window manager shows a single step.
void Wmain::setBoardSize(QSize size) {
  const QSize client = size + chromeSize();
  const QSize frame = client + frameGeometry().size() - geometry().size();
  int left = geometry().x();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    left += (screen->geometry().width() - frame.width()) / 2 - frameGeometry().x();
  if (geometry() != QRect(QPoint(left, geometry().y()), client))
    setGeometry(QRect(QPoint(left, geometry().y()), client));
  board_->resize(size);
}

void Wmain::showEvent(QShowEvent* event) {
  declareSizeLimits();
  QMainWindow::showEvent(event);
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

void Wmain::hurryToQuit() {
  InputHold::instance().holdButtonDown();
  for (int s = 0; s < soundCount; ++s) routines_.table().stop(static_cast<Sound>(s));
  if (gesture_ == Gesture::Hint) endHint();
  if (gesture_ == Gesture::Drag) {
    setDragging(false);
    CVdragger->hide();
    rebuildOffscreen();  // the card never left its place on the board
  }
  endGesture();
}

void Wmain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closeRequested();
}

}  // namespace velmoran
