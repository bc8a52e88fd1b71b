// Help diagrams that show the game's own windows: each is the real window,
// built with sample values and drawn off the screen.
#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>

#include "dialogs/Wcheat.h"
#include "dialogs/Wstats.h"
#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/WindowDiagrams.h"
#include "dialogs/settings/Wsettings.h"
#include "engine/MainRoutines.h"
#include "engine/NullTable.h"
#include "engine/RandomSource.h"

namespace velmoran {

namespace {

// Game state with factory settings for windows that are only looked at.
struct SampleGame {
  NullTable table;
  SystemRandom random{1};
  MainRoutines routines{table, random};
  SampleGame() { routines.setAllDefaults(); }
};

QImage grabbed(QWidget& window, QRect part) { return window.grab(part).toImage(); }

// The settings window with factory settings, the card backs drawn as on
// the table.
QImage settingsPart(QRect part, const std::function<void(QWidget&)>& adjust = {}) {
  SampleGame sample;
  Wsettings window(sample.routines, {sampleCardBack(), {}});
  window.showCurrentValues();
  if (adjust) adjust(window);
  return fitDiagram(grabbed(window, part));
}

}  // namespace

QImage newGameOptionsDiagram() {
  // A main setting changed from the current game's: the red note shows.
  return settingsPart({16, 12, 282, 175}, [](QWidget& window) {
    window.findChild<QComboBox*>("PMkingsstart")->setCurrentIndex(2);
  });
}

QImage cardBackSettingsDiagram() {
  return settingsPart({315, 12, 282, 175}, [](QWidget& window) {
    auto* list = window.findChild<QListWidget*>("LBcardBacks");
    list->setCurrentRow(2);
  });
}

QImage otherOptionsDiagram() { return settingsPart({16, 199, 581, 175}); }

QImage cheatDiagram() {
  SampleGame sample;
  Wcheat window(sample.routines, nullptr);
  window.setMessage(
      "Dealing more cards when you still have playable cards in your hand is considered "
      "\"cheating\".");
  return fitDiagram(window.grab().toImage());
}

QImage statsDiagram() {
  SampleGame sample;
  sample.routines.stats = {12, 3, 7, 20, 1, 4};
  Wstats window(sample.routines, nullptr);
  window.updateDisplay();
  return fitDiagram(window.grab().toImage());
}

// The Settings menu as the menu bar shows it, with the factory settings ticked.
QImage settingsMenuDiagram() {
  QMenu menu;
  menu.addAction("All Game Settings...")->setShortcut(QKeySequence("Ctrl+G"));
  menu.addSeparator();
  auto toggle = [&menu](const char* text, bool on, const char* shortcut = nullptr) {
    QAction* item = menu.addAction(text);
    item->setCheckable(true);
    item->setChecked(on);
    if (shortcut) item->setShortcut(QKeySequence(shortcut));
  };
  toggle("Sound", true, "Ctrl+D");
  menu.addSeparator();
  toggle("Warn Before Cheating", true);
  toggle("Warn Before Giving Up", true);
  menu.addSeparator();
  toggle("Dim Unplayable Cards", true);
  toggle("Show Shuffling, Etc.", true);
  toggle("Automatically Deal", true);
  toggle("Show Stats Automatically", false);
  menu.setActiveAction(menu.actions().first());
  menu.adjustSize();
  return fitDiagram(menu.grab().toImage());
}

}  // namespace velmoran
