#include "shell/Application.h"

#include <QApplication>

#include "shell/AlreadyRunning.h"
#include "shell/App.h"
#include "shell/PreferencesFolder.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"

namespace velmoran {

int runApplication(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmoran");
  // The program ends through Quit or the main window's close box, which
  // save first; never merely because the last window went away.
  QApplication::setQuitOnLastWindowClosed(false);
  // From here on a termination request is a quit like the close box.
  TerminationSignals termination;
  SingleInstance instance(preferencesFolder());
  if (!instance.acquire()) return tellAlreadyRunning(instance, termination);
  App app;
  listenToOutsideRequests(app, termination, instance);
  if (!app.open()) return 0;
  return QApplication::exec();
}

}  // namespace velmoran
