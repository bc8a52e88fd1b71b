#pragma once

#include <QImage>
#include <QPainter>

#include "engine/BoardGeometry.h"
#include "resources/SuitShapes.h"

// The game's playing cards, drawn with vector paths at whatever size they
// are asked for. The board, the help diagrams and the dialogs all use these
// functions, so every picture of a card looks the same.
namespace velmoran::art {

// Paints one card face filling rect. card is suit x 13 + rank (1..52), rank
// 1 ace to 13 king, suit as in Suit. Outside the rounded corners nothing is
// painted. A code outside 1..52 paints nothing.
void paintCardFace(QPainter& painter, const QRectF& rect, int card);

// The rounded white card with its thin edge, the base of faces and backs.
void paintCardBlank(QPainter& painter, const QRectF& rect);

// The rounded outline of a card at rect, for clipping or framing.
QPainterPath cardOutline(const QRectF& rect);

// All 52 faces in 13 columns (rank 1..13) by 4 rows (suit 0..3) of
// cardWidth x cardHeightFor(cardWidth) cells, transparent outside the cards.
QImage drawDeckSheet(int cardWidth);

}  // namespace velmoran::art
