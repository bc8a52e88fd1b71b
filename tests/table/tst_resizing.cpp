// The main window on a 2000 x 1500 screen: every resize and zoom ends with
// the window exactly the board, centred across the screen.
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "tests/table/TableFixture.h"

using namespace velmoran;

namespace {

constexpr int screenWidth = 2000;
// Longer than a live resize takes to count as ended, and no more.
constexpr int settleMs = 450;

QSize chromeOf(const Wmain& window) { return window.size() - window.board()->size(); }

void checkClosedInOnTheBoard(const Wmain& window, QSize board) {
  QTRY_COMPARE(window.board()->size(), board);  // a loaded machine may settle late
  QCOMPARE(window.canvas().offscreenPict().size(), board);
  QCOMPARE(window.frameGeometry().x(), (screenWidth - window.frameGeometry().width()) / 2);
}

}  // namespace

class ResizingTest : public QObject {
  Q_OBJECT
 private slots:
  void windowManagerOffersOnlyBoardSizes();
  void resizesBeyondTheLargestBoard();
  void oneStepToTheBoardThatFits();
  void zoomTogglesBetweenTheLargestFitAndTheSmallest();
  void marginsOfAWindowKeptLargerAreBlack();
  void aCopyOfTheBoardOutlivesAShrink();
};

// As a terminal declares its character cells: a window manager that honours
// the steps lets an edge be dragged only from one board to the next.
void ResizingTest::windowManagerOffersOnlyBoardSizes() {
  testing::Table table;
  Wmain& window = *table.window;
  const QWindow& handle = *window.windowHandle();
  const QSize smallest = QSize(739, 514) + chromeOf(window);
  QCOMPARE(handle.baseSize(), smallest);
  QCOMPARE(handle.sizeIncrement(), QSize(90, 63));
  QCOMPARE(handle.minimumSize(), smallest);
  QCOMPARE(handle.maximumSize(), smallest + 10 * QSize(90, 63));
}

void ResizingTest::resizesBeyondTheLargestBoard() {
  for (const QSize asked : {QSize(1800, 1163), QSize(1700, 1163), QSize(1639, 1300)}) {
    testing::Table table;
    Wmain& window = *table.window;
    window.resize(asked + chromeOf(window));
    QTest::qWait(settleMs);
    checkClosedInOnTheBoard(window, QSize(1639, 1144));
    QVERIFY(window.maximumSize().width() <= 1639 + chromeOf(window).width());
    QVERIFY(window.maximumSize().height() <= 1144 + chromeOf(window).height());
  }
}

// Cards of 80 fit 1020 pixels of height; the window closes in on their
// board at once, not in steps.
void ResizingTest::oneStepToTheBoardThatFits() {
  testing::Table table;
  Wmain& window = *table.window;
  window.resize(QSize(1920, 1020) + chromeOf(window));
  QTest::qWait(settleMs);
  checkClosedInOnTheBoard(window, QSize(1459, 1018));
  QCOMPARE(window.canvas().cardSize(), CardSize({80, 112}));
}

// The first zoom grows the board as far as the screen allows, the next
// returns to the smallest; the window is not left maximised either time.
void ResizingTest::zoomTogglesBetweenTheLargestFitAndTheSmallest() {
  testing::Table table;
  Wmain& window = *table.window;
  window.resize(QSize(919, 640) + chromeOf(window));
  QTest::qWait(settleMs);
  window.showMaximized();
  QTRY_VERIFY(!window.isMaximized());
  QTRY_COMPARE(window.board()->size(), QSize(1639, 1144));
  QTest::qWait(settleMs);
  checkClosedInOnTheBoard(window, QSize(1639, 1144));

  window.showMaximized();
  QTRY_VERIFY(!window.isMaximized());
  QTRY_COMPARE(window.board()->size(), QSize(739, 514));
  QTest::qWait(settleMs);
  checkClosedInOnTheBoard(window, QSize(739, 514));
}

// A window the system keeps larger than any board shows the board in the
// middle and black all round it.
void ResizingTest::marginsOfAWindowKeptLargerAreBlack() {
  testing::Table table;
  Wmain& window = *table.window;
  window.showFullScreen();
  QTest::qWait(settleMs);
  QCOMPARE(window.canvas().cardSize(), CardSize({90, 126}));
  const QImage shown = window.grab().toImage();
  const QSize spare = window.board()->size() - QSize(1639, 1144);
  QVERIFY(spare.width() > 0);
  QCOMPARE(window.boardOrigin(), QPoint(spare.width() / 2, spare.height() / 2));
  for (const QPoint corner : {QPoint(shown.width() - 1, shown.height() - 1), QPoint(0, shown.height() - 1),
                              QPoint(shown.width() - 1, chromeOf(window).height())})
    QCOMPARE(shown.pixel(corner) & 0xffffff, 0u);
}

// A smaller board is drawn in the larger board's memory, but never over a
// copy of the larger board that is still in use.
void ResizingTest::aCopyOfTheBoardOutlivesAShrink() {
  testing::Table table;
  Wmain& window = *table.window;
  window.resize(QSize(919, 640) + chromeOf(window));
  QTRY_COMPARE(window.canvas().offscreenPict().size(), QSize(919, 640));
  QTRY_VERIFY(window.canvas().picturesDrawn());
  const QImage kept = window.canvas().offscreenPict();
  const QImage asItWas = kept.copy();
  window.resize(QSize(739, 514) + chromeOf(window));
  QTRY_VERIFY(window.canvas().picturesDrawn() && window.canvas().cardSize() == CardSize({40, 56}));
  QCOMPARE(kept, asItWas);
}

// The screen of a desktop, not the offscreen platform's small default.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2000, "height": 1500,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  QApplication app(argc, argv);
  ResizingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_resizing.moc"
