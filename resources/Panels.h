#pragma once

#include <QImage>

namespace velmoran::art {

// The 150 x 150 blue cloth that tiles the panel beside the grid; its
// pattern repeats exactly every 150 pixels, so the tiles meet without seams.
QImage drawBlueTile();

// The backdrop of the about box (500 x 170) and of the splash, which shows
// its top-left 496 x 132: the name and a fan of cards, with the lower right
// left plain for the version text, the links and the buttons.
QImage drawAboutBox();

// The game's small emblem, 46 x 60, transparent around the cards.
QImage drawIcon();

}  // namespace velmoran::art
