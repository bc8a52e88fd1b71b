#pragma once

namespace velmoran {

// The six game counters, per difficulty: clean wins, wins with cheating and
// games given up. The statistics window only shows them.
struct Statistics {
  int noCheatWins = 0;
  int wins = 0;
  int losses = 0;
  int easyNoCheatWins = 0;
  int easyWins = 0;
  int easyLosses = 0;

  bool operator==(const Statistics&) const = default;
};

}  // namespace velmoran
