#pragma once

#include <QImage>

#include "table/CardSize.h"

namespace velmoran {

// Everything the board is drawn with at one card size: the card faces laid
// on black, the backs, the tapestry squeezed into the panel, the three
// labels with their white left out, the victory banner and the empty and
// legal places.
struct SizePictures {
  CardSize size;
  QImage deckpict, backspict, tapestry;
  QImage logoPict, booksPict, handPict, victoryPict;
  QImage gridPlace, sidePlace, legalFrame;

  qsizetype bytes() const;
};

// Draws the pictures of a size from scratch, the big sheets at the same
// time on several threads. Safe on any thread; bluetile is the tapestry's
// 150-pixel tile.
SizePictures drawSizePictures(CardSize size, const QImage& bluetile);

}  // namespace velmoran
