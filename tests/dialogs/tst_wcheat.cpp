#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "tests/dialogs/DialogDriving.h"
#include "tests/dialogs/GameFixture.h"
#include "dialogs/Wcheat.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

void tick(Wcheat* sheet) { QTest::mouseClick(sheet->CBalwaysCheat, Qt::LeftButton, {}, {8, 10}); }

// One of the player's ways out of the sheet, e.g. "tick escape".
void answer(Wcheat* sheet, const QString& how) {
  if (how.startsWith("tick")) tick(sheet);
  if (how.contains("focus")) sheet->PBcheat->setFocus();
  const QString way = how.section(' ', -1);
  if (way == "cheat") QTest::mouseClick(sheet->PBcheat, Qt::LeftButton);
  if (way == "dontCheat") QTest::mouseClick(sheet->PBdontCheat, Qt::LeftButton);
  if (way == "escape") pressKey(sheet, Qt::Key_Escape);
  if (way == "return") pressKey(sheet, Qt::Key_Return);
  if (way == "close") sheet->close();
}

}  // namespace

class WcheatTest : public QObject {
  Q_OBJECT

 private slots:
  void answers_data();
  void answers();
  void everyShowingStartsAfreshWithoutAStaleAnswer();
};

void WcheatTest::answers_data() {
  QTest::addColumn<QString>("reason");
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("cheats");
  QTest::addColumn<bool>("warningAfter");
  const QStringList reasons = {
      "Dealing more cards when you still have playable cards in your hand is considered "
      "\"cheating\".",
      "Once you've dealt new cards, going back to the previous cards is considered \"cheating\".",
      "Playing from the hand when there are orphaned cards in the grid is considered "
      "\"cheating\"."};
  for (const QString& reason : reasons) {
    const QString caller = reason.section(' ', 0, 0);
    auto row = [&](const char* how, bool cheats, bool warningAfter) {
      QTest::addRow("%s %s", qPrintable(caller), how) << reason << how << cheats << warningAfter;
    };
    row("cheat", true, true);
    row("dontCheat", false, true);
    row("escape", false, true);
    row("return", false, true);
    row("focus return", false, true);  // Return means the default answer wherever the focus is
    row("close", false, true);
    row("tick cheat", true, false);
    row("tick escape", false, true);
    row("tick close", false, true);
  }
}

void WcheatTest::answers() {
  QFETCH(QString, reason);
  QFETCH(QString, how);
  QFETCH(bool, cheats);
  QFETCH(bool, warningAfter);
  GameFixture game;
  QString shownMessage;
  QPointer<Wcheat> shown;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    shown = sheet;
    shownMessage = sheet->STcheatMessage->text();
    QVERIFY(sheet->property("blocksQuit").toBool());
    answer(sheet, how);
  });
  QCOMPARE(Wcheat::ask(nullptr, game.routines, reason), cheats);

  QCOMPARE(shownMessage, reason);
  QCOMPARE(game.routines.gCheatWarning, warningAfter);
  QCOMPARE(game.table.settingsChanges, warningAfter ? 0 : 1);  // the menus hear of it
  QCOMPARE(game.routines.gCheated, false);  // marking the game is the caller's business
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(shown.isNull(), "the sheet is destroyed once answered");
}

void WcheatTest::everyShowingStartsAfreshWithoutAStaleAnswer() {
  GameFixture game;
  whenModal<Wcheat>([](Wcheat* sheet) {
    tick(sheet);
    QVERIFY(!sheet->PBdontCheat->isEnabled());
    QTest::mouseClick(sheet->PBcheat, Qt::LeftButton);
  });
  QVERIFY(Wcheat::ask(nullptr, game.routines, "first"));
  game.routines.gCheatWarning = true;

  bool boxClear = false, dontCheatEnabled = false;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    boxClear = !sheet->CBalwaysCheat->isChecked();
    dontCheatEnabled = sheet->PBdontCheat->isEnabled();
    sheet->close();
  });
  QVERIFY(!Wcheat::ask(nullptr, game.routines, "second"));
  QVERIFY(boxClear);
  QVERIFY(dontCheatEnabled);
}

QTEST_MAIN(WcheatTest)
#include "tst_wcheat.moc"
