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

// A sheet laid on black, so that each card is an opaque rectangle: copied,
// not blended, and the same wherever it is drawn. The dimmed faces are laid
// at a little over half their strength, so about 47 per cent of the black
// shows through.
constexpr double dimmedStrength = 1.0 - 120.0 / 255.0;

QImage onBlack(const QImage& sheet, double strength = 1.0) {
  QImage laid(sheet.size(), QImage::Format_RGB32);
  laid.fill(Qt::black);
  if (sheet.isNull()) return laid;
  QPainter painter(&laid);
  painter.setOpacity(strength);
  painter.drawImage(0, 0, sheet);
  return laid;
}

// A rounded frame three pixels wide inside the place, with a one-pixel
// line of the lighter colour along its middle, over a fill or over nothing.
QImage framedPlace(CardSize size, const QColor& fill, const QColor& outer, const QColor& inner) {
  QImage place(size.width, size.height, boardFormat);
  place.fill(fill);
  QPainter painter(&place);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF centreLine(1.5, 1.5, size.width - 3, size.height - 3);
  painter.setPen(QPen(outer, 3));
  painter.drawRoundedRect(centreLine, 2.5, 2.5);
  painter.setPen(QPen(inner, 1));
  painter.drawRoundedRect(centreLine, 3.5, 3.5);
  painter.end();
  return fill.alpha() == 255 ? place.convertToFormat(QImage::Format_RGB32) : place;
}

}  // namespace

BoardPictures::BoardPictures() : tapestryPict_(makeTapestry()) {}

void BoardPictures::setCardSize(CardSize size) {
  if (size == size_) return;
  size_ = size;
  deckpict_ = onBlack(assets::deckSheet(size.width));
  dimdeckpict_ = onBlack(assets::deckSheet(size.width), dimmedStrength);
  backspict_ = assets::backsSheet(size.width).convertToFormat(boardFormat);
  logoPict_ = whiteLeftOut(assets::logoLabel(size.width));
  booksPict_ = whiteLeftOut(assets::booksLabel(size.width));
  handPict_ = whiteLeftOut(assets::handLabel(size.width));
  victoryPict_ = assets::victoryBanner(size.width).convertToFormat(boardFormat);
  // The whole tapestry squeezed into the panel, once per size.
  tapestry_ = tapestryPict_
                  .scaled(size.tapestryWidth(), size.boardHeight(), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);  // opaque: copied, not blended
  gridPlace_ = framedPlace(size, Qt::black, QColor(50, 0, 0), QColor(127, 0, 0));
  sidePlace_ = framedPlace(size, Qt::black, QColor(50, 50, 0), QColor(127, 127, 0));
  legalFrame_ = framedPlace(size, Qt::transparent, QColor(100, 100, 0), QColor(220, 220, 0));
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
  if (found == cardbacks_.end()) found = cardbacks_.emplace(n, onBlack(fetchCardback(n))).first;
  return found->second;
}

}  // namespace velmoran
