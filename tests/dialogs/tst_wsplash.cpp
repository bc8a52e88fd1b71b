#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "GameFixture.h"
#include "dialogs/Wsplash.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

// Records what the splash asked for, in order.
struct Endings {
  QStringList wanted;

  void watch(Wsplash* splash) {
    QObject::connect(splash, &Wsplash::mainWindowWanted, [this] { wanted << "main"; });
    QObject::connect(splash, &Wsplash::instructionsWanted, [this] { wanted << "help"; });
  }
};

void settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class WsplashTest : public QObject {
  Q_OBJECT

 private slots:
  void endsOnce_data();
  void endsOnce();
  void endsByItselfAfterThePause();
  void windowLooksAsDeclared();
};

void WsplashTest::endsOnce_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("helpAtStart");
  for (const char* how : {"key", "click", "close"}) {
    QTest::addRow("%s, help off", how) << how << false;
    QTest::addRow("%s, help on", how) << how << true;
  }
}

// Whatever ends the splash, the main window is asked for exactly once, the
// help window once more when wanted, and nothing can end it a second time.
void WsplashTest::endsOnce() {
  QFETCH(QString, how);
  QFETCH(bool, helpAtStart);
  GameFixture game;
  game.routines.gAlwaysShowInstructions = helpAtStart;
  QPointer<Wsplash> splash = new Wsplash(game.routines);
  Endings endings;
  endings.watch(splash);
  splash->show();

  if (how == "key") QTest::keyClick(splash, Qt::Key_Space);
  if (how == "click") QTest::mouseClick(splash, Qt::LeftButton, {}, {30, 40});
  if (how == "close") splash->close();
  if (splash) {
    QTest::keyClick(splash, Qt::Key_A);  // a second ending in the same turn does nothing
    QTest::mouseClick(splash, Qt::LeftButton);
  }
  settle();

  QVERIFY2(splash.isNull(), "the splash is gone with its timer");
  QCOMPARE(endings.wanted, helpAtStart ? QStringList({"main", "help"}) : QStringList({"main"}));
}

void WsplashTest::endsByItselfAfterThePause() {
  GameFixture game;
  game.routines.gAlwaysShowInstructions = true;
  QElapsedTimer clock;
  clock.start();
  QPointer<Wsplash> splash = new Wsplash(game.routines);
  Endings endings;
  endings.watch(splash);
  QObject::connect(splash, &Wsplash::mainWindowWanted,
                   [&] { QVERIFY2(clock.elapsed() >= 3300 - 20, "the pause is not cut short"); });
  splash->show();
  QTest::qWait(3000);
  QVERIFY(endings.wanted.isEmpty());
  QTRY_COMPARE_WITH_TIMEOUT(endings.wanted, QStringList({"main", "help"}), 2000);
  settle();
  QVERIFY(splash.isNull());
}

void WsplashTest::windowLooksAsDeclared() {
  GameFixture game;
  Wsplash splash(game.routines);
  splash.setAttribute(Qt::WA_DeleteOnClose, false);
  QCOMPARE(splash.windowTitle(), QStringLiteral("Velmoran"));
  QCOMPARE(splash.size(), QSize(496, 132));
  QCOMPARE(splash.minimumSize(), splash.maximumSize());
  QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
  QVERIFY(splash.property("blocksQuit").toBool());
  QCOMPARE(splash.StaticText1->geometry(), QRect(184, 90, 296, 34));
  QVERIFY(splash.StaticText1->text().startsWith("Velmoran v. 2.2\n"));
  QVERIFY(splash.Tpause.isSingleShot());
  QCOMPARE(splash.Tpause.interval(), 3300);
  QVERIFY2(splash.Tpause.isActive(), "the pause counts from the moment the splash is built");
}

QTEST_MAIN(WsplashTest)
#include "tst_wsplash.moc"
