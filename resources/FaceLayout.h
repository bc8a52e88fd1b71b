#pragma once

#include <QRectF>
#include <QSizeF>
#include <vector>

#include "resources/SuitShapes.h"

namespace velmoran::art {

// A suit sign on a face: the box it covers and whether it stands on its head.
struct PipPlace {
  QRectF box;
  bool upsideDown = false;
};

// Where everything on one card face goes, in the card's own pixels with the
// top-left corner at 0, 0. The painter draws exactly these boxes, so that
// whether anything on a face touches anything else can be checked here.
struct FaceLayout {
  QSizeF card;
  // The index of the top-left corner; the bottom-right corner shows the same
  // turned half round about the card's centre.
  QRectF rank;
  QRectF indexSuit;
  // The pips of a number card, or the one large pip of an ace.
  std::vector<PipPlace> pips;
  // The ring around the ace of spades' pip, centred on it; 0 when none.
  qreal ringRadius = 0;
  qreal ringPen = 0;
  // The framed picture of a jack, queen or king; empty on other cards.
  QRectF courtFrame;

  // The rank and the suit of both corners.
  std::vector<QRectF> indexBoxes() const;
  // What a corner index must keep clear of: every pip and the court frame.
  std::vector<QRectF> pictureBoxes() const;
};

// The layout of card (suit x 13 + rank, 1..52) on a face of the given size.
FaceLayout faceLayout(QSizeF card, int code);

// A box turned half round about the centre of a card of the given size.
QRectF turnedHalfRound(const QRectF& box, QSizeF card);

}  // namespace velmoran::art
