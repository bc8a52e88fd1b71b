// Feeds arbitrary bytes to the preferences reader. Beyond not crashing, the
// state it leaves must be one the game can run with, and the file written
// from that state must read back to itself, whole.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/MainRoutines.h"
#include "engine/NullTable.h"
#include "engine/PrefsFile.h"

namespace {

using namespace velmoran;

bool within(int value, int low, int high) { return value >= low && value <= high; }

bool runnable(const MainRoutines& r) {
  const Statistics& s = r.stats;
  return within(r.game, 1, 2) && within(r.grid, 1, 4) && within(r.gKings, 1, 6) &&
         within(r.delaySpeed, 0, 100) && within(r.gCardBackNumber, 1, 32) &&
         within(r.moveNumber, 0, maxMoves) && within(r.gDeckPtr, 0, deckSize + 1) &&
         within(r.gNumBooks, 0, booksToWin) && within(r.gCheatDeckPtr, 0, deckSize) &&
         s.wins >= 0 && s.losses >= 0 && s.noCheatWins >= 0 && s.easyWins >= 0 &&
         s.easyLosses >= 0 && s.easyNoCheatWins >= 0 &&
         (!r.gUndoOk || (r.moveNumber >= 1 && !r.gVictory));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NullTable table;
  static SystemRandom random(1);
  static MainRoutines first(table, random);
  static MainRoutines second(table, random);

  first.setAllDefaults();
  applyPrefsText(first, std::string_view(reinterpret_cast<const char*>(data), size));
  if (!runnable(first)) std::abort();

  const std::string text = prefsText(first);
  second.setAllDefaults();
  if (!applyPrefsText(second, text) || prefsText(second) != text) std::abort();
  return 0;
}
