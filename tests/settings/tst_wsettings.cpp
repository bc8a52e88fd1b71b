#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <memory>

#include "tests/settings/FakeTable.h"
#include "dialogs/settings/Wsettings.h"

using velmoran::Wsettings;

namespace {

// Card back n as a card-sized picture of one colour the test can recognise.
QImage fakeBack(int n, int width = 40, int height = 56) {
  QImage back(width, height, QImage::Format_ARGB32_Premultiplied);
  back.fill(QColor(n, 100, 200));
  return back;
}

const char* const giveUp = "Really give up on the current game?\n\nThere is no undo available.";
const char* const reset = "Really reset all settings?\n\nThere is no undo available.";

}  // namespace

class WsettingsTest : public QObject {
  Q_OBJECT

  FakeTable table;
  velmoran::SystemRandom random{1};
  velmoran::MainRoutines routines{table, random};
  std::unique_ptr<Wsettings> window;
  int cardBackCuts = 0;

  template <typename W>
  W* control(const char* name) {
    W* found = window->findChild<W*>(name);
    if (!found) qFatal("no control %s", name);
    return found;
  }
  QComboBox* popup(const char* name) { return control<QComboBox>(name); }
  QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
  QPushButton* button(const char* name) { return control<QPushButton>(name); }
  QListWidget* backs() { return control<QListWidget>("LBcardBacks"); }
  QSlider* slider() { return control<QSlider>("SLdelay"); }
  bool warningShown() { return !control<QLabel>("STnewGameWarning")->isHidden(); }
  QColor sampleCentre() {
    return control<QLabel>("CVshowCardBack")->pixmap().toImage().pixelColor(45, 63);
  }

  void showSheet() {
    window->showCurrentValues();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  // An unfinished Standard game that has dealt from the deck.
  void gameUnderWay() {
    routines.gDeckPtr = 9;
    routines.gVictory = false;
    routines.gGameCounts = true;
  }

 private slots:
  void init() {
    table = FakeTable();
    routines.setAllDefaults();
    routines.stats = {};
    cardBackCuts = 0;
    window = std::make_unique<Wsettings>(
        routines, Wsettings::Seams{[](int n) { return fakeBack(n); }, [this] { ++cardBackCuts; }});
  }

  void cleanup() { window.reset(); }

  void theWindowIsTheFixedSheet() {
    QCOMPARE(window->windowTitle(), QString(" Game Settings"));
    QCOMPARE(window->size(), QSize(615, 424));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowModality(), Qt::WindowModal);
    QCOMPARE(window->property("blocksQuit").toBool(), true);
    QCOMPARE(control<QWidget>("PBdone")->geometry(), QRect(512, 389, 85, 20));
    QCOMPARE(slider()->geometry(), QRect(185, 346, 221, 24));
    QCOMPARE(backs()->count(), 32);
    QCOMPARE(backs()->item(0)->text(), QString("Sunburst (Default)"));
    QCOMPARE(backs()->item(31)->text(), QString("Vortex"));
  }

  void showingMirrorsEverySetting() {
    routines.game = 2;
    routines.grid = 4;
    routines.gKings = 6;
    routines.gSound = false;
    routines.gCheatWarning = false;
    routines.gDimUnplayables = false;
    routines.gAutoDeal = false;
    routines.gGiveUpWarning = false;
    routines.gShowStats = true;
    routines.gShuffle = false;
    routines.delaySpeed = 75;
    routines.gCardBackNumber = 32;
    showSheet();

    QCOMPARE(popup("PMdifficulty")->currentText(), QString("Easy"));
    QCOMPARE(popup("PMgridsize")->currentText(), QString("10 x 7"));
    QCOMPARE(popup("PMkingsstart")->currentText(), QString("Custom"));
    for (const char* name : {"CBsound", "CBcheatWarning", "CBdimUnplayables", "CBautoDeal",
                             "CBgiveUpWarning", "CBshuffle"}) {
      QVERIFY2(!box(name)->isChecked(), name);
    }
    QVERIFY(box("CBshowStats")->isChecked());
    QCOMPARE(slider()->value(), 25);
    QVERIFY(!slider()->isEnabled());
    QVERIFY(control<QLabel>("STslow")->isHidden());
    QVERIFY(control<QLabel>("STfast")->isHidden());
    QCOMPARE(backs()->currentRow(), 31);
    QCOMPARE(sampleCentre(), QColor(32, 100, 200));
    QVERIFY(button("PBdone")->isEnabled());
    QVERIFY(!warningShown());
  }

  void startUpMirroringCoversTheSavedSettings() {
    routines.game = 2;
    routines.grid = 3;
    routines.gKings = 4;
    routines.delaySpeed = 0;
    routines.gSound = false;
    routines.gShuffle = false;
    routines.gCheatWarning = false;
    routines.gCardBackNumber = 7;
    routines.gAutoDeal = false;  // not mirrored: the box shows it at the next showing
    window->mirrorSavedSettings();

    QCOMPARE(popup("PMdifficulty")->currentIndex(), 1);
    QCOMPARE(popup("PMgridsize")->currentIndex(), 2);
    QCOMPARE(popup("PMkingsstart")->currentIndex(), 3);
    QCOMPARE(slider()->value(), 100);
    QVERIFY(!box("CBsound")->isChecked());
    QVERIFY(!box("CBshuffle")->isChecked());
    QVERIFY(!box("CBcheatWarning")->isChecked());
    QVERIFY(!slider()->isEnabled());
    QCOMPARE(backs()->currentRow(), 6);
    QCOMPARE(sampleCentre(), QColor(7, 100, 200));
    QVERIFY(box("CBautoDeal")->isChecked());
  }

  void doneIsDisabledExactlyWhileAMainPopupDiffers() {
    showSheet();
    for (const char* name : {"PMdifficulty", "PMgridsize", "PMkingsstart"}) {
      popup(name)->setCurrentIndex(1);
      QVERIFY2(!button("PBdone")->isEnabled(), name);
      QVERIFY(warningShown());
      popup(name)->setCurrentIndex(0);
      QVERIFY(button("PBdone")->isEnabled());
      QVERIFY(!warningShown());
    }
    // Return cannot slip past a disabled Done.
    popup("PMgridsize")->setCurrentIndex(2);
    QTest::keyClick(backs(), Qt::Key_Return);
    QVERIFY(window->isVisible());
    QCOMPARE(routines.grid, 1);
  }

  void doneStoresAllButTheMainSettings() {
    showSheet();
    box("CBsound")->setChecked(false);
    box("CBshowStats")->setChecked(true);
    box("CBshuffle")->setChecked(false);
    slider()->setValue(100);
    backs()->setCurrentRow(4);
    button("PBdone")->click();

    QVERIFY(!window->isVisible());
    QCOMPARE(routines.gSound, false);
    QCOMPARE(routines.gShowStats, true);
    QCOMPARE(routines.gShuffle, false);
    QCOMPARE(routines.gCheatWarning, true);
    QCOMPARE(routines.delaySpeed, 0);  // the hidden slider's value is stored too
    QCOMPARE(routines.gCardBackNumber, 5);
    QCOMPARE(cardBackCuts, 1);
    QCOMPARE(table.rebuilds, 1);
    QCOMPARE(routines.game, 1);
    QCOMPARE(routines.stats, velmoran::Statistics{});
  }

  void cancelStoresNothing() {
    showSheet();
    box("CBsound")->setChecked(false);
    slider()->setValue(0);
    backs()->setCurrentRow(9);
    popup("PMdifficulty")->setCurrentIndex(1);
    button("PBcancel")->click();

    QVERIFY(!window->isVisible());
    QCOMPARE(routines.gSound, true);
    QCOMPARE(routines.delaySpeed, 40);
    QCOMPARE(routines.gCardBackNumber, 1);
    QCOMPARE(routines.game, 1);
    QCOMPARE(cardBackCuts, 0);

    showSheet();  // the next showing starts from the stored values again
    QVERIFY(box("CBsound")->isChecked());
    QCOMPARE(backs()->currentRow(), 0);
  }

  void newGameCountsTheOldGameThenAppliesEverything() {
    gameUnderWay();
    showSheet();
    popup("PMdifficulty")->setCurrentIndex(1);
    popup("PMgridsize")->setCurrentIndex(3);
    popup("PMkingsstart")->setCurrentIndex(4);
    box("CBautoDeal")->setChecked(false);
    slider()->setValue(30);
    backs()->setCurrentRow(2);
    table.answers = {true};
    button("PBnewGame")->click();

    QCOMPARE(table.questions, std::vector<std::string>{giveUp});
    QCOMPARE(routines.stats.losses, 1);  // counted as the Standard game it was
    QCOMPARE(routines.stats.easyLosses, 0);
    QCOMPARE(routines.game, 2);
    QCOMPARE(routines.grid, 4);
    QCOMPARE(routines.gKings, 5);
    QCOMPARE(routines.gAutoDeal, false);
    QCOMPARE(routines.delaySpeed, 70);
    QCOMPARE(routines.gCardBackNumber, 3);
    QCOMPARE(routines.gDeckPtr, 1);  // the new game has started
    QCOMPARE(routines.gridMinX, 2);
    QVERIFY(!window->isVisible());
  }

  void newGameAnsweredNoChangesNothing() {
    gameUnderWay();
    showSheet();
    popup("PMdifficulty")->setCurrentIndex(1);
    box("CBsound")->setChecked(false);
    table.answers = {false};
    button("PBnewGame")->click();

    QCOMPARE(table.questions.size(), size_t{1});
    QVERIFY(window->isVisible());
    QCOMPARE(routines.game, 1);
    QCOMPARE(routines.gSound, true);
    QCOMPARE(routines.gDeckPtr, 9);
    QCOMPARE(routines.stats, velmoran::Statistics{});
  }

  void newGameAsksOnlyWhenTheBoxAndTheGameCallForIt() {
    struct Case {
      bool victory;
      bool globalWarning;
      bool boxTicked;
      int deckPtr;
      bool asks;
    };
    const Case cases[] = {
        {false, true, true, 9, true}, {false, false, true, 9, true}, {false, true, false, 9, false},
        {true, true, true, 9, false}, {false, true, true, 1, false}, {false, true, true, 0, false},
    };
    for (const Case& c : cases) {
      routines.setAllDefaults();
      table = FakeTable();
      table.answers = {true};
      routines.gVictory = c.victory;
      routines.gGiveUpWarning = c.globalWarning;
      routines.gDeckPtr = c.deckPtr;
      showSheet();
      box("CBgiveUpWarning")->setChecked(c.boxTicked);
      button("PBnewGame")->click();
      QCOMPARE(table.questions.size(), size_t{c.asks ? 1u : 0u});
      QCOMPARE(routines.gVictory, false);
      QCOMPARE(routines.gGiveUpWarning, c.boxTicked);
    }
  }

  void restoreDefaultsFillsTheControlsOnly() {
    routines.game = 2;
    routines.gSound = false;
    routines.gShowStats = true;
    routines.gShuffle = false;
    routines.delaySpeed = 90;
    routines.gCardBackNumber = 20;
    showSheet();

    table.answers = {false};
    button("PBdefaults")->click();
    QCOMPARE(table.questions, std::vector<std::string>{reset});
    QVERIFY(!box("CBsound")->isChecked());

    table.answers = {true};
    button("PBdefaults")->click();
    QCOMPARE(popup("PMdifficulty")->currentIndex(), 0);
    QVERIFY(box("CBsound")->isChecked());
    QVERIFY(!box("CBshowStats")->isChecked());
    QVERIFY(box("CBshuffle")->isChecked());
    QVERIFY(slider()->isEnabled());
    QCOMPARE(slider()->value(), 60);
    QCOMPARE(backs()->currentRow(), 0);
    QCOMPARE(sampleCentre(), QColor(1, 100, 200));
    // The current game is Easy, so only New Game can apply the defaults.
    QVERIFY(!button("PBdone")->isEnabled());
    QVERIFY(warningShown());
    QCOMPARE(routines.gSound, false);
    QCOMPARE(routines.gCardBackNumber, 20);
  }

  // Restore defaults resets what the sheet shows; Done then stores the
  // factory settings, but not the instructions setting the sheet has no box for.
  void restoredDefaultsAreTheFactorySettingsOnDone() {
    routines.gSound = false;
    routines.gDimUnplayables = false;
    routines.gShowStats = true;
    routines.delaySpeed = 90;
    routines.gCardBackNumber = 20;
    routines.gAlwaysShowInstructions = false;
    showSheet();

    table.answers = {true};
    button("PBdefaults")->click();
    button("PBdone")->click();
    velmoran::Settings expected = velmoran::factorySettings();
    expected.gAlwaysShowInstructions = false;
    QVERIFY(routines.settings() == expected);
  }

  void keysPushTheButtonsEvenFromTheList() {
    showSheet();
    backs()->setFocus();
    QTest::keyClick(backs(), Qt::Key_C);
    QVERIFY(!window->isVisible());
    QCOMPARE(backs()->currentRow(), 0);  // the list did not search for "C..."

    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Period, Qt::NoModifier}, std::pair{Qt::Key_Greater, Qt::ShiftModifier},
          std::pair{Qt::Key_W, Qt::ShiftModifier}, std::pair{Qt::Key_Escape, Qt::NoModifier}}) {
      showSheet();
      QTest::keyClick(backs(), key, modifiers);
      QVERIFY(!window->isVisible());
    }

    showSheet();
    box("CBsound")->setChecked(false);
    QTest::keyClick(backs(), Qt::Key_Return);
    QVERIFY(!window->isVisible());
    QCOMPARE(routines.gSound, false);

    showSheet();
    QTest::keyClick(backs(), Qt::Key_N);
    QVERIFY(!window->isVisible());
    QCOMPARE(routines.gDeckPtr, 1);
  }

  // Tab runs through the other options, the card backs, the main settings
  // and the buttons, and every showing starts at the movement box.
  void tabRunsThroughTheControlsInTheirOrder() {
    const QStringList order{"CBshuffle",    "CBcheatWarning",   "CBsound",         "CBshowStats",
                            "CBdimUnplayables", "CBgiveUpWarning", "CBautoDeal",   "SLdelay",
                            "LBcardBacks",  "PMgridsize",       "PMdifficulty",    "PMkingsstart",
                            "PBnewGame",    "PBcancel",         "PBdefaults",      "PBdone"};
    for (int showing = 0; showing < 2; ++showing) {
      showSheet();
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
      QStringList visited;
      for (int i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      QCOMPARE(visited, order);
      QCOMPARE(QApplication::focusWidget()->objectName(), order.first());  // round again
      popup("PMgridsize")->setFocus();
      button("PBcancel")->click();
    }
  }

  void theSliderRunsFromSlowToFast() {
    const std::pair<int, int> pairs[] = {{40, 60}, {0, 100}, {100, 0}};
    for (auto [delay, value] : pairs) {
      routines.delaySpeed = delay;
      showSheet();
      QCOMPARE(slider()->value(), value);
      button("PBdone")->click();
      QCOMPARE(routines.delaySpeed, delay);
    }
    box("CBshuffle")->setChecked(true);
    QVERIFY(slider()->isEnabled());
    box("CBshuffle")->setChecked(false);
    QVERIFY(!slider()->isEnabled());
    QVERIFY(control<QLabel>("STslow")->isHidden());
  }

  void theCardBackListAlwaysKeepsARow() {
    showSheet();
    backs()->setCurrentRow(5);
    const QRect row = backs()->visualItemRect(backs()->item(5));
    QTest::mouseClick(backs()->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    QCOMPARE(backs()->selectedItems().size(), 1);
    backs()->clearSelection();
    QCOMPARE(backs()->selectedItems().size(), 1);
    QCOMPARE(backs()->currentRow(), 5);
    button("PBdone")->click();
    QCOMPARE(routines.gCardBackNumber, 6);

    routines.gCardBackNumber = 0;  // a number no design has
    showSheet();
    QCOMPARE(backs()->currentRow(), 0);
    button("PBdone")->click();
    QCOMPARE(routines.gCardBackNumber, 1);
  }

  void theSampleIsCentredOnBlack() {
    const QImage small = Wsettings::framedSample(fakeBack(3));
    QCOMPARE(small.size(), QSize(90, 126));
    QCOMPARE(small.pixelColor(24, 34), QColor(Qt::black));
    QCOMPARE(small.pixelColor(25, 35), QColor(3, 100, 200));
    QCOMPARE(small.pixelColor(64, 90), QColor(3, 100, 200));
    QCOMPARE(small.pixelColor(65, 91), QColor(Qt::black));
    const QImage middle = Wsettings::framedSample(fakeBack(3, 45, 63));
    QCOMPARE(middle.pixelColor(23, 32), QColor(3, 100, 200));
    QCOMPARE(middle.pixelColor(22, 32), QColor(Qt::black));
    const QImage large = Wsettings::framedSample(fakeBack(3, 90, 126));
    QCOMPARE(large.pixelColor(0, 0), QColor(3, 100, 200));
  }
};

QTEST_MAIN(WsettingsTest)
#include "tst_wsettings.moc"
