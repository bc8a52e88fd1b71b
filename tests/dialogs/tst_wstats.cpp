#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "DialogDriving.h"
#include "GameFixture.h"
#include "dialogs/Wstats.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

QString lines(int a, int b, int c) { return QStringLiteral("%1\n%2\n%3").arg(a).arg(b).arg(c); }

const Statistics someCounts{.noCheatWins = 1,
                            .wins = 2,
                            .losses = 3,
                            .easyNoCheatWins = 40,
                            .easyWins = 50,
                            .easyLosses = 600};

}  // namespace

class WstatsTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithZeroesAndItsLabels();
  void eachCounterShowsOnItsOwnLine();
  void showingTheSheetShowsTheCurrentCounts();
  void clearStatsAnsweredYesZeroesEverything();
  void clearStatsAnsweredNoChangesNothing();
  void clearStatsThroughTheRealMessageBox();
  void escapeDoesNothingAndReturnMeansOk();
  void windowManagerCloseOnlyHides();
  void windowLooksAsDeclared();
};

void WstatsTest::startsWithZeroesAndItsLabels() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  const QString labels = QStringLiteral("Games won:\nGames won with \"cheating\":\nGames lost:");
  QCOMPARE(stats.STstandardLabel->text(), labels);
  QCOMPARE(stats.STeasyLabel->text(), labels);
  QCOMPARE(stats.STstandardStats->text(), lines(0, 0, 0));
  QCOMPARE(stats.STeasyStats->text(), lines(0, 0, 0));
  QCOMPARE(stats.GroupBox2->title(), QStringLiteral("Standard Games"));
  QCOMPARE(stats.GroupBox1->title(), QStringLiteral("Easy Games"));
  QCOMPARE(stats.StaticText1->text(), QStringLiteral("Game Statistics"));
}

// Line 1 is the clean wins, line 2 the wins with cheating, line 3 the losses.
void WstatsTest::eachCounterShowsOnItsOwnLine() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  game.routines.stats = someCounts;
  stats.updateDisplay();
  QCOMPARE(stats.STstandardStats->text(), lines(1, 2, 3));
  QCOMPARE(stats.STeasyStats->text(), lines(40, 50, 600));
  QVERIFY(stats.STeasyStats->alignment() & Qt::AlignRight);
  // A count too wide for the column grows it to the left, never cut off.
  const QRect column = stats.STeasyStats->geometry();
  QCOMPARE(column.right(), 274 - 13 + 20 - 1);
  QVERIFY(column.width() >= stats.STeasyStats->sizeHint().width());
  QVERIFY(column.width() > 20);
}

void WstatsTest::showingTheSheetShowsTheCurrentCounts() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  game.routines.stats = someCounts;  // as read from the preferences at start-up
  QString shown;
  whenModal<Wstats>([&](Wstats* sheet) {
    shown = sheet->STstandardStats->text();
    QTest::mouseClick(sheet->PBok, Qt::LeftButton);
  });
  stats.showSheet();
  QCOMPARE(shown, lines(1, 2, 3));
}

void WstatsTest::clearStatsAnsweredYesZeroesEverything() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  game.routines.stats = someCounts;
  stats.updateDisplay();
  QString asked;
  stats.setQuestion([&](QWidget*, const QString& text) {
    asked = text;
    return true;
  });
  stats.show();
  QTest::mouseClick(stats.PBclearStats, Qt::LeftButton);
  QCOMPARE(asked, QStringLiteral("Really reset all stats?\n\nThere is no undo available."));
  QCOMPARE(game.routines.stats, Statistics{});
  QCOMPARE(stats.STstandardStats->text(), lines(0, 0, 0));
  QCOMPARE(stats.STeasyStats->text(), lines(0, 0, 0));
  QVERIFY2(stats.isVisible(), "the sheet stays open");
}

void WstatsTest::clearStatsAnsweredNoChangesNothing() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  game.routines.stats = someCounts;
  stats.updateDisplay();
  stats.setQuestion([](QWidget*, const QString&) { return false; });
  stats.show();
  QTest::mouseClick(stats.PBclearStats, Qt::LeftButton);
  QCOMPARE(game.routines.stats, someCounts);
  QCOMPARE(stats.STeasyStats->text(), lines(40, 50, 600));
  QVERIFY(stats.isVisible());
}

void WstatsTest::clearStatsThroughTheRealMessageBox() {
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    GameFixture game;
    Wstats stats(game.routines, nullptr);
    game.routines.stats = someCounts;
    stats.show();
    QString boxText;
    whenModal<QMessageBox>([&](QMessageBox* box) {
      boxText = box->text();
      QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });
    QTest::mouseClick(stats.PBclearStats, Qt::LeftButton);
    QCOMPARE(boxText, QStringLiteral("Really reset all stats?\n\nThere is no undo available."));
    QCOMPARE(game.routines.stats, answer == QMessageBox::Yes ? Statistics{} : someCounts);
  }
}

void WstatsTest::escapeDoesNothingAndReturnMeansOk() {
  GameFixture game;
  Wstats stats(game.routines, nullptr);
  QSignalSpy dismissed(&stats, &Wstats::dismissed);
  bool upAfterEscape = false;
  whenModal<Wstats>([&](Wstats* sheet) {
    pressKey(sheet, Qt::Key_Escape);
    upAfterEscape = sheet->isVisible();
    pressKey(sheet, Qt::Key_Return);
  });
  stats.showSheet();
  QVERIFY(upAfterEscape);
  QVERIFY(stats.isHidden());
  QCOMPARE(dismissed.count(), 1);
}

void WstatsTest::windowManagerCloseOnlyHides() {
  GameFixture game;
  QPointer<Wstats> stats = new Wstats(game.routines, nullptr);
  game.routines.stats = someCounts;
  QSignalSpy dismissed(stats.data(), &Wstats::dismissed);
  whenModal<Wstats>([](Wstats* sheet) { sheet->close(); });
  stats->showSheet();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(stats, "the one statistics window outlives a close");
  QVERIFY(stats->isHidden());
  QCOMPARE(dismissed.count(), 1);
  QCOMPARE(game.routines.stats, someCounts);

  QString shownAgain;
  whenModal<Wstats>([&](Wstats* sheet) {
    shownAgain = sheet->STeasyStats->text();
    QTest::mouseClick(sheet->PBok, Qt::LeftButton);
  });
  stats->showSheet();
  QCOMPARE(shownAgain, lines(40, 50, 600));
  delete stats;
}

void WstatsTest::windowLooksAsDeclared() {
  GameFixture game;
  QWidget table;
  Wstats stats(game.routines, &table);
  QCOMPARE(stats.windowTitle(), QStringLiteral("Statistics"));
  QCOMPARE(stats.size(), QSize(330, 300));
  QCOMPARE(stats.minimumSize(), stats.maximumSize());
  QCOMPARE(stats.windowModality(), Qt::WindowModal);
  QVERIFY(!(stats.windowFlags() & Qt::WindowCloseButtonHint));
  QVERIFY(stats.property("blocksQuit").toBool());
  QVERIFY(stats.PBok->isDefault());
  QCOMPARE(stats.PBok->geometry(), QRect(247, 262, 69, 20));
  QCOMPARE(stats.PBclearStats->geometry(), QRect(138, 262, 90, 20));
  // Coordinates inside the boxes are the window's, less the box's corner.
  QCOMPARE(stats.STstandardStats->mapTo(&stats, QPoint(0, 0)), QPoint(274, 106));
  QCOMPARE(stats.STeasyLabel->mapTo(&stats, QPoint(0, 0)), QPoint(33, 193));
}

QTEST_MAIN(WstatsTest)
#include "tst_wstats.moc"
