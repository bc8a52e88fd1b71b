#include "dialogs/SheetScope.h"

#include <utility>

namespace velmoran {

namespace {

std::function<void(bool)>& inputHoldHook() {
  static std::function<void(bool)> hook;
  return hook;
}

void tellHook(bool sheetUp) {
  if (inputHoldHook()) inputHoldHook()(sheetUp);
}

}  // namespace

void SheetScope::setInputHoldHook(std::function<void(bool sheetUp)> hook) {
  inputHoldHook() = std::move(hook);
}

SheetScope::SheetScope() { tellHook(true); }

SheetScope::~SheetScope() { tellHook(false); }

}  // namespace velmoran
