#include "table/BoardPictures.h"

#include "engine/CardBacks.h"

namespace velmoran {

void BoardPictures::setCardSize(CardSize size) {
  if (size == size_) return;
  size_ = size;
  cardbacks_.clear();
  if (auto drawn = cache_.find(size)) {
    use(std::move(drawn));
  } else if (auto nearest = cache_.nearest(size)) {
    use(std::move(nearest));  // stands in, stretched, until the size's own are drawn
    cache_.request(size);
  } else {
    use(cache_.drawNow(size));  // nothing to stand in for the first size
  }
}

bool BoardPictures::takeDrawnPictures() {
  if (drawnForSize()) return false;
  auto drawn = cache_.find(size_);
  if (!drawn) return false;
  use(std::move(drawn));
  return true;
}

void BoardPictures::use(PictureCache::Pictures pictures) {
  pictures_ = std::move(pictures);
  cardbacks_.clear();
}

// Pictures keep their own proportions: stretched by the ratio of card widths.
QSize BoardPictures::shownSize(const QImage& picture) const {
  if (drawnForSize()) return picture.size();
  const double ratio = static_cast<double>(size_.width) / pictures_->size.width;
  return {qRound(picture.width() * ratio), qRound(picture.height() * ratio)};
}

void BoardPictures::draw(QPainter& painter, QPoint origin, const QImage& picture) const {
  if (drawnForSize())
    painter.drawImage(origin, picture);
  else
    painter.drawImage(QRect(origin, shownSize(picture)), picture);
}

void BoardPictures::drawCell(QPainter& painter, QPoint origin, const QImage& sheet, int column,
                             int row) const {
  const CardSize own = pictures_->size;
  const QRect cell(column * own.width, row * own.height, own.width, own.height);
  if (drawnForSize())
    painter.drawImage(origin, sheet, cell);
  else
    painter.drawImage(QRect(origin, QSize(size_.width, size_.height)), sheet, cell);
}

void BoardPictures::drawCard(QPainter& painter, QPoint origin, int card) const {
  drawCell(painter, origin, pictures_->deckpict, (card - 1) % 13, (card - 1) / 13);
}

// The panel reaches from the gap column to the board's right edge, top to
// bottom, whatever the pictures' own size.
void BoardPictures::drawTapestry(QPainter& painter, QPoint origin) const {
  const QImage& tapestry = pictures_->tapestry;
  if (drawnForSize())
    painter.drawImage(origin, tapestry);
  else
    painter.drawImage(QRect(origin, QSize(size_.tapestryWidth(), size_.boardHeight())), tapestry);
}

// The labels end one card width (the logo half a card) left of the board's
// right edge, and just above the line over the places they name.
QPoint BoardPictures::logoPosition() const {
  return {static_cast<int>(size_.boardWidth() - size_.width / 2.0 - shownSize(logoPict()).width()),
          static_cast<int>(size_.height / 5.0)};
}

QPoint BoardPictures::booksPosition() const {
  const QSize books = shownSize(booksPict());
  return {size_.boardWidth() - size_.width - books.width(),
          size_.placeTop(firstBooksRow) - 1 - books.height()};
}

QPoint BoardPictures::handPosition() const {
  const QSize hand = shownSize(handPict());
  return {size_.boardWidth() - size_.width - hand.width(),
          size_.placeTop(handRow) - 1 - hand.height()};
}

// Centred on the 12 x 9 grid, whatever part of it is in play.
QPoint BoardPictures::victoryPosition() const {
  const QSize victory = shownSize(victoryPict());
  return {static_cast<int>(gridAreaColumns * (size_.width + 1) / 2.0 - victory.width() / 2.0),
          static_cast<int>(gridAreaRows * (size_.height + 1) / 2.0 - victory.height() / 2.0)};
}

QImage BoardPictures::fetchCardback(int n) const {
  const CardBackDesign design = cardBackDesign(n);
  QImage back(size_.width, size_.height, QImage::Format_ARGB32_Premultiplied);
  back.fill(Qt::transparent);
  QPainter painter(&back);
  drawCell(painter, QPoint(), pictures_->backspict, design.column, design.row);
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
