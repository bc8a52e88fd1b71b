#pragma once

#include <cmath>

#include "engine/RandomSource.h"

namespace velmoran {

// Picks an index from 1 to n the way the shuffle and the victory animation
// always have: trunc(round(rnd x n)), with 0 counted as 1. The ends of the
// range are not as likely as the middle (1.5/n for 1, 0.5/n for n), which
// the game's feel depends on, so it is kept.
inline int pickIndex(RandomSource& random, int n) {
  int j = static_cast<int>(std::round(random.rnd() * n));
  if (j < 1) j = 1;
  if (j > n) j = n;  // only a source that breaks its [0, 1) promise gets here
  return j;
}

}  // namespace velmoran
