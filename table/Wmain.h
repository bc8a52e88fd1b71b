#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/MainRoutines.h"
#include "table/BoardPictures.h"
#include "table/InputHold.h"

namespace velmoran {

class BoardView;
class DragSprite;

// The game's main window. Its central widget is exactly the board, drawn
// at the card size that fits the window; the player plays with the mouse
// on it, and the engine draws, pauses and plays sounds through it.
class Wmain : public QMainWindow, public TableInterface {
  Q_OBJECT
 public:
  // What this window needs from the other windows; the shell fills these
  // in. Until it does, the cheat warning answers "Don't Cheat", closing
  // quits, and the rest does nothing.
  struct Hooks {
    std::function<bool(const std::string& reason)> askCheat;  // true for "Cheat"
    std::function<void()> showStatisticsSheet;                // modal
    std::function<void()> closeRequested;
  };

  explicit Wmain(MainRoutines& routines, QWidget* parent = nullptr);
  ~Wmain() override;

  Hooks hooks;

  // The board and its pictures.
  const QImage& offscreenPict() const { return offscreenPict_; }
  const QImage& windowSurface() const { return surface_; }
  CardSize cardSize() const { return pictures_.cardSize(); }
  // False while a new size is shown with another size's pictures stretched.
  bool picturesDrawn() const { return pictures_.drawnForSize(); }
  QImage fetchCardback(int n) const { return pictures_.fetchCardback(n); }
  QWidget* board() const;       // the central widget
  QPoint boardOrigin() const;   // board pixel (0, 0) in the central widget
  QWidget* dragSprite() const;  // the card that follows the pointer

  // For a quit asked for from outside the game: animations end as a held
  // mouse button ends them, sounds stop, and a card being moved goes back.
  void hurryToQuit();

  // Hints for a card, shown until the mouse button is released.
  void showLegalMoves(int card);
  void showSameSuit(int card);
  void showSameRank(int card);

  // TableInterface
  void placeCard(int drawCode, int x, int y) override;
  void setDrawTarget(DrawTarget target) override;
  void updateNow() override;
  void rebuildOffscreen() override;
  void processEvents() override;
  void wait(std::chrono::microseconds duration) override;
  bool mouseButtonDown() override;
  void play(Sound sound) override;
  void playLooping(Sound sound) override;
  void stop(Sound sound) override;
  void waitWhilePlaying(Sound sound) override;
  bool askCheat(const std::string& reason) override;
  bool askYesNo(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void beep() override;
  void showStatisticsSheet() override;
  void setTitle(const std::string& title) override;

  // The drag in progress, in board pixels and places.
  int currentDragX = 0;
  int currentDragY = 0;
  bool dragging = false;
  int gridDragStartX = 0;
  int gridDragStartY = 0;
  bool maximizeClicked = false;  // the zoom's resize is not yet handled
  bool maximizedState = false;   // the window is in its zoomed state

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // What the button that is down at the moment started.
  enum class Gesture { None, Drag, Hint, Deal };
  struct Mark {
    int x, y, markCode;
  };

  void setupGraphics();
  void updateSizes();
  void boardResized();
  void picturesReady();
  void settleSize();
  void zoom();
  void declareSizeLimits();
  QSize chromeSize() const;
  void setBoardSize(QSize size);
  void showBoard();

  void boardPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void boardMoved(QPoint pixel);
  void boardReleased(QPoint pixel, Qt::MouseButton button);
  bool onBoard(QPoint pixel) const;
  void pickUp(QPoint pixel, int card);
  void moveSprite(QPoint pixel);
  void followHeldMoves();
  void drop();
  void beginGesture(Gesture gesture);
  void endGesture();
  void beginHint(const std::vector<Mark>& marks);
  QWidget* messageParent();
  void endHint();
  std::vector<Mark> sameCards(const std::function<bool(int code)>& matches) const;

  MainRoutines& routines_;
  BoardPictures pictures_;
  BoardView* board_;
  DragSprite* CVdragger;
  QImage offscreenPict_;
  QImage surface_;  // what the window shows
  QImage PXdrag;
  DrawTarget target_ = DrawTarget::Offscreen;

  Gesture gesture_ = Gesture::None;
  std::optional<BusyScope> gestureBusy_;
  int currentDragCard = 0;
  QPoint lastPointer_;

  bool hurrying_ = false;  // a quit is under way: the button counts as held
  QTimer settleTimer_;  // a resize has ended when the size stays put this long
  std::optional<CardSize> zoomedCards_;  // the board a zoom closes in on
};

}  // namespace velmoran
