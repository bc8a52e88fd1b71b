#include "table/BoardPictures.h"

#include <QPainter>

#include "engine/CardBacks.h"
#include "shell/assets/Assets.h"

namespace velmoran {

namespace {

constexpr QImage::Format boardFormat = QImage::Format_ARGB32_Premultiplied;

// The tapestry: the 150-pixel tile repeated four across and eight down, the
// fourth column cut at 550.
QImage makeTapestry() {
  QImage tapestry(550, 1200, boardFormat);
  tapestry.fill(Qt::black);
  const QImage tile = assets::picture("bluetile");
  if (tile.isNull()) return tapestry;
  QPainter painter(&tapestry);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 8; ++j) painter.drawImage(150 * i, 150 * j, tile, 0, 0, 150, 150);
  return tapestry;
}

// Labels are drawn with their white left out.
QImage whiteLeftOut(const QImage& label) {
  QImage result = label.convertToFormat(boardFormat);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x)
      if (line[x] == qRgb(255, 255, 255)) line[x] = qRgba(0, 0, 0, 0);
  }
  return result;
}

// The faces at a little over half their strength: drawn over black, about
// 47 per cent of the black shows through.
QImage dimmed(const QImage& deck) {
  if (deck.isNull()) return deck;
  QImage dim(deck.size(), boardFormat);
  dim.fill(Qt::transparent);
  QPainter painter(&dim);
  painter.setOpacity(1.0 - 120.0 / 255.0);
  painter.drawImage(0, 0, deck);
  return dim;
}

}  // namespace

BoardPictures::BoardPictures() : tapestryPict_(makeTapestry()) {}

void BoardPictures::setCardSize(CardSize size) {
  if (size == size_) return;
  size_ = size;
  deckpict_ = assets::deckSheet(size.width).convertToFormat(boardFormat);
  backspict_ = assets::backsSheet(size.width).convertToFormat(boardFormat);
  logoPict_ = whiteLeftOut(assets::logoLabel(size.width));
  booksPict_ = whiteLeftOut(assets::booksLabel(size.width));
  handPict_ = whiteLeftOut(assets::handLabel(size.width));
  victoryPict_ = assets::victoryBanner(size.width).convertToFormat(boardFormat);
  dimdeckpict_ = dimmed(deckpict_);
  // The whole tapestry squeezed into the panel, once per size.
  tapestry_ = tapestryPict_.scaled(size.tapestryWidth(), size.boardHeight(), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
  cardbacks_.clear();
}

// The labels end one card width (the logo half a card) left of the board's
// right edge, and just above the line over the places they name.
QPoint BoardPictures::logoPosition() const {
  return {static_cast<int>(size_.boardWidth() - size_.width / 2.0 - logoPict_.width()),
          static_cast<int>(size_.height / 5.0)};
}

QPoint BoardPictures::booksPosition() const {
  return {size_.boardWidth() - size_.width - booksPict_.width(),
          6 * (size_.height + 1) - booksPict_.height()};
}

QPoint BoardPictures::handPosition() const {
  return {size_.boardWidth() - size_.width - handPict_.width(),
          4 * (size_.height + 1) - handPict_.height()};
}

// Centred on the 12 x 9 grid, whatever part of it is in play.
QPoint BoardPictures::victoryPosition() const {
  return {static_cast<int>(12 * (size_.width + 1) / 2.0 - victoryPict_.width() / 2.0),
          static_cast<int>(9 * (size_.height + 1) / 2.0 - victoryPict_.height() / 2.0)};
}

QRect BoardPictures::cardCell(int card) const {
  return {(card - 1) % 13 * size_.width, (card - 1) / 13 * size_.height, size_.width, size_.height};
}

QImage BoardPictures::fetchCardback(int n) const {
  const CardBackDesign design = cardBackDesign(n);
  QImage back(size_.width, size_.height, boardFormat);
  back.fill(Qt::transparent);
  QPainter painter(&back);
  painter.drawImage(0, 0, backspict_, design.column * size_.width, design.row * size_.height,
                    size_.width, size_.height);
  return back;
}

const QImage& BoardPictures::cardback(int n) {
  auto found = cardbacks_.find(n);
  if (found == cardbacks_.end()) found = cardbacks_.emplace(n, fetchCardback(n)).first;
  return found->second;
}

}  // namespace velmoran
