// Holding input while busy, the waits, and a real-time animation on screen.
#include <QAction>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/table/TableFixture.h"
#include "table/InputHold.h"
#include "table/Waiting.h"

using namespace velmoran;
using testing::Table;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

// A window that notices being closed.
class ClosableWindow : public QWidget {
 public:
  int closes = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closes;
    QWidget::closeEvent(event);
  }
};

}  // namespace

class BusyTest : public QObject {
  Q_OBJECT
 private slots:
  void inputIsHeldWhileBusyAndPassesAfterwards();
  void buttonRecordFollowsPressAndRelease();
  void closeAskedForWhileBusyHappensAfterwards();
  void suspendLetsASheetBeAnswered();
  void waitsLastTheirTimeAndEnd();
  void flashingOrphansRepaintsTheWindowInRealTime();
  void secondPressDuringAnAnimationIsHeld();
};

void BusyTest::inputIsHeldWhileBusyAndPassesAfterwards() {
  QWidget window;
  QPushButton* button = new QPushButton("x", &window);
  QAction* undo = new QAction(&window);
  undo->setShortcut(QKeySequence("Ctrl+Z"));
  window.addAction(undo);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QSignalSpy clicks(button, &QPushButton::clicked);
  QSignalSpy undos(undo, &QAction::triggered);
  {
    const BusyScope busy;
    QVERIFY(InputHold::instance().isBusy());
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  }
  QCOMPARE(clicks.count(), 0);
  QCOMPARE(undos.count(), 0);
  QVERIFY(!InputHold::instance().isBusy());
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(undos.count(), 1);
}

void BusyTest::buttonRecordFollowsPressAndRelease() {
  QWidget window;
  window.show();
  const InputHold& hold = InputHold::instance();
  const BusyScope busy;  // recorded even while the events are held
  QTest::mousePress(&window, Qt::LeftButton);
  QVERIFY(hold.mouseButtonDown());
  QTest::mouseRelease(&window, Qt::LeftButton);
  QVERIFY(!hold.mouseButtonDown());
}

void BusyTest::closeAskedForWhileBusyHappensAfterwards() {
  ClosableWindow window;
  window.show();
  {
    const BusyScope busy;
    {
      const BusyScope nested;
      QVERIFY(!window.close());
    }
    QCoreApplication::processEvents();
    QVERIFY(window.isVisible());  // still busy in the outer scope
  }
  QTRY_VERIFY(!window.isVisible());
  QCOMPARE(window.closes, 1);
}

void BusyTest::suspendLetsASheetBeAnswered() {
  QPushButton button("answer");
  button.show();
  QSignalSpy clicks(&button, &QPushButton::clicked);
  const BusyScope busy;
  {
    const SuspendScope sheet;
    QTest::mouseClick(&button, Qt::LeftButton);
  }
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(clicks.count(), 1);
}

void BusyTest::waitsLastTheirTimeAndEnd() {
  QElapsedTimer clock;
  clock.start();
  waitFor(std::chrono::milliseconds(60));
  QVERIFY(clock.elapsed() >= 60);
  QVERIFY(clock.elapsed() < 1000);
  clock.restart();
  waitFor(std::chrono::microseconds(0));
  waitFor(std::chrono::microseconds(-5));
  QVERIFY(clock.elapsed() < 50);
  clock.restart();
  waitWhile([] { return true; }, std::chrono::milliseconds(100));  // never ends by itself
  QVERIFY(clock.elapsed() >= 100);
  QVERIFY(clock.elapsed() < 1000);
  QVERIFY(!InputHold::instance().isBusy());
}

// Three dim-and-restore flashes of 80 ms each way, every step shown.
void BusyTest::flashingOrphansRepaintsTheWindowInRealTime() {
  Table table;
  QVERIFY(QTest::qWaitForWindowExposed(table.window.get()));
  table.game.gPlayingGrid[9][2] = 1;
  table.game.gPlayingGrid[2][8] = 2;
  table.game.checkForOrphans();
  table.window->rebuildOffscreen();
  PaintCounter counter(table.board());
  QElapsedTimer clock;
  clock.start();
  table.game.flashOrphans();
  QVERIFY(clock.elapsed() >= 6 * 80);
  QVERIFY(clock.elapsed() < 3000);
  QVERIFY(counter.paints >= 12);
  QCOMPARE(table.count(Sound::SNDblipblip), 1);
  QCOMPARE(table.canvas().windowSurface(), table.canvas().offscreenPict());
  QVERIFY(!InputHold::instance().isBusy());
}

// A press while the orphans flash neither plays nor picks anything up.
void BusyTest::secondPressDuringAnAnimationIsHeld() {
  Table table;
  table.game.gPlayingGrid[9][2] = 1;
  table.game.checkForOrphans();
  bool pressedDuringFlash = false;
  QTimer::singleShot(100, [&] {
    pressedDuringFlash = InputHold::instance().isBusy();
    table.press(table.centreOf(9, 2));
    table.release(table.centreOf(9, 2));
  });
  table.press(table.centreOf(3, 3));  // flashes for about half a second
  table.release(table.centreOf(3, 3));
  QVERIFY(pressedDuringFlash);
  QCOMPARE(table.count(Sound::SNDblipblip), 1);
  QCOMPARE(table.count(Sound::SNDflick), 0);
  QVERIFY(!table.window->dragSprite()->isVisible());
}

QTEST_MAIN(BusyTest)
#include "tst_busy.moc"
