// The main window on a 2000 x 1500 screen, with a 1024 x 768 screen to its
// right: every resize and zoom ends with the window exactly the board,
// centred across its screen and wholly on it.
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "tests/table/DesktopScreens.h"
#include "tests/table/TableFixture.h"

using namespace velmoran;

namespace {

constexpr int screenWidth = 2000;
const QRect smallScreen(2000, 0, 1024, 768);
// Longer than a live resize takes to count as ended, and no more.
constexpr int settleMs = 450;

QSize chromeOf(const Wmain& window) { return window.size() - window.board()->size(); }

void checkClosedInOnTheBoard(const Wmain& window, QSize board) {
  QTRY_COMPARE(window.board()->size(), board);  // a loaded machine may settle late
  QCOMPARE(window.canvas().offscreenPict().size(), board);
  QCOMPARE(window.frameGeometry().x(), (screenWidth - window.frameGeometry().width()) / 2);
}

// The sizes of the board pictures a widget showed, one for each paint.
class ShownBoards : public QObject {
 public:
  ShownBoards(const Wmain& window) : window_(window) { window.board()->installEventFilter(this); }
  std::vector<QSize> sizes;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) sizes.push_back(window_.canvas().offscreenPict().size());
    return QObject::eventFilter(watched, event);
  }

 private:
  const Wmain& window_;
};

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
  void aResizeEndsWithTheWindowOnItsScreen();
  void aSmallerScreenRefitsTheWindow();
  void aZoomGoesStraightToItsBoard();
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

// However large the window manager let the window grow, and wherever it
// left it, the window settles on a board whose window, frame included, lies
// on its screen: moved up where it hung below, made smaller where the
// screen is too small for it.
void ResizingTest::aResizeEndsWithTheWindowOnItsScreen() {
  {
    testing::Table table;
    Wmain& window = *table.window;
    window.move(100, 700);
    window.resize(QSize(1639, 1144) + chromeOf(window));
    QTest::qWait(settleMs);
    checkClosedInOnTheBoard(window, QSize(1639, 1144));
    QTRY_VERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
  }
  {
    testing::Table table;
    Wmain& window = *table.window;
    window.setGeometry(
        QRect(smallScreen.topLeft() + QPoint(30, 20), QSize(1549, 1100) + chromeOf(window)));
    QTest::qWait(settleMs);
    QTRY_COMPARE(window.board()->size(), QSize(1009, 703));  // cards of 55
    QTRY_VERIFY(smallScreen.contains(window.frameGeometry()));
  }
}

// A zoomed window taken to a smaller screen takes the largest board that
// fits there.
void ResizingTest::aSmallerScreenRefitsTheWindow() {
  testing::Table table;
  Wmain& window = *table.window;
  window.showMaximized();
  QTRY_COMPARE(window.board()->size(), QSize(1639, 1144));
  QTest::qWait(settleMs);
  window.move(smallScreen.topLeft() + QPoint(10, 10));
  QTRY_COMPARE(window.screen()->geometry(), smallScreen);
  QTRY_COMPARE(window.board()->size(), QSize(1009, 703));
  QTRY_VERIFY(smallScreen.contains(window.frameGeometry()));
}

// The window goes from the maximised size straight to the zoom's board; it
// is not drawn at the size it had before the zoom on the way.
void ResizingTest::aZoomGoesStraightToItsBoard() {
  testing::Table table;
  Wmain& window = *table.window;
  window.resize(QSize(919, 640) + chromeOf(window));
  QTest::qWait(settleMs);
  QTRY_COMPARE(window.canvas().offscreenPict().size(), QSize(919, 640));
  ShownBoards shown(window);
  window.showMaximized();
  QTRY_VERIFY(!window.isMaximized());
  QTest::qWait(settleMs);
  checkClosedInOnTheBoard(window, QSize(1639, 1144));
  QVERIFY(!shown.sizes.empty());
  QVERIFY2(std::find(shown.sizes.begin(), shown.sizes.end(), QSize(919, 640)) == shown.sizes.end(),
           "the board was shown at its old size");
}

// The screens of a desktop, not the offscreen platform's small default.
int main(int argc, char** argv) {
  return testing::runOnScreens<ResizingTest>(
      QByteArray("[") + testing::desktopScreen + R"(,
                 {"name": "small", "x": 2000, "y": 0, "width": 1024, "height": 768,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])",
      argc, argv);
}

#include "tst_resizing.moc"
