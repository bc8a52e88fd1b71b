#pragma once

#include <QImage>
#include <memory>

#include "engine/MainRoutines.h"
#include "table/BoardPictures.h"

namespace velmoran {

class BoardView;

// Where the board is drawn: the board picture, the window surface a view
// shows, which of the two drawing goes to, and the pictures of the current
// card size. It needs no window: with no view attached it only draws, as
// for the help diagrams.
class BoardCanvas {
 public:
  explicit BoardCanvas(const MainRoutines& game);

  // The view that shows the window surface; it is repainted where drawing
  // lands on the window.
  void setView(BoardView* view);

  // A new card size starts from a blank board picture, drawn by the
  // rebuild that follows.
  void setCardSize(CardSize cards);
  CardSize cardSize() const { return pictures_.cardSize(); }
  BoardPictures& pictures() { return pictures_; }
  // False while a new size is shown with another size's pictures stretched.
  bool picturesDrawn() const { return pictures_.drawnForSize(); }

  const QImage& offscreenPict() const { return offscreenPict_; }
  const QImage& windowSurface() const { return surface_; }

  // One place, drawn into the current target (see BoardPainter).
  void placeCard(int drawCode, int x, int y);
  void setDrawTarget(DrawTarget target) { target_ = target; }
  // What was drawn on the window surface reaches the screen now.
  void updateNow();
  // The whole board drawn anew into the board picture, and shown.
  void rebuildOffscreen();
  // The window shows the board picture as it is now.
  void showBoard();
  // Whether the board picture was drawn at the current card size with the
  // pictures in use: nothing but a change of the game calls for a rebuild.
  bool boardUpToDate() const;

  // While a card is carried the board picture keeps its place empty:
  // nothing redraws the board until the card is let go.
  void holdBoard(bool held) { held_ = held; }

 private:
  void drawOn(QImage& picture, int drawCode, int x, int y);
  QImage boardPicture(QSize board);
  void fillPagesAhead(CardSize cards);

  const MainRoutines& game_;
  BoardPictures pictures_;
  BoardView* view_ = nullptr;
  std::shared_ptr<QImage> memory_;  // where the board pictures are drawn
  qsizetype pagesFilled_ = 0;       // how much of it is filled in
  QImage offscreenPict_;
  QImage surface_;  // what the window shows
  DrawTarget target_ = DrawTarget::Offscreen;
  bool held_ = false;
  // What the last rebuild drew with.
  CardSize rebuiltAt_{0, 0};
  bool rebuiltWithOwnPictures_ = false;
};

}  // namespace velmoran
