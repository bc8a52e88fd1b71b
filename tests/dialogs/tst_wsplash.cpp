#include <QPointer>

#include "tests/dialogs/DialogDriving.h"
#include "tests/dialogs/GameFixture.h"
#include "dialogs/Wsplash.h"

using namespace velmoran;
using namespace velmoran::testing;

class WsplashTest : public QObject {
  Q_OBJECT

  GameFixture game;
  QPointer<Wsplash> splash;
  QStringList wanted;  // what the splash asked for, in order

  void build(bool helpAtStart) {
    game.routines.gAlwaysShowInstructions = helpAtStart;
    wanted.clear();
    splash = new Wsplash(game.routines);
    connect(splash, &Wsplash::mainWindowWanted, [this] { wanted << "main"; });
    connect(splash, &Wsplash::instructionsWanted, [this] { wanted << "help"; });
    splash->show();
  }

 private slots:
  void endsOnce_data();
  void endsOnce();
};

void WsplashTest::endsOnce_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("helpAtStart");
  for (const char* how : {"timer", "key", "click", "close"}) {
    QTest::addRow("%s, help off", how) << how << false;
    QTest::addRow("%s, help on", how) << how << true;
  }
}

// Whatever ends the splash, the main window is asked for exactly once, the
// help window once more when wanted, and nothing can end it a second time.
void WsplashTest::endsOnce() {
  QFETCH(QString, how);
  QFETCH(bool, helpAtStart);
  build(helpAtStart);
  QVERIFY(splash->property("blocksQuit").toBool());
  if (how == "key") QTest::keyClick(splash, Qt::Key_Space);
  if (how == "click") QTest::mouseClick(splash, Qt::LeftButton, {}, {30, 40});
  if (how == "close") splash->close();
  if (how == "timer") {
    QTest::qWait(Wsplash::pauseMilliseconds - 300);
    QVERIFY(wanted.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!wanted.isEmpty(), 1000);
  }
  if (splash) {  // a second ending in the same turn does nothing
    QTest::keyClick(splash, Qt::Key_A);
    QTest::mouseClick(splash, Qt::LeftButton);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(splash.isNull(), "the splash is gone, and its timer with it");
  QCOMPARE(wanted, helpAtStart ? QStringList({"main", "help"}) : QStringList({"main"}));
}

QTEST_MAIN(WsplashTest)
#include "tst_wsplash.moc"
