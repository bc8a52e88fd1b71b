#include "shell/Application.h"

#include <QApplication>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <QDBusConnection>
#include <QThreadPool>

#include "engine/PrefsLeftovers.h"
#include "shell/AlreadyRunning.h"
#include "shell/App.h"
#include "shell/DesktopSession.h"
#include "shell/PreferencesFolder.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"
#include "assets/Assets.h"

namespace velmoran {

namespace {

// Pictures are large, and many are drawn on other threads. The C library
// would keep each thread's memory in a pool of its own, where the UI thread
// cannot reuse it and little is ever given back: one pool for all, chosen
// before any thread starts. A picture of half a megabyte or more gets
// memory of its own, given back the moment it is freed; left to itself the
// library would raise that bound to the largest picture yet freed and keep
// such pictures in the pool, which then only grows.
void shareOneAllocationPool() {
#ifdef __GLIBC__
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
}

// Work that the main window waits for, begun on other threads once the
// splash is up (the splash itself needs neither): the typefaces of the card
// pictures, and the session bus, which the menu bar asks whether the
// desktop shows menus itself (connecting, or finding there is no bus, takes
// a good many milliseconds).
void startWarmingUp() {
  assets::startPreparingPictures();
  QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
}

}  // namespace

int runApplication(int argc, char* argv[]) {
  // A termination request is held from the very start, the wait for the X
  // server to answer included; it is answered once the event loop runs, as
  // a quit like the close box.
  catchTerminationSignals();
  if (!desktopSessionFound(argc, argv)) return 1;
  shareOneAllocationPool();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmoran");
  // The program ends through Quit or the main window's close box, which
  // save first; never merely because the last window went away.
  QApplication::setQuitOnLastWindowClosed(false);
  TerminationSignals termination;
  SingleInstance instance(preferencesFolder());
  const SingleInstance::Start start = instance.acquire();
  if (start == SingleInstance::Start::AnotherCopyRuns)
    return tellAlreadyRunning(termination);
  if (instance.holdsLock()) removePrefsLeftovers(preferencesFolder());
  App app;
  if (start == SingleInstance::Start::CannotSave) app.saveNothing();
  listenToOutsideRequests(app, termination, instance);
  // Asked to end before anything was read: there is nothing to save.
  if (termination.requested()) return 0;
  if (!app.open()) return 0;
  instance.answerLaterStarts();
  startWarmingUp();
  return QApplication::exec();
}

}  // namespace velmoran
