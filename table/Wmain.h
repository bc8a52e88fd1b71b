#pragma once

#include <QImage>
#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "engine/MainRoutines.h"
#include "table/BoardCanvas.h"
#include "table/InputHold.h"

namespace velmoran {

class BoardView;
class DragSprite;

// The game's main window. Its central widget is exactly the board, drawn
// by the board canvas at the card size that fits the window; the player
// plays with the mouse on it.
class Wmain : public QMainWindow {
  Q_OBJECT
 public:
  explicit Wmain(MainRoutines& routines, QWidget* parent = nullptr);
  ~Wmain() override;

  BoardCanvas& canvas() { return canvas_; }
  const BoardCanvas& canvas() const { return canvas_; }
  QWidget* board() const;       // the central widget
  QPoint boardOrigin() const;   // board pixel (0, 0) in the central widget
  QWidget* dragSprite() const;  // the card that follows the pointer

  // The board drawn anew and shown; the window itself shown again now.
  void rebuildOffscreen() { canvas_.rebuildOffscreen(); }
  void updateNow() { canvas_.updateNow(); }

  // For a quit that does not wait (a termination signal, or Quit during an
  // animation): animations end as a held mouse button ends them, sounds
  // stop, and a card being moved goes back.
  void hurryToQuit();

  // Hints for a card, shown until the mouse button is released.
  void showLegalMoves(int card);
  void showSameSuit(int card);
  void showSameRank(int card);

 signals:
  // The player closed the window: the application decides what follows.
  void closeRequested();

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

  void setUpResizing();
  void setupGraphics();
  void updateSizes();
  void boardResized();
  void picturesReady();
  void settleSize();
  void zoom();
  QSize roomForBoard() const;
  QSize framedSize(QSize board) const;
  void declareSizes();
  QSize chromeSize() const;
  void setBoardSize(QSize size);
  void followScreen(QScreen* shownOn);

  void boardPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void boardMoved(QPoint pixel);
  void boardReleased(QPoint pixel, Qt::MouseButton button);
  bool onBoard(QPoint pixel) const;
  void pickUp(QPoint pixel, int card);
  void moveSprite(QPoint pixel);
  void followHeldMoves();
  void drop();
  void setDragging(bool moving);
  void beginGesture(Gesture gesture);
  void endGesture();
  void beginHint(const std::vector<Mark>& marks);
  void endHint();
  std::vector<Mark> sameCards(const std::function<bool(int code)>& matches) const;

  MainRoutines& routines_;
  BoardCanvas canvas_;
  BoardView* board_;
  DragSprite* CVdragger;
  QImage PXdrag;

  // The drag in progress, in board pixels and places.
  Gesture gesture_ = Gesture::None;
  std::optional<BusyScope> gestureBusy_;
  int currentDragX = 0;
  int currentDragY = 0;
  bool dragging = false;
  int gridDragStartX = 0;
  int gridDragStartY = 0;
  int currentDragCard = 0;
  QPoint lastPointer_;

  bool maximizeClicked = false;  // the zoom's resize is not yet handled
  bool maximizedState = false;   // the window is in its zoomed state
  QTimer settleTimer_;  // a resize has ended when the size stays put this long
  std::optional<QSize> zoomedBoard_;  // the board of a zoom the window has not yet settled on
  QMargins frame_;  // the window manager's frame round the window when not maximised
  QMetaObject::Connection screenRoom_;  // changes of the room on the window's screen
};

}  // namespace velmoran
