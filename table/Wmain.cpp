// The main window: its size, its pictures and the services the engine
// draws, waits and asks through. Mouse play is in WmainMouse.cpp.
#include "table/Wmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QScreen>
#include <QShowEvent>
#include <QWindowStateChangeEvent>

#include "dialogs/TakesKeyboard.h"
#include "shell/assets/SoundBank.h"
#include "table/BoardPainter.h"
#include "table/BoardView.h"
#include "table/Waiting.h"

namespace velmoran {

namespace {

constexpr QImage::Format boardFormat = QImage::Format_ARGB32_Premultiplied;
const CardSize smallestCards{smallestCardWidth, cardHeightFor(smallestCardWidth)};
const CardSize largestCards{largestCardWidth, cardHeightFor(largestCardWidth)};
// A live resize counts as ended once the size has stayed put this long.
constexpr std::chrono::milliseconds resizeSettles{250};
// A sound is waited for no longer than its length and this much more.
constexpr std::chrono::milliseconds soundGrace{1000};

QSize boardSize(CardSize cards) { return {cards.boardWidth(), cards.boardHeight()}; }

// How long each step of a resize holds the UI thread: scripts/measure-resize
// switches it on.
Q_LOGGING_CATEGORY(resizeLog, "velmoran.resize", QtWarningMsg)

}  // namespace

Wmain::Wmain(MainRoutines& routines, QWidget* parent)
    : QMainWindow(parent),
      routines_(routines),
      board_(new BoardView(this)),
      CVdragger(new DragSprite(board_)) {
  InputHold::instance();  // input is held from the first animation on
  setCentralWidget(board_);
  // The board takes all the room the window has; it is black beyond the
  // board picture.
  board_->setMinimumSize(boardSize(smallestCards));
  board_->setSurface(&surface_);
  setBoardSize(boardSize(smallestCards));
  setAttribute(Qt::WA_QuitOnClose, false);  // closing goes through hooks.closeRequested

  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(resizeSettles);
  connect(&settleTimer_, &QTimer::timeout, this, &Wmain::settleSize);
  connect(board_, &BoardView::pressed, this, &Wmain::boardPressed);
  connect(board_, &BoardView::moved, this, &Wmain::boardMoved);
  connect(board_, &BoardView::released, this, &Wmain::boardReleased);
  connect(board_, &BoardView::resized, this, &Wmain::boardResized);
  connect(&pictures_.cache(), &PictureCache::ready, this, &Wmain::picturesReady);
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
  pictures_.setCardSize(cards);
  routines_.setCardSize(cards.width, cards.height);
  surface_ = QImage();
  offscreenPict_ = QImage(cards.boardWidth(), cards.boardHeight(), boardFormat);
  offscreenPict_.fill(Qt::black);
  surface_ = offscreenPict_;
  PXdrag = QImage(cards.width, cards.height, boardFormat);
  target_ = DrawTarget::Offscreen;
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
    updateSizes();
    rebuildOffscreen();
    qCDebug(resizeLog, "resized to %dx%d: cards %d, %s, %.1f ms", board_->width(),
            board_->height(), cardSize().width,
            pictures_.drawnForSize() ? "drawn" : "stand-in", held.nsecsElapsed() / 1e6);
  }
  settleTimer_.start();
}

// The pictures of a new size were drawn on another thread: the board
// shows them in place of the stand-in.
void Wmain::picturesReady() {
  QElapsedTimer held;
  held.start();
  if (!pictures_.takeDrawnPictures() || InputHold::instance().isBusy()) return;
  rebuildOffscreen();
  qCDebug(resizeLog, "cards %d drawn and shown, %.1f ms", cardSize().width,
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
  hurrying_ = true;
  for (int s = 0; s < soundCount; ++s) stop(static_cast<Sound>(s));
  if (gesture_ == Gesture::Hint) endHint();
  if (gesture_ == Gesture::Drag) {
    dragging = false;
    CVdragger->hide();
    rebuildOffscreen();  // the card never left its place on the board
  }
  endGesture();
}

void Wmain::closeEvent(QCloseEvent* event) {
  event->accept();
  if (hooks.closeRequested)
    hooks.closeRequested();
  else
    QCoreApplication::quit();
}

// ---- Drawing ------------------------------------------------------------------

// Drawing on the window lasts until the board is shown again. Drawing into
// the board picture shows on the window too at its next repaint, as the
// window shows the board picture wherever no animation has drawn over it.
void Wmain::placeCard(int drawCode, int x, int y) {
  auto drawOn = [&](QImage& picture) {
    QPainter painter(&picture);
    BoardPainter(painter, pictures_, routines_).placeCard(drawCode, x, y);
  };
  const CardSize cards = cardSize();
  const QRect place(boardOrigin() + BoardPainter::placeOrigin(cards, x, y),
                    QSize(cards.width, cards.height));
  if (target_ == DrawTarget::Window) {
    drawOn(surface_);
    // An animation pauses after its draws: each must be seen before that.
    board_->repaint(place);
    return;
  }
  const bool showingBoard = surface_.constBits() == offscreenPict_.constBits();
  if (showingBoard) surface_ = QImage();  // draw the shared picture once, in place
  drawOn(offscreenPict_);
  if (showingBoard)
    surface_ = offscreenPict_;
  else
    drawOn(surface_);
  // Shown at the next turn of the event loop, such as the wait for a sound:
  // a card put back after a refused drop is seen in its place at once.
  board_->update(place);
}

void Wmain::setDrawTarget(DrawTarget target) { target_ = target; }

void Wmain::updateNow() { board_->repaint(); }

void Wmain::rebuildOffscreen() {
  if (dragging) return;  // the board picture stays as it was while a card moves
  target_ = DrawTarget::Offscreen;
  surface_ = QImage();  // so the board picture is drawn in place, not copied first
  {
    QPainter painter(&offscreenPict_);
    BoardPainter(painter, pictures_, routines_).drawBoard();
  }
  showBoard();
}

// The window shows the board picture as it is now.
void Wmain::showBoard() {
  surface_ = offscreenPict_;
  updateNow();
}

// ---- Time, the mouse button and sounds ---------------------------------------

void Wmain::processEvents() {
  const BusyScope busy;
  QCoreApplication::processEvents();
}

void Wmain::wait(std::chrono::microseconds duration) { waitFor(duration); }

bool Wmain::mouseButtonDown() { return hurrying_ || InputHold::instance().mouseButtonDown(); }

void Wmain::play(Sound sound) { assets::SoundBank::instance().play(sound); }

void Wmain::playLooping(Sound sound) { assets::SoundBank::instance().playLooping(sound); }

void Wmain::stop(Sound sound) { assets::SoundBank::instance().stop(sound); }

void Wmain::waitWhilePlaying(Sound sound) {
  const assets::SoundBank& sounds = assets::SoundBank::instance();
  waitWhile([&] { return sounds.isPlaying(sound); }, sounds.duration(sound) + soundGrace);
}

// ---- The player and the other windows -----------------------------------------

bool Wmain::askCheat(const std::string& reason) {
  const SuspendScope answerable;
  return hooks.askCheat ? hooks.askCheat(reason) : false;
}

// Messages stand over the main window, or in the middle of the screen
// while it is not shown yet.
QWidget* Wmain::messageParent() { return isVisible() ? this : nullptr; }

bool Wmain::askYesNo(const std::string& text) {
  const SuspendScope answerable;
  return velmoran::askYesNo(messageParent(), QString::fromStdString(text));
}

void Wmain::showMessage(const std::string& text) {
  const SuspendScope answerable;
  velmoran::showMessage(messageParent(), QString::fromStdString(text));
}

void Wmain::beep() { QApplication::beep(); }

void Wmain::showStatisticsSheet() {
  const SuspendScope answerable;
  if (hooks.showStatisticsSheet) hooks.showStatisticsSheet();
}

void Wmain::setTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

}  // namespace velmoran
