#pragma once

#include <functional>

namespace velmoran {

// While the table is busy (a drag, an animation, a sound wait) it holds
// user input away from the game. A sheet that opens in the middle of that,
// such as the cheat warning during a deal, needs its own clicks and keys,
// so every sheet runs inside a SheetScope, which tells the table to let
// input through until the sheet is gone.
class SheetScope {
 public:
  // hook(true) when a sheet comes up, hook(false) when it is gone. The
  // application installs it once; without one nothing is suspended.
  static void setInputHoldHook(std::function<void(bool sheetUp)> hook);

  SheetScope();
  ~SheetScope();
  SheetScope(const SheetScope&) = delete;
  SheetScope& operator=(const SheetScope&) = delete;
};

}  // namespace velmoran
