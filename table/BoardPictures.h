#pragma once

#include <QImage>
#include <QPoint>
#include <map>
#include <utility>

#include "table/CardSize.h"

namespace velmoran {

// The pictures the board is drawn with at one card size: the card faces
// and their dimmed copy, the card backs, the tapestry behind the hand and
// the books, the three labels and the victory banner, with where each
// label goes. Changing the size picks the pictures of that size; the
// tapestry tile is made once.
class BoardPictures {
 public:
  BoardPictures();

  void setCardSize(CardSize size);
  CardSize cardSize() const { return size_; }

  // The card faces, each an opaque card on black, and their dimmed copy.
  const QImage& deckpict() const { return deckpict_; }
  const QImage& dimdeckpict() const { return dimdeckpict_; }
  const QImage& backspict() const { return backspict_; }
  const QImage& tapestry() const { return tapestry_; }  // already the panel's size
  const QImage& logoPict() const { return logoPict_; }
  const QImage& booksPict() const { return booksPict_; }
  const QImage& handPict() const { return handPict_; }
  const QImage& victoryPict() const { return victoryPict_; }
  // An empty place of the grid, of the hand or books, and the legal-move
  // frame that is laid over a place; made once per size.
  const QImage& gridPlace() const { return gridPlace_; }
  const QImage& sidePlace() const { return sidePlace_; }
  const QImage& legalFrame() const { return legalFrame_; }
  QPoint logoPosition() const;
  QPoint booksPosition() const;
  QPoint handPosition() const;
  QPoint victoryPosition() const;

  // The cell of a card (1..52) in the face sheets.
  QRect cardCell(int card) const;

  // Card back design n at the current size, a picture of its own; a number
  // outside 1..32 gives the design of the sheet's first cell.
  QImage fetchCardback(int n) const;
  // The same, kept until the size changes: for drawing.
  const QImage& cardback(int n);

 private:
  CardSize size_{0, 0};
  QImage tapestryPict_;  // 550 x 1200, the tile repeated
  QImage deckpict_, dimdeckpict_, backspict_, tapestry_;
  QImage logoPict_, booksPict_, handPict_, victoryPict_;
  QImage gridPlace_, sidePlace_, legalFrame_;
  std::map<int, QImage> cardbacks_;
};

}  // namespace velmoran
