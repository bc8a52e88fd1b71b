// The application object: menu enabling, the menu commands, saving on quit
// and starting again from the saved game.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "dialogs/Wcheat.h"
#include "dialogs/Wsplash.h"
#include "dialogs/Wstats.h"
#include "engine/NullTable.h"
#include "engine/PrefsFile.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "shell/PreferencesFolder.h"
#include "table/InputHold.h"
#include "table/Wmain.h"
#include "tests/engine/SquarePlan.h"
#include "tests/shell/DeckThePlanWins.h"

using namespace velmoran;

namespace {

// Runs `act` on the next modal window that comes up (message box or sheet).
void onNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    }
  });
  timer->start();
}

void answerMessageBox(QMessageBox::StandardButton answer) {
  onNextModal([answer](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    box->button(answer)->click();
  });
}

// A quick game: no animations, no sounds, the first hand dealt face up.
void startQuietGame(App& app) {
  MainRoutines& r = app.routines();
  r.setAllDefaults();
  r.gShuffle = false;
  r.gSound = false;
  r.delaySpeed = 0;
  r.newGame();
}

// The first top-level window of a type, or null.
template <typename Window>
Window* topLevel() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<Window*>(window)) return found;
  }
  return nullptr;
}

// Plays the first legal move from the hand; false when there is none.
bool playFirstLegalMove(MainRoutines& r) {
  for (int hx = firstHandColumn; hx <= lastHandColumn; ++hx) {
    const int card = r.gPlayingGrid[hx][handRow];
    if (!isCard(card)) continue;
    for (int x = r.gridMinX; x <= r.gridMaxX; ++x) {
      for (int y = r.gridMinY; y <= r.gridMaxY; ++y) {
        if (r.legalMove(card, x, y))
          return r.dropCard(card, hx, handRow, x, y) == DropResult::Played;
      }
    }
  }
  return false;
}

// Runs `step` as the program runs everything: from its event loop.
void fromTheEventLoop(const std::function<void()>& step) {
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    step();
    loop.quit();
  });
  loop.exec();
}

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;

  QAction* item(App& app, MenuItem which) { return app.menu().item(which); }

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }

  void enablingFollowsTheGame() {
    App app;
    app.routines().setAllDefaults();
    app.enableMenuItems();
    for (MenuItem enabled : {MenuItem::GameNewGame, MenuItem::GameStatistics,
                             MenuItem::GameGameSettings, MenuItem::HelpInstructions,
                             MenuItem::AppleAbout, MenuItem::SettingsSound, MenuItem::FileQuit}) {
      QVERIFY2(item(app, enabled)->isEnabled(), qPrintable(item(app, enabled)->text()));
    }
    for (MenuItem disabled : {MenuItem::EditUndo, MenuItem::EditCut, MenuItem::EditCopy,
                              MenuItem::EditPaste, MenuItem::EditClear}) {
      QVERIFY2(!item(app, disabled)->isEnabled(), qPrintable(item(app, disabled)->text()));
    }

    startQuietGame(app);
    QVERIFY(playFirstLegalMove(app.routines()));
    app.enableMenuItems();
    QVERIFY(item(app, MenuItem::EditUndo)->isEnabled());

    QVERIFY(!app.EditUndo_Action());
    QCOMPARE(app.routines().moveNumber, 0);
    app.enableMenuItems();
    QVERIFY(!item(app, MenuItem::EditUndo)->isEnabled());

    QVERIFY(playFirstLegalMove(app.routines()));
    app.routines().victoryNoAnimation();
    app.enableMenuItems();
    QVERIFY(!item(app, MenuItem::EditUndo)->isEnabled());
  }

  // No pass is run by hand here: the menus follow what the game announces
  // and which window is in front.
  void menusFollowTheGameWithoutBeingAsked() {
    App app;
    MainRoutines& r = app.routines();
    startQuietGame(app);
    QVERIFY(playFirstLegalMove(r));
    QVERIFY(item(app, MenuItem::EditUndo)->isEnabled());
    r.victoryNoAnimation();
    QVERIFY(!item(app, MenuItem::EditUndo)->isEnabled());

    QVERIFY(item(app, MenuItem::SettingsCheatWarning)->isChecked());
    r.neverWarnAboutCheating();
    QVERIFY(!item(app, MenuItem::SettingsCheatWarning)->isChecked());

    QLabel* standard = app.wstats().findChild<QGroupBox*>()->findChildren<QLabel*>().last();
    QCOMPARE(standard->text(), QStringLiteral("1\n0\n0"));
    r.clearStatistics();
    QCOMPARE(standard->text(), QStringLiteral("0\n0\n0"));

    app.wmain().show();
    QVERIFY(QTest::qWaitForWindowActive(&app.wmain()));
    auto* sheet = new Wcheat(r, &app.wmain());
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->show();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QTRY_VERIFY(!item(app, MenuItem::FileQuit)->isEnabled());
    sheet->close();
    QTRY_VERIFY(item(app, MenuItem::FileQuit)->isEnabled());
  }

  void quitIsUnavailableWhileASheetIsInFront() {
    App app;
    app.routines().setAllDefaults();
    bool quitEnabledDuringSheet = true;
    onNextModal([&](QWidget* sheet) {
      app.enableMenuItems();
      quitEnabledDuringSheet = item(app, MenuItem::FileQuit)->isEnabled();
      sheet->close();
    });
    app.GameStatistics_Action();
    QVERIFY(!quitEnabledDuringSheet);
    app.enableMenuItems();
    QVERIFY(item(app, MenuItem::FileQuit)->isEnabled());
  }

  // The help window stands in front of the table at every start; the menu
  // shortcuts must not go dead while it has the keyboard.
  void menuShortcutsWorkFromTheHelpWindow() {
    App app;
    app.routines().setAllDefaults();
    app.wmain().show();
    app.HelpInstructions_Action();
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->windowTitle() == "Velmoran -Instructions") help = window;
    }
    QVERIFY(help);
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    app.enableMenuItems();

    bool statisticsShown = false;
    onNextModal([&](QWidget* sheet) {
      statisticsShown = sheet->windowTitle() == "Statistics";
      sheet->close();
    });
    QTest::keyClick(help, Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY(statisticsShown);
    QApplication::closeAllWindows();
  }

  void togglesFlipTheirSettingAndCheck() {
    App app;
    app.routines().setAllDefaults();
    app.enableMenuItems();
    QAction* sound = item(app, MenuItem::SettingsSound);
    QVERIFY(sound->isChecked());
    sound->trigger();
    QVERIFY(!app.routines().gSound);
    app.enableMenuItems();
    QVERIFY(!sound->isChecked());
    sound->trigger();
    QVERIFY(app.routines().gSound);

    QAction* stats = item(app, MenuItem::SettingsShowStatsAutomatically);
    stats->trigger();
    QVERIFY(app.routines().gShowStats);
  }

  void newGameAsksOnlyWhenSomethingIsLost() {
    App app;
    MainRoutines& r = app.routines();
    startQuietGame(app);  // the first hand is dealt face up
    r.game = 2;           // an Easy game in progress

    answerMessageBox(QMessageBox::No);
    const Board before = r.gPlayingGrid;
    QVERIFY(app.GameNewGame_Action());
    QVERIFY(r.gPlayingGrid == before);
    QCOMPARE(r.stats, Statistics{});

    answerMessageBox(QMessageBox::Yes);
    QVERIFY(!app.GameNewGame_Action());
    QCOMPARE(r.stats.easyLosses, 1);
    QCOMPARE(r.stats.losses, 0);

    // Nothing is asked with the warning off; the lost game is still counted.
    r.gGiveUpWarning = false;
    QVERIFY(!app.GameNewGame_Action());
    QCOMPARE(r.stats.easyLosses, 2);
  }

  void undoAcrossADealAsksFirst_data() {
    QTest::addColumn<bool>("cheat");
    QTest::newRow("cheat") << true;
    QTest::newRow("don't cheat") << false;
  }

  void undoAcrossADealAsksFirst() {
    QFETCH(bool, cheat);
    App app;
    MainRoutines& r = app.routines();
    startQuietGame(app);
    QVERIFY(playFirstLegalMove(r));
    // A deal began after the move: undoing it takes dealt cards back.
    r.gCheatDeckPtr = r.undoGrid[r.moveNumber][gapColumn][2];

    onNextModal([cheat](QWidget* sheet) {
      auto* warning = qobject_cast<Wcheat*>(sheet);
      QVERIFY(warning);
      (cheat ? warning->PBcheat : warning->PBdontCheat)->click();
    });
    QCOMPARE(app.EditUndo_Action(), !cheat);
    QCOMPARE(r.gCheated, cheat);
    QCOMPARE(r.moveNumber, cheat ? 0 : 1);
  }

  void quitSavesAndTheNextStartRestoresTheGame() {
    Board saved{};
    {
      App app;
      startQuietGame(app);
      QVERIFY(playFirstLegalMove(app.routines()));
      saved = app.routines().gPlayingGrid;
      app.FileQuit_Action();
    }
    App app;
    QVERIFY(app.open());
    QVERIFY(app.routines().gPlayingGrid == saved);
    QCOMPARE(app.routines().moveNumber, 1);
    // The window shows the restored board before it is first seen.
    QCOMPARE(app.wmain().canvas().windowSurface(), app.wmain().canvas().offscreenPict());
    QApplication::closeAllWindows();
  }

  // Drawing the main window's first pictures is the longest step of the
  // start: the splash is on the screen before it, and the main window is
  // ready behind the splash, hidden, before the splash ends.
  void theSplashShowsBeforeTheMainWindowIsBuilt() {
    App app;
    QVERIFY(app.open());
    auto* splash = topLevel<Wsplash>();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!topLevel<Wmain>());
    QTRY_VERIFY(topLevel<Wmain>());
    QVERIFY(splash->isVisible());
    QVERIFY(!app.wmain().isVisible());
    QCOMPARE(app.wmain().windowTitle(), QString::fromStdString(app.routines().title()));
    QApplication::closeAllWindows();
  }

  // A key at once ends the splash before it was ever drawn: the main window
  // is built then, and shows the game with its title.
  void aSplashEndedAtOnceShowsTheMainWindowAllTheSame() {
    App app;
    QVERIFY(app.open());
    auto* splash = topLevel<Wsplash>();
    QVERIFY(splash);
    QTest::keyClick(splash, Qt::Key_Space);
    auto* wmain = topLevel<Wmain>();
    QVERIFY(wmain && wmain->isVisible());
    QCOMPARE(wmain->windowTitle(), QString::fromStdString(app.routines().title()));
    QApplication::closeAllWindows();
  }

  // The desktop may ask for a save while the game waits in the middle of a
  // move, with a card dealt but the deck not yet moved on, a book shown but
  // not yet counted, the kings off the board: it saves the game as the move
  // found it, which reads back whole. An Easy game is played to its win,
  // every animation shown, the statistics shown at the start, and replaced
  // from the settings sheet.
  void aSaveForTheSessionDuringAnyWaitReadsBackWhole() {
    const QString path = QString::fromStdString((preferencesFolder() / prefsFileName).string());
    QFile::remove(path);
    App app;
    MainRoutines& r = app.routines();
    r.setAllDefaults();
    r.game = easyRules;
    r.gKings = kingsCustom;
    r.gCheatWarning = r.gSound = false;
    r.gShowStats = true;
    r.delaySpeed = 1;
    app.wmain().show();

    std::map<QString, int> saves;  // by the kind of step they were made in
    int refused = 0, notAsFound = 0, duringStep = 0;
    std::string found;  // the game as the step found it
    QTimer desktop;
    QObject::connect(&desktop, &QTimer::timeout, [&] {
      const InputHold& hold = InputHold::instance();
      if (!hold.isBusy() && !hold.isSuspended()) return;
      app.saveForSession();
      ++duringStep;
      NullTable table;
      SystemRandom random(1);
      MainRoutines saved(table, random);
      saved.setAllDefaults();
      refused += prefsRead(saved, preferencesFolder()) != PrefsReadOutcome::Read;
      QFile file(path);
      notAsFound += !file.open(QIODevice::ReadOnly) || file.readAll().toStdString() != found;
      if (QWidget* sheet = QApplication::activeModalWidget()) sheet->close();
    });
    desktop.start(2);
    auto step = [&](const std::function<QString()>& stepTaken) {
      duringStep = 0;
      found = prefsText(r);
      QString kind;
      fromTheEventLoop([&] { kind = stepTaken(); });
      saves[kind] += duringStep;
    };

    step([&] {
      r.press(firstHandColumn, handRow);
      r.deal();  // the first game
      return QString("new game");
    });
    r.gDeck = testing::deckThePlanWins();

    testing::SquarePlan plan(r);
    for (int moves = 0; moves < 300 && !r.gVictory; ++moves) {
      if (const auto move = plan.choose()) {
        step([&] {
          const int books = r.gNumBooks;
          r.press(move->fromColumn, handRow);
          r.dropCard(move->card, move->fromColumn, handRow, move->to.first, move->to.second);
          return r.gVictory ? "victory" : r.gNumBooks > books ? "book" : "move";
        });
      } else if (const auto slot = plan.freeSlot()) {
        step([&] {
          r.press(*slot, handRow);
          r.deal();
          return QString("deal");
        });
      }
    }
    QVERIFY(r.gVictory);
    // The settings sheet's New Game gives the game up, takes the settings
    // and starts the new game in three steps; until the new game begins,
    // the game given up is the one saved.
    step([&] {
      Settings chosen = r.settings();
      chosen.game = standardRules;
      r.giveUpForNewGame(chosen.game, chosen.grid, chosen.gKings, chosen.gGiveUpWarning);
      r.applySettings(chosen);
      r.newGame();
      return QString("new game from the settings");
    });
    for (const char* kind : {"new game", "deal", "move", "book", "victory",
                             "new game from the settings"})
      QVERIFY2(saves[kind] > 0, kind);
    QCOMPARE(refused, 0);
    QCOMPARE(notAsFound, 0);
    QApplication::closeAllWindows();
  }

  void closingTheMainWindowSavesLikeQuit() {
    QFile::remove(QString::fromStdString((preferencesFolder() / prefsFileName).string()));
    {
      App app;
      startQuietGame(app);
      QVERIFY(playFirstLegalMove(app.routines()));
      app.wmain().show();
      app.wmain().close();
    }
    App app;
    QVERIFY(app.open());
    QCOMPARE(app.routines().moveNumber, 1);
    QApplication::closeAllWindows();
  }
};

QTEST_MAIN(AppTest)
#include "AppTest.moc"
