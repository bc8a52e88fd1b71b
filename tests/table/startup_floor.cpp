// The floor for start-up measurements: the least a Qt program does to put
// one empty window of the smallest board's size on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Floor");
  window.resize(739, 514);
  window.show();
  return QApplication::exec();
}
