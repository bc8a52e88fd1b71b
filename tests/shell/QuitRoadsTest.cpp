// Every way the game ends: each writes the preferences file once and tells
// of a failure at most once; a termination signal first answers whatever is
// in front; it, Quit and the close box cut animations short; a damaged file
// is kept and told of; messages stand where the player looks.
#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "dialogs/Wcheat.h"
#include "engine/NullTable.h"
#include "engine/PrefsFile.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "shell/PreferencesFolder.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"
#include "table/InputHold.h"
#include "table/Wmain.h"
#include "tests/engine/SquarePlan.h"
#include "tests/shell/DeckThePlanWins.h"

using namespace velmoran;

namespace {

int prefsFileRenames = 0;

}  // namespace

// Every write of the preferences file ends with its new copy renamed into
// place; this rename, standing in for the C library's, counts those.
extern "C" int rename(const char* from, const char* to) noexcept {
  using Rename = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  if (std::filesystem::path(to).filename() == prefsFileName) ++prefsFileRenames;
  return real(from, to);
}

namespace {

// Answers every message box that comes up with its default, counting them.
class MessageCounter {
 public:
  MessageCounter() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts.push_back(box->text());
        geometries.push_back(box->frameGeometry());
        box->close();
      }
    });
    timer_.start();
  }
  QStringList texts;
  QList<QRect> geometries;

 private:
  QTimer timer_;
};

// Runs the event loop as the program does, with `road` as its first event;
// false when the program did not end by itself.
bool runUntilQuit(const std::function<void()>& road) {
  bool stuck = false;
  QTimer failsafe;
  failsafe.setSingleShot(true);
  QObject::connect(&failsafe, &QTimer::timeout, [&stuck] {
    stuck = true;
    QCoreApplication::exit(1);
  });
  failsafe.start(10000);
  QTimer::singleShot(0, road);
  return QApplication::exec() == 0 && !stuck;
}

void showInFront(QWidget& window) {
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The game as the program runs it: termination signals end it.
struct SignalledApp {
  TerminationSignals termination;
  App app;
  SignalledApp() {
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     &App::quitOnRequest);
  }
};

// Sends SIGTERM to this process as soon as a modal window of type Modal is
// in front, as a shutdown would while the player has not answered it.
template <typename Modal>
std::unique_ptr<QTimer> terminateWhenShown() {
  auto watch = std::make_unique<QTimer>();
  QObject::connect(watch.get(), &QTimer::timeout, [timer = watch.get()] {
    if (qobject_cast<Modal*>(QApplication::activeModalWidget())) {
      timer->stop();
      ::raise(SIGTERM);
    }
  });
  watch->start(5);
  return watch;
}

void quietGame(App& app) {
  MainRoutines& r = app.routines();
  r.setAllDefaults();
  r.gShuffle = r.gSound = false;
  r.delaySpeed = 0;
  r.newGame();
}

// An Easy game played quietly up to its winning move, which is returned
// to be played.
testing::SquarePlan::HandMove playUpToTheWinningMove(MainRoutines& r) {
  r.setAllDefaults();
  r.game = easyRules;
  r.gKings = kingsCustom;
  r.gCheatWarning = r.gShuffle = r.gSound = false;
  r.newGame();
  r.gDeck = testing::deckThePlanWins();

  testing::SquarePlan plan(r);
  for (int moves = 0; moves < 300; ++moves) {
    if (const auto move = plan.choose()) {
      const std::string before = prefsText(r);
      r.dropCard(move->card, move->fromColumn, handRow, move->to.first, move->to.second);
      if (r.gVictory) {
        applyPrefsText(r, before);
        return *move;
      }
    } else if (const auto slot = plan.freeSlot()) {
      r.deal();
    }
  }
  return {};
}

}  // namespace

class QuitRoadsTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;

  void useConfig(const QString& path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }
  std::filesystem::path folder() const { return preferencesFolder(); }

  QString prefsPath() const { return QString::fromStdString((folder() / prefsFileName).string()); }

  // The saved file as it stands: its inode tells a file written anew.
  std::pair<ino_t, QByteArray> savedFile() const {
    struct stat status {};
    if (::stat(QFile::encodeName(prefsPath()).constData(), &status) != 0) return {};
    QFile file(prefsPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return {status.st_ino, file.readAll()};
  }

  // The file an earlier run left: seven wins and no game.
  void writeEarlierRun() const {
    NullTable table;
    SystemRandom random(1);
    MainRoutines game(table, random);
    game.setAllDefaults();
    game.stats.wins = 7;
    QVERIFY(prefsWrite(game, folder()));
  }

  // Each road to the end, as the player (or the desktop) takes it.
  static void takeRoad(App& app, const QString& road) {
    Wmain& wmain = app.wmain();
    if (road == "menu") {
      app.menu().item(MenuItem::FileQuit)->trigger();
    } else if (road == "shortcut") {
      QTest::keyClick(&wmain, Qt::Key_Q, Qt::ControlModifier);
    } else if (road == "close box") {
      wmain.close();
    } else if (road == "logout") {
      app.saveForSession();
      wmain.close();
    } else if (road == "signal") {
      // Asked while the statistics sheet is up, which is answered first.
      QTimer::singleShot(50, [] { ::raise(SIGTERM); });
      app.GameStatistics_Action();
    }
  }

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    useConfig(config_.path());
  }

  void init() { QFile::remove(prefsPath()); }

  void everyRoadWritesOnce_data() {
    QTest::addColumn<QString>("road");
    for (const char* road : {"menu", "shortcut", "close box", "logout", "signal"})
      QTest::newRow(road) << QString(road);
  }

  void everyRoadWritesOnce() {
    QFETCH(QString, road);
    prefsFileRenames = 0;
    SignalledApp game;
    App& app = game.app;
    quietGame(app);
    showInFront(app.wmain());
    app.enableMenuItems();
    QVERIFY(runUntilQuit([&] { takeRoad(app, road); }));
    QCOMPARE(prefsFileRenames, 1);
  }

  void everyRoadTellsOfAFailureOnce_data() { everyRoadWritesOnce_data(); }

  void everyRoadTellsOfAFailureOnce() {
    QFETCH(QString, road);
    // The folder cannot be made: a file stands where its parent should be.
    QFile blocker(config_.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    useConfig(config_.filePath("blocker/config"));
    SignalledApp game;
    App& app = game.app;
    quietGame(app);
    showInFront(app.wmain());
    app.enableMenuItems();
    // Nobody may be there to answer when a signal asks the game to end.
    std::optional<MessageCounter> messages;
    if (road != "signal") messages.emplace();
    const bool ended = runUntilQuit([&] { takeRoad(app, road); });
    useConfig(config_.path());
    QVERIFY(ended);
    if (messages) {
      QCOMPARE(messages->texts,
               QStringList{QString::fromStdString(std::string(prefsWriteMessage))});
    }
  }

  // Asked to end while the cheat warning is up, the game answers it
  // "Don't Cheat", then saves and quits.
  void aSignalAnswersTheCheatWarning() {
    SignalledApp game;
    App& app = game.app;
    MainRoutines& r = app.routines();
    quietGame(app);
    app.wmain().show();
    // Move the first hand card to a legal place, then pretend a deal began.
    int card = 0;
    for (int c = firstHandColumn; c <= lastHandColumn && !card; ++c) {
      const int code = r.gPlayingGrid[c][handRow];
      for (int x = r.gridMinX; x <= r.gridMaxX && !card; ++x)
        for (int y = r.gridMinY; y <= r.gridMaxY && !card; ++y)
          if (isCard(code) && r.legalMove(code, x, y) &&
              r.dropCard(code, c, handRow, x, y) == DropResult::Played)
            card = code;
    }
    QVERIFY(card);
    r.gCheatDeckPtr = r.undoGrid[1][gapColumn][2];

    bool refused = false;
    const auto sheetWatch = terminateWhenShown<Wcheat>();
    QVERIFY(runUntilQuit([&] { refused = app.EditUndo_Action(); }));
    QVERIFY(refused);
    QVERIFY(!r.gCheated);

    SystemRandom random(1);
    MainRoutines saved(app.routines().table(), random);
    saved.setAllDefaults();
    QCOMPARE(prefsRead(saved, folder()), PrefsReadOutcome::Read);
    QCOMPARE(saved.moveNumber, 1);
    QVERIFY(!saved.gCheated);
  }

  // The give-up question is answered No: the game is neither counted nor
  // replaced.
  void aSignalAnswersTheGiveUpQuestionNo() {
    SignalledApp game;
    App& app = game.app;
    quietGame(app);  // dealt face up: giving up would lose it
    app.wmain().show();
    const Board before = app.routines().gPlayingGrid;
    const auto questionWatch = terminateWhenShown<QMessageBox>();
    QVERIFY(runUntilQuit([&] { app.GameNewGame_Action(); }));
    QVERIFY(app.routines().gPlayingGrid == before);
    QCOMPARE(app.routines().stats, Statistics{});
  }

  // A shuffle of five seconds is cut short and the game saved well within
  // a second of the signal.
  void aSignalCutsAnAnimationShort() {
    SignalledApp game;
    App& app = game.app;
    MainRoutines& r = app.routines();
    r.setAllDefaults();
    r.gShuffle = r.gSound = true;
    r.delaySpeed = 100;
    app.wmain().show();
    QElapsedTimer sinceSignal;
    QTimer::singleShot(300, [&] {
      sinceSignal.start();
      ::raise(SIGTERM);
    });
    QVERIFY(runUntilQuit([&] { r.newGame(); }));
    QVERIFY2(sinceSignal.elapsed() < 1000, qPrintable(QString::number(sinceSignal.elapsed())));
    SystemRandom random(1);
    MainRoutines saved(app.routines().table(), random);
    saved.setAllDefaults();
    QCOMPARE(prefsRead(saved, folder()), PrefsReadOutcome::Read);
    QCOMPARE(saved.gDeckPtr, r.gDeckPtr);
    QVERIFY(saved.gDeckPtr >= 1);
  }

  // Quit or the close box during an animation cuts it short, as a held
  // button would, and the game is saved well within a second: the new game
  // of a five-second shuffle; the win of a winning move whose book removal
  // and fanfare take over ten seconds, counted once.
  void aQuitDuringAnAnimationCutsItShort_data() {
    QTest::addColumn<QString>("animation");
    QTest::addColumn<QString>("road");
    for (const char* animation : {"shuffle", "win"})
      for (const char* road : {"shortcut", "close box"})
        QTest::addRow("%s, %s", road, animation) << QString(animation) << QString(road);
  }

  void aQuitDuringAnAnimationCutsItShort() {
    QFETCH(QString, animation);
    QFETCH(QString, road);
    App app;
    MainRoutines& r = app.routines();
    const auto winningMove = playUpToTheWinningMove(r);
    QVERIFY(winningMove.card);
    r.gShuffle = r.gSound = true;
    r.delaySpeed = 100;
    showInFront(app.wmain());
    app.enableMenuItems();
    bool quitWhileBusy = false;
    QElapsedTimer sinceQuit;
    QTimer::singleShot(300, [&] {
      quitWhileBusy = InputHold::instance().isBusy();
      sinceQuit.start();
      takeRoad(app, road);
    });
    QVERIFY(runUntilQuit([&] {
      if (animation == "shuffle") return r.newGame();
      const BusyScope drop;
      r.dropCard(winningMove.card, winningMove.fromColumn, handRow, winningMove.to.first,
                 winningMove.to.second);
    }));
    QVERIFY(quitWhileBusy);
    QVERIFY2(sinceQuit.elapsed() < 1000, qPrintable(QString::number(sinceQuit.elapsed())));
    SystemRandom random(1);
    MainRoutines saved(r.table(), random);
    saved.setAllDefaults();
    QCOMPARE(prefsRead(saved, folder()), PrefsReadOutcome::Read);
    QCOMPARE(saved.gDeck, r.gDeck);
    QCOMPARE(saved.gVictory, animation == "win");
    QCOMPARE(saved.stats.easyNoCheatWins, animation == "win" ? 1 : 0);
  }

  // A press on the menu bar during an animation stays the press that cuts
  // it short: the shuffle ends at once and no menu opens.
  void aPressOnTheMenuBarDuringAnAnimationOnlyCutsItShort() {
    App app;
    MainRoutines& r = app.routines();
    quietGame(app);
    r.gShuffle = true;
    r.delaySpeed = 100;  // five seconds of shuffling
    showInFront(app.wmain());
    Menu& bar = app.menu();
    const QPoint file = bar.actionGeometry(bar.actions().constFirst()).center();
    QTimer::singleShot(300, [&] { QTest::mousePress(&bar, Qt::LeftButton, {}, file); });
    QElapsedTimer shuffle;
    shuffle.start();
    r.newGame();
    QVERIFY2(shuffle.elapsed() < 1300, qPrintable(QString::number(shuffle.elapsed())));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, file);
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activePopupWidget());
  }

  // A signal at either edge of the run ends it with status 0, as Quit
  // does: sent while the program asks whether the X server answers (none
  // does; the next window system serves) or while the application object
  // is being made, before the file is read, nothing is written; sent in
  // the quit's teardown, the file is the whole one the quit wrote.
  void aSignalAtEitherEdgeOfTheRunEndsItCleanly_data() {
    QTest::addColumn<QString>("edge");
    QTest::addColumn<int>("signal");
    const std::pair<const char*, int> terminations[] = {
        {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
    for (const char* edge : {"check", "start", "end"})
      for (const auto& [name, number] : terminations)
        QTest::addRow("%s %s", name, edge) << QString(edge) << number;
  }

  void aSignalAtEitherEdgeOfTheRunEndsItCleanly() {
    QFETCH(QString, edge);
    QFETCH(int, signal);
    writeEarlierRun();
    const auto before = savedFile();
    QProcess copy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", SIGNAL_AT_THE_EDGES_PATH);
    env.insert("VELMORAN_TEST_SIGNAL_AT", edge);
    env.insert("VELMORAN_TEST_SIGNAL", QString::number(signal));
    if (edge == "check") {
      env.remove("WAYLAND_DISPLAY");
      env.insert("DISPLAY", ":65000");
      env.insert("QT_QPA_PLATFORM", "xcb;offscreen");
    }
    copy.setProcessEnvironment(env);
    copy.start(VELMORAN_EXECUTABLE_PATH, {});
    QVERIFY(copy.waitForStarted());
    if (edge == "end") {
      SingleInstance probe(folder());
      QTRY_VERIFY_WITH_TIMEOUT(probe.raiseRunningCopy(), 20000);
      ::kill(static_cast<pid_t>(copy.processId()), SIGTERM);  // the quit
    }
    const bool ended = copy.waitForFinished(10000);
    if (!ended) {
      copy.kill();
      copy.waitForFinished();
    }
    QVERIFY(ended);
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
    const auto after = savedFile();
    if (edge != "end") {
      QVERIFY(after == before);
      return;
    }
    QVERIFY(after.first != before.first);
    NullTable table;
    SystemRandom random(1);
    MainRoutines saved(table, random);
    saved.setAllDefaults();
    QVERIFY(applyPrefsText(saved, after.second.toStdString()));
    QCOMPARE(saved.stats.wins, 7);
  }

  // A file that could not be read whole: the player is told once the main
  // window shows, and the file is kept before it is replaced.
  void aDamagedFileIsToldOfAndKept() {
    const QString path = QString::fromStdString((folder() / prefsFileName).string());
    const QByteArray damaged = "1\n1\n1\n40\non\non\non\n3\nbroken\n";
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(damaged);
    }
    App app;
    MessageCounter messages;
    QVERIFY(app.open());
    QVERIFY(messages.texts.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(app.wmain().isVisible(), 10000);  // after the splash
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts[0].contains("Velmoran Preferences.damaged"));
    app.FileQuit_Action();
    QFile kept(path + ".damaged");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
    QCOMPARE(messages.texts.size(), 1);
    QApplication::closeAllWindows();
  }

  // Centred on the screen while the main window is hidden, over the main
  // window once it shows.
  void messagesAreCentred() {
    App app;
    Wmain& wmain = app.wmain();
    wmain.move(0, 0);
    MessageCounter messages;
    app.routines().table().showMessage("hidden");
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((messages.geometries[0].center() - screenCentre).manhattanLength() <= 4);

    wmain.show();
    wmain.move(10, 10);
    QVERIFY(QTest::qWaitForWindowExposed(&wmain));
    app.routines().table().showMessage("shown");
    QVERIFY((messages.geometries[1].center() - wmain.frameGeometry().center()).manhattanLength() <=
            4);
    QApplication::closeAllWindows();
  }
};

QTEST_MAIN(QuitRoadsTest)
#include "QuitRoadsTest.moc"
