#pragma once

#include "engine/BoardGeometry.h"

namespace velmoran {

// The largest card size whose board fits a window of the given content
// size. A window larger than the largest board gets the largest cards (the
// rest is black margin); a smaller one gets the smallest.
CardSize cardSizeForWindow(int windowWidth, int windowHeight);

}  // namespace velmoran
