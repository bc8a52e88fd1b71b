#pragma once

#include <QPainter>

#include "engine/MainRoutines.h"
#include "table/BoardPictures.h"

namespace velmoran {

// Draws board places, one draw code at a time, or the whole board, with
// one painter on the board picture or the window surface.
class BoardPainter {
 public:
  BoardPainter(QPainter& painter, BoardPictures& pictures, const MainRoutines& game);

  // One place: a card, a dimmed card (card + 300), a card back (200), an
  // empty place (0) or the legal-move frame (300). The gap column is never
  // drawn.
  void placeCard(int drawCode, int x, int y);

  // The whole board: background, tapestry, labels, every place, the
  // dimming of what cannot be played, and the banner once the game is won.
  void drawBoard();

  // Where place (x, y) starts: the one-pixel line before it is not part of it.
  static QPoint placeOrigin(CardSize size, int x, int y);

 private:
  void placeCardBack(QPoint origin);
  void placeEmpty(QPoint origin, int x, int y);
  void drawFace(int card, QPoint origin);
  void drawDimmedFace(int card, QPoint origin);
  void dimUnplayables();
  bool outsideActiveGrid(int x, int y) const;

  QPainter& painter_;
  BoardPictures& pictures_;
  const MainRoutines& game_;
  CardSize size_;
};

}  // namespace velmoran
