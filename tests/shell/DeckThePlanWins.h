#pragma once

#include "engine/MainRoutines.h"
#include "engine/NullTable.h"

namespace velmoran::testing {

// A deck whose Easy game, the kings in the hand, SquarePlan wins: the one
// the first shuffle of a fixed seed gives.
inline auto deckThePlanWins() {
  NullTable none;
  SystemRandom seeded(1);
  MainRoutines dealer(none, seeded);
  dealer.setAllDefaults();
  dealer.newGame();
  return dealer.gDeck;
}

}  // namespace velmoran::testing
