#pragma once

#include <chrono>
#include <functional>

namespace velmoran {

// Every timed pause of the game goes through here. The pause runs a nested
// event loop, so the window keeps repainting and sounds keep playing, while
// the input hold keeps the player's input away; the clock is monotonic and
// no core spins. A pause of zero or less still lets pending events run once.
void waitFor(std::chrono::microseconds duration);

// Pauses in short steps while stillWaiting() holds, but never past the
// deadline, so a wait on something that never ends still ends.
void waitWhile(const std::function<bool()>& stillWaiting, std::chrono::milliseconds limit);

}  // namespace velmoran
