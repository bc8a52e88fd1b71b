#include <QCheckBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "tests/settings/FakeTable.h"
#include "dialogs/help/DiagramCanvas.h"
#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/HelpText.h"
#include "dialogs/help/Winstructions.h"

using velmoran::Winstructions;

class WinstructionsTest : public QObject {
  Q_OBJECT

  FakeTable table;
  velmoran::SystemRandom random{1};
  velmoran::MainRoutines routines{table, random};
  QPointer<Winstructions> window;

  QListWidget* list() { return window->findChild<QListWidget*>("LBcontents"); }
  QPlainTextEdit* text() { return window->findChild<QPlainTextEdit*>("EFinstructions"); }
  QCheckBox* startupBox() { return window->findChild<QCheckBox*>("CBalwaysShowInstructions"); }

  void clickRow(int row) {
    const QRect rect = list()->visualItemRect(list()->item(row));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
  }

 private slots:
  void initTestCase() { velmoran::registerHelpDiagrams(); }

  void init() {
    routines.setAllDefaults();
    window = Winstructions::showInstance(routines, nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }

  void cleanup() { delete window; }

  void opensAtTheFirstTopicWithTheListFocused() {
    QCOMPARE(window->windowTitle(), QString("Velmoran -Instructions"));
    QCOMPARE(window->size(), QSize(615, 474));
    QCOMPARE(list()->count(), 13);
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY(text()->toPlainText().startsWith("OBJECT OF THE GAME - BOOKS\n\n"));
    QCOMPARE(window->diagramName(), QString("PXbooks"));
    QVERIFY(list()->hasFocus());
  }

  void everyTopicShowsItsHeadingAndDiagram() {
    const QStringList headings{"OBJECT OF THE GAME - BOOKS",
                               "YOUR HAND",
                               "LEGAL MOVES",
                               "ORPHANED CARDS",
                               "UNDO",
                               "CHEATING",
                               "STATISTICS",
                               "SETTINGS - GENERAL",
                               "SETTINGS - NEW GAME OPTIONS",
                               "SETTINGS - CARD BACKS",
                               "SETTINGS - OTHER OPTIONS",
                               "AUTO-SAVING",
                               "STRATEGY & HINTS"};
    const QStringList diagrams{
        "PXbooks",        "PXhand",  "PXshiftclick",   "PXorphan",         "",
        "PXcheat",        "PXstats", "PXsettingsmenu", "PXnewgameoptions", "PXcardbacksettings",
        "PXotheroptions", "",        "PXconflict"};
    for (int row = 0; row < 13; ++row) {
      clickRow(row);
      QCOMPARE(list()->currentRow(), row);
      QCOMPARE(text()->toPlainText().section('\n', 0, 0), headings[row]);
      QCOMPARE(window->diagramName(), diagrams[row]);
      // Every diagram is drawn and fits its canvas; the canvas is empty without one.
      const QImage shown =
          window->findChild<velmoran::DiagramCanvas*>("CVinstructionDiagrams")->picture();
      QCOMPARE(shown.isNull(), diagrams[row].isEmpty());
      QVERIFY(shown.width() <= 435 && shown.height() <= 195);
    }
  }

  void arrowKeysMoveThroughTopicsAndTheTextStartsAtTheTop() {
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY(text()->toPlainText().startsWith("YOUR HAND"));

    text()->verticalScrollBar()->setValue(text()->verticalScrollBar()->maximum());
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->currentRow(), 2);
    QCOMPARE(text()->verticalScrollBar()->value(), 0);
  }

  void aClickBelowTheLastRowShowsStrategy() {
    clickRow(4);
    const QRect last = list()->visualItemRect(list()->item(12));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      QPoint(last.center().x(), last.bottom() + 20));
    QCOMPARE(list()->currentRow(), 12);
    QVERIFY(text()->toPlainText().startsWith("STRATEGY & HINTS"));
    QCOMPARE(window->diagramName(), QString("PXconflict"));
  }

  void wAndDoneClose() {
    QTest::keyClick(list(), Qt::Key_W);
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));

    window = Winstructions::showInstance(routines, nullptr);
    QTest::keyClick(list(), Qt::Key_W, Qt::ShiftModifier);
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));

    window = Winstructions::showInstance(routines, nullptr);
    window->findChild<QPushButton*>("PushButton1")->click();
    QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
  }

  // Opened over the main window, the help window stands over its board and
  // leaves the menu titles in sight, whatever the main window's size.
  void theHelpWindowLeavesTheMenuBarInSight_data() {
    QTest::addColumn<QSize>("mainSize");
    QTest::newRow("smaller than the help window") << QSize(560, 420);
    QTest::newRow("about as tall") << QSize(700, 500);
    QTest::newRow("much larger") << QSize(1000, 760);
  }

  void theHelpWindowLeavesTheMenuBarInSight() {
    QFETCH(QSize, mainSize);
    delete window;
    QMainWindow main;
    main.menuBar()->addMenu("File");
    main.setCentralWidget(new QWidget);
    main.resize(mainSize);
    main.move(100, 60);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    window = Winstructions::showInstance(routines, &main);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect bar(main.menuBar()->mapToGlobal(QPoint(0, 0)), main.menuBar()->size());
    QVERIFY2(!window->frameGeometry().intersects(bar),
             qPrintable(QString("help at y %1, bar to y %2")
                            .arg(window->frameGeometry().top())
                            .arg(bar.bottom())));
    // It stands over the board, in its middle across (give or take the frame).
    const QWidget* board = main.centralWidget();
    const QRect boardRect(board->mapToGlobal(QPoint(0, 0)), board->size());
    QVERIFY(qAbs(window->frameGeometry().center().x() - boardRect.center().x()) <= 4);
    QVERIFY(window->frameGeometry().top() <= boardRect.top() + boardRect.height() / 2);
  }

  void otherLettersStayWithTheList() {
    QTest::keyClick(list(), Qt::Key_X);
    QVERIFY(!window.isNull());
    QVERIFY(window->isVisible());
  }

  void reopeningBringsTheOpenWindowBackUnchanged() {
    clickRow(6);
    Winstructions* again = Winstructions::showInstance(routines, nullptr);
    QCOMPARE(again, window.data());
    QCOMPARE(list()->currentRow(), 6);
  }

  void theStartupBoxAppliesAtOnce() {
    QVERIFY(startupBox()->isChecked());
    startupBox()->click();
    QCOMPARE(routines.gAlwaysShowInstructions, false);
    QVERIFY(list()->currentRow() == 0);

    delete window;
    window = Winstructions::showInstance(routines, nullptr);
    QVERIFY(!startupBox()->isChecked());
    startupBox()->click();
    QCOMPARE(routines.gAlwaysShowInstructions, true);
  }

  void resizingFollowsTheEdgeLocks() {
    QCOMPARE(window->minimumSize(), QSize(525, 450));
    window->resize(715, 574);
    QCOMPARE(text()->geometry(), QRect(167, 26, 535, 298));
    QCOMPARE(window->findChild<QWidget*>("CVinstructionDiagrams")->geometry(),
             QRect(167, 336, 535, 195));
    QCOMPARE(list()->geometry(), QRect(8, 26, 147, 536));
    QCOMPARE(window->findChild<QWidget*>("PushButton1")->geometry(), QRect(620, 543, 69, 20));
    QCOMPARE(startupBox()->geometry(), QRect(173, 542, 280, 20));
    QCOMPARE(window->findChild<QWidget*>("StaticText1")->geometry(), QRect(10, 4, 72, 20));
  }

  // The hand topic says what a click on the hand does in the game: a card
  // is picked up, an empty place deals, a full hand deals nothing.
  void theHandTopicTellsWhereAClickDeals() {
    using namespace velmoran;
    routines.gShuffle = false;
    routines.newGame();  // the first hand is dealt face up
    QCOMPARE(routines.press(firstHandColumn, handRow), PressOutcome::PickUp);
    const int before = routines.gDeckPtr;
    routines.deal();  // the hand is full: nothing is dealt
    QCOMPARE(routines.gDeckPtr, before);
    routines.gPlayingGrid[firstHandColumn][handRow] = emptyCode;
    QCOMPARE(routines.press(firstHandColumn, handRow), PressOutcome::DealOnRelease);

    const QString hand = helpTopics()[1].text;
    QVERIFY(hand.contains("click an empty place of your hand"));
    QVERIFY(hand.contains("A click on a card in your hand only picks it up"));
    QVERIFY(!hand.contains("anywhere in your hand"));
  }

  void sectionsArePlainTextNamingTheProduct() {
    const auto& topics = velmoran::helpTopics();
    for (const auto& topic : topics) {
      for (const char* c = topic.text; *c; ++c) QVERIFY(static_cast<unsigned char>(*c) < 128);
      QVERIFY(!QString(topic.text).contains('~'));
    }
    QVERIFY(QString(topics[0].text).contains("Velmoran"));
    QVERIFY(QString(topics[12].text).contains("Velmoran"));
    QCOMPARE(QString(topics[12].text)
                 .count(QRegularExpression("^[1-6]\\. ", QRegularExpression::MultilineOption)),
             6);
  }
};

QTEST_MAIN(WinstructionsTest)
#include "tst_winstructions.moc"
