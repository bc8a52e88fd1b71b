// The help window's board diagrams come from the board drawing alone: no
// window is built for them, so they are drawn where no widget may exist.
#include <QGuiApplication>
#include <QTest>
#include <set>

#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/WindowDiagrams.h"

namespace {

int coloursIn(const QImage& picture) {
  std::set<QRgb> colours;
  for (int y = 0; y < picture.height(); y += 2)
    for (int x = 0; x < picture.width(); x += 2) colours.insert(picture.pixel(x, y));
  return static_cast<int>(colours.size());
}

}  // namespace

class BoardDiagramsTest : public QObject {
  Q_OBJECT
 private slots:
  void drawnWithoutAWindow() {
    for (auto diagram : {velmoran::booksDiagram, velmoran::handDiagram,
                         velmoran::legalPlacesDiagram, velmoran::orphanDiagram,
                         velmoran::conflictDiagram}) {
      const QImage picture = diagram();
      QVERIFY(!picture.isNull());
      QVERIFY(picture.width() <= velmoran::diagramLimit.width());
      QVERIFY(picture.height() <= velmoran::diagramLimit.height());
      QVERIFY(coloursIn(picture) > 50);  // cards and places, not a blank board
    }
  }
};

// A GUI application without widgets: building any window here would abort.
int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  BoardDiagramsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_board_diagrams.moc"
