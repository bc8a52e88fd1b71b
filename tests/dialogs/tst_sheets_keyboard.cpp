// Sheets and message boxes come up with the keyboard, whichever of the
// game's windows was in front, and keep it while they are up; and the
// statistics sheet's OK redraws the board.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/Wcheat.h"
#include "dialogs/Wstats.h"
#include "shell/App.h"
#include "table/Wmain.h"

using namespace velmoran;

namespace {

// Runs act on the next modal window that comes up (a sheet or a box),
// passing over one already up.
void onNextModal(std::function<void(QWidget*)> act, QWidget* alreadyUp = nullptr) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, alreadyUp] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != alreadyUp) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    }
  });
  timer->start();
}

// What a player at the keyboard finds when a modal window comes up.
struct Arrival {
  QString title;
  bool active = false;           // the window came up active
  QString focus;                 // its focused control, by name or text
  bool keptFromBlocked = false;  // it took the keyboard back from a window it blocks
  bool answeredByKey = false;    // the player's key reached it
};

QString nameOf(const QWidget* widget) {
  if (!widget) return QStringLiteral("(none)");
  if (!widget->objectName().isEmpty()) return widget->objectName();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return QString::fromLatin1(widget->metaObject()->className());
}

bool comesActive(QWidget* modal) {
  return QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }, 1000);
}

// Meets the modal window as it arrives; lets the window manager hand the
// keyboard to blocked (the main window), as some do, to see the modal take
// it back; then answers with key, pressed on whatever has the keyboard.
Arrival meet(QWidget* modal, QWidget* blocked, Qt::Key key) {
  Arrival seen;
  seen.title = modal->windowTitle();
  seen.active = comesActive(modal);
  seen.focus = nameOf(QApplication::focusWidget());
  blocked->activateWindow();
  const bool handedOver =
      QTest::qWaitFor([modal] { return QApplication::activeWindow() != modal; }, 200);
  Q_UNUSED(handedOver);  // a window system may refuse, or the modal take it back at once
  seen.keptFromBlocked = comesActive(modal);
  QTest::keyClick(QApplication::focusWidget(), key);
  seen.answeredByKey = !modal->isVisible();
  if (!seen.answeredByKey) modal->close();  // so that the test goes on
  return seen;
}

void expectKeyboard(const Arrival& seen, const QString& focus) {
  QVERIFY2(seen.active, qPrintable(seen.title));
  QCOMPARE(seen.focus, focus);
  QVERIFY2(seen.keptFromBlocked, qPrintable(seen.title));
  QVERIFY2(seen.answeredByKey, qPrintable(seen.title));
}

QWidget* openHelpWindow(App& app) {
  app.wmain().show();
  app.HelpInstructions_Action();
  QWidget* help = QApplication::activeWindow();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowTitle() == "Velmoran -Instructions") help = window;
  }
  help->activateWindow();
  if (!QTest::qWaitForWindowActive(help)) qWarning("the help window did not come up active");
  return help;
}

// Counts the paintings of one widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

class SheetsKeyboardTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
  }

  void cleanup() { QApplication::closeAllWindows(); }

  // The menu's sheets, asked for with their shortcuts from the help window.
  void sheetsFromTheHelpWindowTakeTheKeyboard() {
    App app;
    app.routines().setAllDefaults();
    QWidget* help = openHelpWindow(app);

    Arrival stats;
    onNextModal([&](QWidget* sheet) {
      stats = meet(sheet, &app.wmain(), Qt::Key_Return);  // OK
    });
    QTest::keyClick(help, Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY(!stats.title.isEmpty());
    QCOMPARE(stats.title, "Statistics");
    expectKeyboard(stats, "OK");
    QTRY_VERIFY(!app.wstats().isVisible());

    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    Arrival settings;
    onNextModal([&](QWidget* sheet) {
      settings = meet(sheet, &app.wmain(), Qt::Key_Escape);  // Cancel
    });
    QTest::keyClick(help, Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY(!settings.title.isEmpty());
    QCOMPARE(settings.title, " Game Settings");
    expectKeyboard(settings, "CBshuffle");
  }

  // The cheat warning, the give-up question and a plain message, each asked
  // for while the help window is in front.
  void questionsAndMessagesTakeTheKeyboard() {
    App app;
    MainRoutines& r = app.routines();
    r.setAllDefaults();
    r.gShuffle = false;
    r.gSound = false;
    r.newGame();
    openHelpWindow(app);

    // Undoing past the start of the deal asks whether to cheat.
    r.updateUndo();
    r.gCheatDeckPtr = r.undoGrid[r.moveNumber][gapColumn][2];
    Arrival cheat;
    onNextModal([&](QWidget* sheet) {
      cheat = meet(sheet, &app.wmain(), Qt::Key_Return);  // "Don't Cheat"
    });
    QVERIFY(app.EditUndo_Action());
    QCOMPARE(cheat.title, "Cheat Warning");
    expectKeyboard(cheat, "Don't Cheat");
    QVERIFY(!r.gCheated);

    openHelpWindow(app);
    r.gDeckPtr = 9;  // cards have been dealt: New Game asks first
    Arrival giveUp;
    onNextModal([&](QWidget* box) {
      giveUp = meet(box, &app.wmain(), Qt::Key_Escape);  // No
    });
    QVERIFY(app.GameNewGame_Action());
    expectKeyboard(giveUp, "&Yes");

    openHelpWindow(app);
    Arrival message;
    onNextModal([&](QWidget* box) {
      message = meet(box, &app.wmain(), Qt::Key_Return);
    });
    app.routines().table().showMessage("There are no more cards to deal.");
    expectKeyboard(message, "OK");
  }

  // Once a sheet or a question goes away, the window that was in front
  // before it (here the help window) is in front again, not the main
  // window the sheet stood over.
  void theWindowInFrontComesBackWhenASheetOrQuestionCloses() {
    App app;
    MainRoutines& r = app.routines();
    r.setAllDefaults();
    QWidget* help = openHelpWindow(app);
    auto answerWith = [](Qt::Key key) {
      onNextModal([key](QWidget* modal) {
        QVERIFY(comesActive(modal));
        QTest::keyClick(QApplication::focusWidget(), key);
      });
    };

    answerWith(Qt::Key_Return);  // the statistics' OK
    QTest::keyClick(help, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }, 1000));

    answerWith(Qt::Key_Escape);  // the settings' Cancel
    QTest::keyClick(help, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }, 1000));

    r.gDeckPtr = 9;  // cards have been dealt: New Game asks first
    answerWith(Qt::Key_Escape);  // No
    QTest::keyClick(help, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }, 1000));
    QVERIFY(help->isVisible());
  }

  // A sheet or box has no minimise button, but a window manager may offer
  // one anyway (openbox does): minimised, it comes straight back, rather
  // than leave a main window that takes no input and shows no reason why.
  void aMinimisedSheetComesStraightBack() {
    App app;
    app.routines().setAllDefaults();
    app.wmain().show();
    bool cameBack = false;
    onNextModal([&](QWidget* sheet) {
      QVERIFY(comesActive(sheet));
      sheet->setWindowState(Qt::WindowMinimized);  // as the window manager reports it
      cameBack = QTest::qWaitFor([sheet] { return !sheet->isMinimized(); }, 1000) &&
                 comesActive(sheet);
      qobject_cast<Wstats*>(sheet)->PBok->click();
    });
    app.GameStatistics_Action();
    QVERIFY(cameBack);
  }

  // A question asked from a sheet has the keyboard; once answered, the
  // sheet, still up, has it again.
  void aSheetTakesTheKeyboardBackAfterItsQuestion() {
    App app;
    app.routines().setAllDefaults();
    openHelpWindow(app);
    Arrival question;
    bool sheetHadItBack = false;
    onNextModal([&](QWidget* sheet) {
      onNextModal([&](QWidget* box) { question = meet(box, &app.wmain(), Qt::Key_Escape); }, sheet);
      auto* stats = qobject_cast<Wstats*>(sheet);
      stats->PBclearStats->click();
      sheetHadItBack = comesActive(sheet);
      stats->PBok->click();
    });
    app.GameStatistics_Action();
    expectKeyboard(question, "&Yes");
    QVERIFY(sheetHadItBack);
  }

  // OK puts the sheet away and the board is drawn again at once.
  void statisticsOkRedrawsTheBoard() {
    App app;
    app.routines().setAllDefaults();
    app.wmain().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.wmain()));
    PaintCounter board(app.wmain().board());
    int paintsOnOk = -1;
    onNextModal([&](QWidget* sheet) {
      board.paints = 0;
      qobject_cast<Wstats*>(sheet)->PBok->click();
      paintsOnOk = board.paints;  // counted before any queued event is handled
    });
    app.GameStatistics_Action();
    QVERIFY(paintsOnOk > 0);
  }
};

QTEST_MAIN(SheetsKeyboardTest)
#include "tst_sheets_keyboard.moc"
