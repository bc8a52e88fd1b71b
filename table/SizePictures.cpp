#include "table/SizePictures.h"

#include <QPainter>
#include <future>

#include "assets/Assets.h"
#include "table/LargeImage.h"

namespace velmoran {

namespace {

constexpr QImage::Format boardFormat = QImage::Format_ARGB32_Premultiplied;

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
// not blended, and the same wherever it is drawn.
QImage onBlack(const QImage& sheet) {
  QImage laid = largeImage(sheet.size(), QImage::Format_RGB32);
  laid.fill(Qt::black);
  if (sheet.isNull()) return laid;
  QPainter(&laid).drawImage(0, 0, sheet);
  return laid;
}

// The backs keep their transparent corners.
QImage backsSheet(const QImage& sheet) {
  QImage copy = largeImage(sheet.size(), boardFormat);
  copy.fill(Qt::transparent);
  QPainter(&copy).drawImage(0, 0, sheet);
  return copy;
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

// The tapestry: the 150-pixel tile repeated four across and eight down,
// the fourth column cut at 550. Opaque, so scaling it makes no copy. Made
// for each size and let go, rather than kept for the run.
QImage tapestryPict(const QImage& bluetile) {
  QImage tapestry = largeImage(QSize(550, 1200), QImage::Format_RGB32);
  tapestry.fill(Qt::black);
  if (bluetile.isNull()) return tapestry;
  QPainter painter(&tapestry);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 8; ++j) painter.drawImage(150 * i, 150 * j, bluetile, 0, 0, 150, 150);
  return tapestry;
}

// The whole tapestry squeezed into the panel; opaque, so copied, not blended.
QImage panelTapestry(const QImage& bluetile, CardSize size) {
  return tapestryPict(bluetile)
      .scaled(size.tapestryWidth(), size.boardHeight(), Qt::IgnoreAspectRatio,
              Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

void drawPlaces(SizePictures& pictures) {
  const CardSize size = pictures.size;
  pictures.gridPlace = framedPlace(size, Qt::black, QColor(50, 0, 0), QColor(127, 0, 0));
  pictures.sidePlace = framedPlace(size, Qt::black, QColor(50, 50, 0), QColor(127, 127, 0));
  pictures.legalFrame =
      framedPlace(size, Qt::transparent, QColor(100, 100, 0), QColor(220, 220, 0));
}

}  // namespace

qsizetype SizePictures::bytes() const {
  qsizetype total = 0;
  for (const QImage* picture : {&deckpict, &backspict, &tapestry, &logoPict, &booksPict,
                                &handPict, &victoryPict, &gridPlace, &sidePlace, &legalFrame})
    total += picture->sizeInBytes();
  return total;
}

SizePictures drawSizePictures(CardSize size, const QImage& bluetile) {
  using assets::Family;
  const int w = size.width;
  // Each of the big pictures gets a thread of its own (the backs spread
  // over more); the labels are drawn here meanwhile.
  auto faces = std::async(std::launch::async,
                          [w] { return onBlack(assets::drawFamilyMember(Family::Deck, w)); });
  auto backs = std::async(std::launch::async,
                          [w] { return backsSheet(assets::drawFamilyMember(Family::Backs, w)); });
  auto tapestry = std::async(std::launch::async,
                             [&bluetile, size] { return panelTapestry(bluetile, size); });
  auto victory = std::async(std::launch::async, [w] {
    return assets::drawFamilyMember(Family::Victory, w).convertToFormat(boardFormat);
  });
  SizePictures pictures;
  pictures.size = size;
  pictures.logoPict = whiteLeftOut(assets::drawFamilyMember(Family::Logo, w));
  pictures.booksPict = whiteLeftOut(assets::drawFamilyMember(Family::Books, w));
  pictures.handPict = whiteLeftOut(assets::drawFamilyMember(Family::Hand, w));
  drawPlaces(pictures);
  pictures.victoryPict = victory.get();
  pictures.tapestry = tapestry.get();
  pictures.deckpict = faces.get();
  pictures.backspict = backs.get();
  return pictures;
}

}  // namespace velmoran
