#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace velmoran::x11 {

// Whether a mouse button is held anywhere on the screen, such as on the
// window's frame while the window manager resizes the window: the program
// itself receives no events of that press. Empty when not on X11.
std::optional<bool> mouseButtonHeld();

// Asks the window manager to keep the window's size beyond its base size in
// the proportion of one step, so that dragging a single edge still moves
// from one whole board to the next. Does nothing when not on X11.
void keepStepProportions(const QWidget& window, QSize step);

}  // namespace velmoran::x11
