#include "shell/DesktopSession.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QStringList>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

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

// A Wayland compositor takes connections at the socket WAYLAND_DISPLAY
// names, beside the session's other sockets unless it is a full path (or
// at an inherited connection, WAYLAND_SOCKET). A name left behind by a
// compositor that is gone is as good as none.
bool waylandCompositorAnswers() {
  if (isSet("WAYLAND_SOCKET")) return true;
  QByteArray path = isSet("WAYLAND_DISPLAY") ? qgetenv("WAYLAND_DISPLAY") : "wayland-0";
  if (!path.startsWith('/')) {
    if (!isSet("XDG_RUNTIME_DIR")) return false;
    path = qgetenv("XDG_RUNTIME_DIR") + '/' + path;
  }
  sockaddr_un address{};
  if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool answers =
      fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  if (fd >= 0) close(fd);
  return answers;
}

// Qt draws on Wayland through a plugin that is packaged apart and often
// missing; it looks for it where these name.
bool qtHasWaylandPlugin() {
  QStringList folders =
      qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
  QStringList roots = qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
  roots << QLibraryInfo::path(QLibraryInfo::PluginsPath);
  for (const QString& root : roots) folders << root + "/platforms";
  return std::ranges::any_of(folders, [](const QString& folder) {
    return !QDir(folder).entryList({"*wayland*"}, QDir::Files).isEmpty();
  });
}

bool waylandUsable() { return qtHasWaylandPlugin() && waylandCompositorAnswers(); }

// Only the desktop's window systems need a session; the others (offscreen,
// a frame buffer, VNC) are there whenever Qt has their plugin.
bool reachable(const QByteArray& platform) {
  if (platform == "xcb") return xServerAnswers();
  if (platform.startsWith("wayland")) return waylandUsable();
  return true;
}

// Left to choose, Qt tries Wayland first wherever the session names one,
// and says so on every start when it cannot use it.
bool qtTriesWaylandFirst() {
  return isSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

bool x11ChosenHere = false;

void chooseX11() {
  qputenv("QT_QPA_PLATFORM", "xcb");
  x11ChosenHere = true;
}

// The choice was the game's own: the programs it starts (a browser for a
// link) choose for themselves. Qt has chosen by the time this runs.
void forgetTheChoice() {
  if (x11ChosenHere) qunsetenv("QT_QPA_PLATFORM");
}
Q_COREAPP_STARTUP_FUNCTION(forgetTheChoice)

// Which window system Qt, choosing by itself, could open on: Wayland where
// it can, else X11, chosen for it where it would try Wayland in vain.
bool desktopForQtsOwnChoice() {
  if (qtTriesWaylandFirst() && waylandUsable()) return true;
  if (!xServerAnswers()) return false;
  if (qtTriesWaylandFirst()) chooseX11();
  return true;
}

}  // namespace

bool desktopSessionFound(int argc, char* argv[]) {
  const QList<QByteArray> platforms = requestedPlatforms(argc, argv);
  const bool found = platforms.isEmpty() ? desktopForQtsOwnChoice()
                                         : std::ranges::any_of(platforms, reachable);
  if (!found)
    std::fputs("Velmoran needs a desktop session (an X11 or Wayland display) and found none.\n",
               stderr);
  return found;
}

}  // namespace velmoran
