// The cheat warning, shared by dealing, Undo and the press on the hand.
#include "engine/MainRoutines.h"

namespace velmoran {

bool MainRoutines::askCheat(const std::string& reason) {
  const bool cheat = table_->askCheat(reason);
  userResponse = cheat ? "Cheat" : "Don't Cheat";
  return cheat;
}

}  // namespace velmoran
