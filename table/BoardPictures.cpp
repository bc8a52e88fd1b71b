#include "table/BoardPictures.h"

#include <QPainter>

#include "engine/CardBacks.h"

namespace velmoran {

void BoardPictures::setCardSize(CardSize size) {
  if (size == size_) return;
  size_ = size;
  if (auto drawn = cache_.find(size)) {
    use(std::move(drawn), true);
  } else if (auto nearest = cache_.nearest(size)) {
    use(std::make_shared<const SizePictures>(stretchedSizePictures(*nearest, size)), false);
    cache_.request(size);
  } else {
    use(cache_.drawNow(size), true);  // nothing to stand in for the first size
  }
}

bool BoardPictures::takeDrawnPictures() {
  if (drawn_) return false;
  auto drawn = cache_.find(size_);
  if (!drawn) return false;
  use(std::move(drawn), true);
  return true;
}

void BoardPictures::use(PictureCache::Pictures pictures, bool drawn) {
  pictures_ = std::move(pictures);
  drawn_ = drawn;
  cardbacks_.clear();
}

// The labels end one card width (the logo half a card) left of the board's
// right edge, and just above the line over the places they name.
QPoint BoardPictures::logoPosition() const {
  return {static_cast<int>(size_.boardWidth() - size_.width / 2.0 - logoPict().width()),
          static_cast<int>(size_.height / 5.0)};
}

QPoint BoardPictures::booksPosition() const {
  return {size_.boardWidth() - size_.width - booksPict().width(),
          size_.placeTop(firstBooksRow) - 1 - booksPict().height()};
}

QPoint BoardPictures::handPosition() const {
  return {size_.boardWidth() - size_.width - handPict().width(),
          size_.placeTop(handRow) - 1 - handPict().height()};
}

// Centred on the 12 x 9 grid, whatever part of it is in play.
QPoint BoardPictures::victoryPosition() const {
  return {static_cast<int>(gridAreaColumns * (size_.width + 1) / 2.0 - victoryPict().width() / 2.0),
          static_cast<int>(gridAreaRows * (size_.height + 1) / 2.0 - victoryPict().height() / 2.0)};
}

QRect BoardPictures::cardCell(int card) const {
  return {(card - 1) % 13 * size_.width, (card - 1) / 13 * size_.height, size_.width, size_.height};
}

QImage BoardPictures::fetchCardback(int n) const {
  const CardBackDesign design = cardBackDesign(n);
  QImage back(size_.width, size_.height, QImage::Format_ARGB32_Premultiplied);
  back.fill(Qt::transparent);
  QPainter painter(&back);
  painter.drawImage(0, 0, backspict(), design.column * size_.width, design.row * size_.height,
                    size_.width, size_.height);
  return back;
}

const QImage& BoardPictures::cardback(int n) {
  auto found = cardbacks_.find(n);
  if (found == cardbacks_.end()) {
    // Laid on black, like the faces: an opaque card.
    QImage back(size_.width, size_.height, QImage::Format_RGB32);
    back.fill(Qt::black);
    QPainter(&back).drawImage(0, 0, fetchCardback(n));
    found = cardbacks_.emplace(n, back).first;
  }
  return found->second;
}

}  // namespace velmoran
