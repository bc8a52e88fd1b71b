#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "DialogDriving.h"
#include "GameFixture.h"
#include "dialogs/SheetScope.h"
#include "dialogs/Wcheat.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

const QString dealReason = QStringLiteral(
    "Dealing more cards when you still have playable cards in your hand is considered "
    "\"cheating\".");
const QString undoReason = QStringLiteral(
    "Once you've dealt new cards, going back to the previous cards is considered \"cheating\".");
const QString orphanReason = QStringLiteral(
    "Playing from the hand when there are orphaned cards in the grid is considered "
    "\"cheating\".");

void tick(Wcheat* sheet) { QTest::mouseClick(sheet->CBalwaysCheat, Qt::LeftButton, {}, {8, 10}); }

// The player's ways out of the sheet.
void act(Wcheat* sheet, const QString& how) {
  if (how.startsWith("tick ")) tick(sheet);
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
  void returnWithCheatFocusedStillMeansDontCheat();
  void returnDoesNothingWhileDontCheatIsDisabled();
  void tickingTogglesDontCheatAndChangesNoSetting();
  void everyShowingStartsAfresh();
  void staleCheatAnswerNeverCarriesOver();
  void windowLooksAsDeclared();
  void inputHoldIsSuspendedWhileUp();
};

void WcheatTest::answers_data() {
  QTest::addColumn<QString>("reason");
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("cheats");
  QTest::addColumn<bool>("warningAfter");
  const QList<std::tuple<QString, bool, bool>> ways = {
      {"cheat", true, true},        {"dontCheat", false, true},  {"escape", false, true},
      {"return", false, true},      {"close", false, true},      {"tick cheat", true, false},
      {"tick escape", false, true}, {"tick close", false, true},
  };
  for (const auto& [caller, reason] :
       {std::pair{"deal", dealReason}, {"undo", undoReason}, {"orphans", orphanReason}}) {
    for (const auto& [how, cheats, warningAfter] : ways) {
      QTest::addRow("%s, %s", caller, qPrintable(how)) << reason << how << cheats << warningAfter;
    }
  }
}

void WcheatTest::answers() {
  QFETCH(QString, reason);
  QFETCH(QString, how);
  GameFixture game;
  QString shownMessage;
  QPointer<Wcheat> shown;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    shown = sheet;
    shownMessage = sheet->STcheatMessage->text();
    act(sheet, how);
  });
  const bool answeredCheat = Wcheat::ask(nullptr, game.routines, reason);

  QCOMPARE(shownMessage, reason);
  QFETCH(bool, cheats);
  QCOMPARE(answeredCheat, cheats);
  QCOMPARE(QString::fromStdString(game.routines.userResponse),
           cheats ? Wcheat::cheatAnswer : Wcheat::dontCheatAnswer);
  QFETCH(bool, warningAfter);
  QCOMPARE(game.routines.gCheatWarning, warningAfter);
  QCOMPARE(game.routines.gCheated, false);  // marking the game is the caller's business
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY2(shown.isNull(), "the sheet is destroyed once answered");
}

void WcheatTest::returnWithCheatFocusedStillMeansDontCheat() {
  GameFixture game;
  whenModal<Wcheat>([](Wcheat* sheet) {
    sheet->PBcheat->setFocus();
    pressKey(sheet, Qt::Key_Return);
  });
  QVERIFY(!Wcheat::ask(nullptr, game.routines, dealReason));
}

void WcheatTest::returnDoesNothingWhileDontCheatIsDisabled() {
  GameFixture game;
  bool stillUp = false;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    tick(sheet);
    pressKey(sheet, Qt::Key_Return);
    stillUp = sheet->isVisible();
    sheet->close();
  });
  QVERIFY(!Wcheat::ask(nullptr, game.routines, undoReason));
  QVERIFY(stillUp);
  QVERIFY(game.routines.gCheatWarning);
}

void WcheatTest::tickingTogglesDontCheatAndChangesNoSetting() {
  GameFixture game;
  Wcheat sheet(game.routines, nullptr);
  sheet.show();
  for (int round = 0; round < 3; ++round) {
    tick(&sheet);
    QVERIFY(sheet.CBalwaysCheat->isChecked());
    QVERIFY(!sheet.PBdontCheat->isEnabled());
    tick(&sheet);
    QVERIFY(sheet.PBdontCheat->isEnabled());
  }
  QVERIFY(game.routines.gCheatWarning);
}

void WcheatTest::everyShowingStartsAfresh() {
  GameFixture game;
  whenModal<Wcheat>([](Wcheat* sheet) {
    tick(sheet);
    sheet->close();
  });
  Wcheat::ask(nullptr, game.routines, dealReason);

  bool boxClear = false, dontCheatEnabled = false;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    boxClear = !sheet->CBalwaysCheat->isChecked();
    dontCheatEnabled = sheet->PBdontCheat->isEnabled();
    QTest::mouseClick(sheet->PBdontCheat, Qt::LeftButton);
  });
  Wcheat::ask(nullptr, game.routines, dealReason);
  QVERIFY(boxClear);
  QVERIFY(dontCheatEnabled);
}

void WcheatTest::staleCheatAnswerNeverCarriesOver() {
  GameFixture game;
  game.routines.userResponse = "Cheat";
  QString answerWhileUp;
  whenModal<Wcheat>([&](Wcheat* sheet) {
    answerWhileUp = QString::fromStdString(game.routines.userResponse);
    sheet->close();
  });
  QVERIFY(!Wcheat::ask(nullptr, game.routines, orphanReason));
  QCOMPARE(answerWhileUp, Wcheat::dontCheatAnswer);
  QCOMPARE(QString::fromStdString(game.routines.userResponse), Wcheat::dontCheatAnswer);
}

void WcheatTest::windowLooksAsDeclared() {
  GameFixture game;
  QWidget table;
  Wcheat sheet(game.routines, &table);
  QCOMPARE(sheet.windowTitle(), QStringLiteral("Cheat Warning"));
  QCOMPARE(sheet.size(), QSize(402, 124));
  QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
  QCOMPARE(sheet.windowModality(), Qt::WindowModal);
  QVERIFY(!(sheet.windowFlags() & Qt::WindowCloseButtonHint));
  QVERIFY(sheet.property("blocksQuit").toBool());
  QCOMPARE(sheet.STcheatMessage->text(), QStringLiteral("(message)"));
  QCOMPARE(sheet.CBalwaysCheat->text(), QStringLiteral("Never warn about cheating"));
  QCOMPARE(sheet.PBdontCheat->geometry(), QRect(297, 90, 90, 20));
  QCOMPARE(sheet.PBcheat->geometry(), QRect(212, 90, 69, 20));
  QCOMPARE(sheet.STcheatMessage->geometry(), QRect(103, 18, 284, 61));
}

void WcheatTest::inputHoldIsSuspendedWhileUp() {
  GameFixture game;
  QList<bool> calls;
  bool upDuringSheet = false;
  SheetScope::setInputHoldHook([&](bool up) { calls << up; });
  whenModal<Wcheat>([&](Wcheat* sheet) {
    upDuringSheet = calls == QList<bool>{true};
    sheet->close();
  });
  Wcheat::ask(nullptr, game.routines, dealReason);
  SheetScope::setInputHoldHook(nullptr);
  QVERIFY(upDuringSheet);
  QCOMPARE(calls, (QList<bool>{true, false}));
}

QTEST_MAIN(WcheatTest)
#include "tst_wcheat.moc"
