// What the main window asks of the X server directly, where Qt has no
// call for it.
#include "table/WmainX11.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(VELMORAN_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace velmoran::x11 {

#if defined(VELMORAN_X11) && QT_CONFIG(xcb)

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

// WM_NORMAL_HINTS as the protocol lays it out: eighteen 32-bit fields.
constexpr int hintFields = 18;
constexpr uint32_t aspectGiven = 1 << 7;
constexpr int minAspect = 11, maxAspect = 13;

}  // namespace

std::optional<bool> mouseButtonHeld() {
  xcb_connection_t* x = connection();
  if (x == nullptr) return std::nullopt;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const Owned<xcb_query_pointer_reply_t> pointer(
      xcb_query_pointer_reply(x, xcb_query_pointer(x, root), nullptr), &std::free);
  constexpr int buttons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3;
  return pointer && (pointer->mask & buttons) != 0;
}

// Qt declares the base size, the step and the limits but no proportion; the
// proportion is added to what Qt declared. The ratio is a hair under the
// step's own (90 / 63), because a window manager works out one side from
// the other and truncates: this way it lands on the step, never a pixel
// short of it.
void keepStepProportions(const QWidget& window, QSize step) {
  xcb_connection_t* x = connection();
  if (x == nullptr || window.windowHandle() == nullptr) return;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const Owned<xcb_get_property_reply_t> declared(
      xcb_get_property_reply(
          x, xcb_get_property(x, 0, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, hintFields),
          nullptr),
      &std::free);
  if (!declared || declared->format != 32 || xcb_get_property_value_length(declared.get()) != hintFields * 4)
    return;
  std::array<uint32_t, hintFields> hints;
  std::memcpy(hints.data(), xcb_get_property_value(declared.get()), sizeof hints);
  const uint32_t across = step.width() * 1000, down = step.height() * 1001;
  if ((hints[0] & aspectGiven) && hints[minAspect] == across && hints[minAspect + 1] == down) return;
  hints[0] |= aspectGiven;
  hints[minAspect] = hints[maxAspect] = across;
  hints[minAspect + 1] = hints[maxAspect + 1] = down;
  xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                      hintFields, hints.data());
  xcb_flush(x);
}

#else

std::optional<bool> mouseButtonHeld() { return std::nullopt; }
void keepStepProportions(const QWidget&, QSize) {}

#endif

}  // namespace velmoran::x11
