#include "shell/Application.h"

#include <QApplication>

#include "shell/App.h"

namespace velmoran {

int runApplication(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmoran");
  // The program ends through Quit or the main window's close box, which
  // save first; never merely because the last window went away.
  QApplication::setQuitOnLastWindowClosed(false);
  App app;
  if (!app.open()) return 0;
  return QApplication::exec();
}

}  // namespace velmoran
