#pragma once

#include <QColor>
#include <QImage>

// The words shown on the tapestry beside the grid and the banner of a won
// game. Labels are drawn with white as their transparent colour: every
// pixel that should vanish is pure white and no other pixel is.
namespace velmoran::art {

// The average colour of the tapestry; label edges are smoothed against it,
// so that they meet the tapestry without a light fringe.
inline const QColor tapestryBlue(30, 54, 122);

QImage drawLogoLabel(int width);   // "Velmoran"
QImage drawBooksLabel(int width);  // "Books"
QImage drawHandLabel(int width);   // "Hand"

// The opaque banner laid over the grid when the game is won.
QImage drawVictoryBanner(int width);

}  // namespace velmoran::art
