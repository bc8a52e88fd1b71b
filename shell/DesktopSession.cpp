#include "shell/DesktopSession.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstdio>

#ifdef VELMORAN_X11
#include <xcb/xcb.h>
#endif

namespace velmoran {

namespace {

// The window systems Qt is asked for, as "-platform" or QT_QPA_PLATFORM
// name them ("wayland;xcb", each name maybe followed by ":options");
// empty when Qt is left to choose.
QList<QByteArray> requestedPlatforms(int argc, char* argv[]) {
  QByteArray request = qgetenv("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < argc; ++i) {
    if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
      request = argv[i + 1];
  }
  QList<QByteArray> names;
  for (const QByteArray& entry : request.split(';'))
    if (!entry.isEmpty()) names << entry.split(':').constFirst();
  return names;
}

bool isSet(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

// A display named with no X server behind it (a DISPLAY left over in a
// terminal multiplexer or a remote shell) is as good as none.
bool xServerAnswers() {
  if (!isSet("DISPLAY")) return false;
#ifdef VELMORAN_X11
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
#else
  return true;
#endif
}

// Only the desktop's window systems need a session; the others (offscreen,
// a frame buffer, VNC) are there whenever Qt has their plugin.
bool reachable(const QByteArray& platform) {
  if (platform == "xcb") return xServerAnswers();
  if (platform.startsWith("wayland")) return isSet("WAYLAND_DISPLAY");
  return true;
}

}  // namespace

bool desktopSessionFound(int argc, char* argv[]) {
  const QList<QByteArray> platforms = requestedPlatforms(argc, argv);
  const bool found = platforms.isEmpty() ? isSet("WAYLAND_DISPLAY") || xServerAnswers()
                                         : std::ranges::any_of(platforms, reachable);
  if (!found)
    std::fputs("Velmoran needs a desktop session (an X11 or Wayland display) and found none.\n",
               stderr);
  return found;
}

}  // namespace velmoran
