// The menu bar reads exactly as the game lays it out.
#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <type_traits>

#include "engine/Settings.h"
#include "shell/Menu.h"

using velmoran::Menu;
using velmoran::MenuItem;

// Items are found by an enumerator, so a misspelt item does not compile.
static_assert(!std::is_invocable_v<decltype(&Menu::item), const Menu&, QString>);

class MenuTest : public QObject {
  Q_OBJECT

 private:
  static QStringList texts(const QMenu* menu) {
    QStringList result;
    for (const QAction* action : menu->actions()) {
      result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return result;
  }

 private slots:
  void menusAndItemsInOrder() {
    Menu bar;
    const QList<QAction*> titles = bar.actions();
    QCOMPARE(titles.size(), 4);
    QCOMPARE(titles[0]->text(), "File");
    QCOMPARE(titles[1]->text(), "Edit");
    QCOMPARE(titles[2]->text(), "Settings");
    QCOMPARE(titles[3]->text(), "Help");
    QCOMPARE(texts(titles[0]->menu()),
             QStringList({"New Game", "-", "Statistics", "-", "Quit"}));
    QCOMPARE(texts(titles[1]->menu()),
             QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Clear"}));
    QCOMPARE(texts(titles[2]->menu()),
             QStringList({"All Game Settings...", "-", "Sound", "-", "Warn Before Cheating",
                          "Warn Before Giving Up", "-", "Dim Unplayable Cards",
                          "Show Shuffling, Etc.", "Automatically Deal",
                          "Show Stats Automatically"}));
    QCOMPARE(texts(titles[3]->menu()),
             QStringList({"Game Instructions", QStringLiteral("About Velmoran\u2026")}));
  }

  // Each item has an action of its own, and every action of the bar
  // except the separators is an item.
  void everyItemHasItsOwnAction() {
    Menu bar;
    QSet<QAction*> actions;
    for (int i = 0; i < velmoran::menuItemCount; ++i) {
      QAction* action = bar.item(MenuItem(i));
      QVERIFY(action);
      actions << action;
    }
    QCOMPARE(actions.size(), velmoran::menuItemCount);
    int shown = 0;
    for (const QAction* title : bar.actions()) {
      for (const QAction* action : title->menu()->actions()) shown += !action->isSeparator();
    }
    QCOMPARE(shown, velmoran::menuItemCount);
  }

  void shortcuts_data() {
    QTest::addColumn<MenuItem>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("new") << MenuItem::GameNewGame << QKeySequence("Ctrl+N");
    QTest::newRow("stats") << MenuItem::GameStatistics << QKeySequence("Ctrl+T");
    QTest::newRow("quit") << MenuItem::FileQuit << QKeySequence("Ctrl+Q");
    QTest::newRow("undo") << MenuItem::EditUndo << QKeySequence("Ctrl+Z");
    QTest::newRow("cut") << MenuItem::EditCut << QKeySequence("Ctrl+X");
    QTest::newRow("clear") << MenuItem::EditClear << QKeySequence();
    QTest::newRow("settings") << MenuItem::GameGameSettings << QKeySequence("Ctrl+G");
    QTest::newRow("sound") << MenuItem::SettingsSound << QKeySequence("Ctrl+D");
    QTest::newRow("dim") << MenuItem::SettingsDimUnplayables << QKeySequence();
    QTest::newRow("help") << MenuItem::HelpInstructions << QKeySequence("Ctrl+?");
    QTest::newRow("about") << MenuItem::AppleAbout << QKeySequence();
  }

  void shortcuts() {
    QFETCH(MenuItem, item);
    QFETCH(QKeySequence, shortcut);
    Menu bar;
    QCOMPARE(bar.item(item)->shortcut(), shortcut);
  }

  // Only Quit starts enabled, and the checkable items are exactly the
  // toggles the settings table names.
  void onlyQuitStartsEnabledAndOnlyTheSettingsToggle() {
    Menu bar;
    QSet<MenuItem> toggles;
    for (const velmoran::SettingField& field : velmoran::settingFields) {
      if (!field.menuItem) continue;
      QVERIFY(field.flag);
      toggles << *field.menuItem;
    }
    QCOMPARE(toggles.size(), 7);
    for (int i = 0; i < velmoran::menuItemCount; ++i) {
      const QAction* action = bar.item(MenuItem(i));
      QCOMPARE(action->isEnabled(), MenuItem(i) == MenuItem::FileQuit);
      QCOMPARE(action->isCheckable(), toggles.contains(MenuItem(i)));
    }
  }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
