#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <map>
#include <utility>

#include "table/CardSize.h"
#include "table/PictureCache.h"

namespace velmoran {

// The pictures the board is drawn with at one card size: the card faces,
// the card backs, the tapestry behind the hand and the books, the three
// labels and the victory banner, with where each label goes. Changing the
// size picks the pictures of that size. A size not drawn yet is drawn with
// those of the nearest size, stretched as they are drawn, until its own
// are ready; the first size is drawn at once.
class BoardPictures {
 public:
  void setCardSize(CardSize size);
  CardSize cardSize() const { return size_; }
  // Whether the pictures are the size's own, not a stand-in.
  bool drawnForSize() const { return pictures_->size == size_; }
  // Takes the pictures of the current size once they are ready; true when
  // they replaced a stand-in.
  bool takeDrawnPictures();
  // Tells when the pictures of a size are ready.
  PictureCache& cache() { return cache_; }

  // Card faces (1..52) are opaque cards on black; the tapestry fills the
  // panel from its top left corner.
  void drawCard(QPainter& painter, QPoint origin, int card) const;
  void drawTapestry(QPainter& painter, QPoint origin) const;
  // One of the pictures below, at the current size.
  void draw(QPainter& painter, QPoint origin, const QImage& picture) const;
  const QImage& logoPict() const { return pictures_->logoPict; }
  const QImage& booksPict() const { return pictures_->booksPict; }
  const QImage& handPict() const { return pictures_->handPict; }
  const QImage& victoryPict() const { return pictures_->victoryPict; }
  // An empty place of the grid, of the hand or books, and the legal-move
  // frame that is laid over a place.
  const QImage& gridPlace() const { return pictures_->gridPlace; }
  const QImage& sidePlace() const { return pictures_->sidePlace; }
  const QImage& legalFrame() const { return pictures_->legalFrame; }
  QPoint logoPosition() const;
  QPoint booksPosition() const;
  QPoint handPosition() const;
  QPoint victoryPosition() const;

  // Card back design n at the current size, a picture of its own; a number
  // outside 1..32 gives the design of the sheet's first cell.
  QImage fetchCardback(int n) const;
  // The same, kept until the size changes: for drawing.
  const QImage& cardback(int n);

 private:
  void use(PictureCache::Pictures pictures);
  // A picture's size on the board: its own, stretched while it stands in.
  QSize shownSize(const QImage& picture) const;
  // A cell of a sheet of cards, drawn at the current card size.
  void drawCell(QPainter& painter, QPoint origin, const QImage& sheet, int column, int row) const;

  PictureCache cache_;
  CardSize size_{0, 0};
  std::shared_ptr<const SizePictures> pictures_ = std::make_shared<const SizePictures>();
  std::map<int, QImage> cardbacks_;
};

}  // namespace velmoran
