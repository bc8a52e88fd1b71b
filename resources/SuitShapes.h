#pragma once

#include <QColor>
#include <QPainterPath>

namespace velmoran::art {

// The suit of each row of the card-face sheet: a card code is
// suit x 13 + rank, and the suits are used in this order everywhere.
enum class Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

inline constexpr Suit suitOfRow(int row) { return static_cast<Suit>(row & 3); }
inline constexpr bool isRed(Suit s) { return s == Suit::Diamonds || s == Suit::Hearts; }

// Ink of the suit: red for hearts and diamonds, black for spades and clubs.
QColor suitInk(Suit s);

// The outline of a suit symbol in the unit square (0,0)-(1,1), point up.
const QPainterPath& suitShape(Suit s);

// The suit symbol fitted into rect, turned upside down when flipped. Below
// 10 pixels it is a crisp pixel sign of 7, 8 or 9 pixels, the largest
// rect has room for, centred on rect's centre.
QPainterPath suitIn(Suit s, const QRectF& rect, bool flipped = false);

// The largest size up to size at which a sign is drawn crisply: signs
// smaller than 10 pixels come in three sizes, 7, 8 and 9.
qreal crispSignSize(qreal size);

// Whether suitIn draws the sign for rect pixel by pixel.
bool isPixelSign(const QRectF& rect);

// The box suitIn(s, rect) covers: rect itself, or the pixel sign's own box.
QRectF suitSignBounds(const QRectF& rect);

}  // namespace velmoran::art
