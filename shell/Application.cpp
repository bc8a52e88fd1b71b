#include "shell/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace velmoran {

int runApplication(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Velmoran");
  QMainWindow window;
  window.setWindowTitle("Velmoran");
  window.resize(739, 514);
  window.show();
  return QApplication::exec();
}

}  // namespace velmoran
