#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include "tests/dialogs/DialogDriving.h"
#include "tests/dialogs/GameFixture.h"
#include "dialogs/Wstats.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

QString lines(int a, int b, int c) { return QStringLiteral("%1\n%2\n%3").arg(a).arg(b).arg(c); }

const Statistics someCounts{1, 2, 3, 40, 50, 600};

}  // namespace

class WstatsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachCounterShowsOnItsOwnLine();
  void eachCountedGameShowsAtOnce_data();
  void eachCountedGameShowsAtOnce();
  void clearStatsAsksFirst();
  void onlyOkOrTheWindowManagerDismissesAndNothingIsLost();
};

// Line 1 is the clean wins, line 2 the wins with cheating, line 3 the losses.
void WstatsTest::eachCounterShowsOnItsOwnLine() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  QCOMPARE(stats.STstandardStats->text(), lines(0, 0, 0));
  game.routines.stats = someCounts;
  stats.updateDisplay();
  QCOMPARE(stats.STstandardStats->text(), lines(1, 2, 3));
  QCOMPARE(stats.STeasyStats->text(), lines(40, 50, 600));
  // A count too wide for the 20-pixel column grows it to the left.
  const QRect column = stats.STeasyStats->geometry();
  QCOMPARE(column.right() + stats.STeasyStats->parentWidget()->x(), 274 + 20 - 1);
  QVERIFY(column.width() > 20 && column.width() >= stats.STeasyStats->sizeHint().width());
}

void WstatsTest::eachCountedGameShowsAtOnce_data() {
  QTest::addColumn<int>("difficulty");
  QTest::addColumn<bool>("won");
  QTest::addColumn<bool>("cheated");
  QTest::addColumn<QString>("standard");
  QTest::addColumn<QString>("easy");
  QTest::newRow("Standard win") << 1 << true << false << lines(1, 0, 0) << lines(0, 0, 0);
  QTest::newRow("Standard cheated win") << 1 << true << true << lines(0, 1, 0) << lines(0, 0, 0);
  QTest::newRow("Standard loss") << 1 << false << false << lines(0, 0, 1) << lines(0, 0, 0);
  QTest::newRow("Easy win") << 2 << true << false << lines(0, 0, 0) << lines(1, 0, 0);
  QTest::newRow("Easy cheated win") << 2 << true << true << lines(0, 0, 0) << lines(0, 1, 0);
  QTest::newRow("Easy loss") << 2 << false << true << lines(0, 0, 0) << lines(0, 0, 1);
}

void WstatsTest::eachCountedGameShowsAtOnce() {
  QFETCH(int, difficulty);
  QFETCH(bool, won);
  QFETCH(bool, cheated);
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  game.table.whenStatisticsChange = [&] { stats.updateDisplay(); };
  game.routines.game = difficulty;
  game.routines.gGameCounts = true;
  game.routines.gVictory = won;
  game.routines.gCheated = cheated;
  game.routines.updateStats();
  game.routines.updateStats();  // a game counts once
  QTEST(stats.STstandardStats->text(), "standard");
  QTEST(stats.STeasyStats->text(), "easy");
}

void WstatsTest::clearStatsAsksFirst() {
  for (const auto reply : {QMessageBox::No, QMessageBox::Yes}) {
    GameFixture game;
    Wstats stats(game.routines, nullptr);
    game.routines.stats = someCounts;
    stats.updateDisplay();
    stats.show();
    QString asked;
    whenModal<QMessageBox>([&](QMessageBox* box) {
      asked = box->text();
      QTest::mouseClick(box->button(reply), Qt::LeftButton);
    });
    QTest::mouseClick(stats.PBclearStats, Qt::LeftButton);
    QCOMPARE(asked, QStringLiteral("Really reset all stats?\n\nThere is no undo available."));
    const bool cleared = reply == QMessageBox::Yes;
    QCOMPARE(game.routines.stats, cleared ? Statistics{} : someCounts);
    QCOMPARE(stats.STeasyStats->text(), cleared ? lines(0, 0, 0) : lines(40, 50, 600));
    QVERIFY2(stats.isVisible(), "the sheet stays open");
  }
}

void WstatsTest::onlyOkOrTheWindowManagerDismissesAndNothingIsLost() {
  GameFixture game;
  QPointer<Wstats> stats = new Wstats(game.routines, nullptr);
  QVERIFY(stats->property("blocksQuit").toBool());
  QSignalSpy dismissed(stats.data(), &Wstats::dismissed);
  game.routines.stats = someCounts;  // as read at start-up, never displayed yet
  QString shown;
  bool upAfterEscape = false;
  whenModal<Wstats>([&](Wstats* sheet) {
    shown = sheet->STstandardStats->text();
    pressKey(sheet, Qt::Key_Escape);
    upAfterEscape = sheet->isVisible();
    pressKey(sheet, Qt::Key_Return);
  });
  stats->showSheet();
  QCOMPARE(shown, lines(1, 2, 3));
  QVERIFY(upAfterEscape);

  whenModal<Wstats>([](Wstats* sheet) { sheet->close(); });
  stats->showSheet();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(stats, "the one statistics window outlives a close");
  QVERIFY(stats->isHidden());
  QCOMPARE(dismissed.count(), 2);
  QCOMPARE(game.routines.stats, someCounts);
  delete stats;
}

QTEST_MAIN(WstatsTest)
#include "tst_wstats.moc"
