// The menu bar reads exactly as the game lays it out.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
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
  // A title as the bar shows it, without the mark of its access key.
  static QString shown(const QAction* title) { return title->iconText(); }

  static QWidget* openMenu() { return QApplication::activePopupWidget(); }

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
    QCOMPARE(shown(titles[0]), "File");
    QCOMPARE(shown(titles[1]), "Edit");
    QCOMPARE(shown(titles[2]), "Settings");
    QCOMPARE(shown(titles[3]), "Help");
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

  // The titles' access keys are underlined only while Alt is held.
  void accessKeysShowWhileAltIsHeld() {
    QMainWindow window;
    auto* bar = new Menu(&window);
    window.setMenuBar(bar);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto underlined = [bar] {
      return bar->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, bar);
    };
    QCOMPARE(underlined(), 0);
    QTest::keyPress(&window, Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(underlined(), 1);
    QTest::keyRelease(&window, Qt::Key_Alt);
    QCOMPARE(underlined(), 0);
    // Alt+F: Alt is let go while the File menu is open.
    QTest::keyPress(&window, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(openMenu());
    QCOMPARE(underlined(), 1);
    QTest::keyRelease(openMenu(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(underlined(), 0);
  }

  // From the keyboard alone: F10 or Alt and a title's letter open a menu,
  // Left and Right go from menu to menu, Down goes down a menu and Return
  // chooses. Every enabled item can be reached so.
  void everyItemCanBeChosenFromTheKeyboard() {
    QMainWindow window;
    auto* bar = new Menu(&window);
    window.setMenuBar(bar);
    for (int i = 0; i < velmoran::menuItemCount; ++i) bar->item(MenuItem(i))->setEnabled(true);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QList<QAction*> titles = bar->actions();
    const QList<Qt::Key> letters{Qt::Key_F, Qt::Key_E, Qt::Key_S, Qt::Key_H};
    for (int m = 0; m < titles.size(); ++m) {
      const QList<QAction*> items = titles[m]->menu()->actions();
      int row = 0;
      for (QAction* item : items) {
        if (item->isSeparator()) continue;
        QSignalSpy chosen(item, &QAction::triggered);
        if (row % 2 == 0) {
          QTest::keyClick(&window, Qt::Key_F10);
          QTRY_VERIFY(titles[0]->menu()->isVisible());
          for (int i = 0; i < m; ++i) QTest::keyClick(openMenu(), Qt::Key_Right);
        } else {
          QTest::keyClick(&window, letters[m], Qt::AltModifier);
        }
        // Each way opens the menu on its first item.
        QTRY_VERIFY(titles[m]->menu()->isVisible());
        for (int i = 0; i < row; ++i) QTest::keyClick(openMenu(), Qt::Key_Down);
        QCOMPARE(titles[m]->menu()->activeAction(), item);
        QTest::keyClick(openMenu(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QTRY_VERIFY(!openMenu());
        ++row;
      }
    }
  }

  // The menus serve the whole game: from another of its windows (the help
  // window) Alt and a title's letter, or F10, open them as from the main
  // window.
  void theMenusOpenFromTheGamesOtherWindows() {
    QMainWindow window;
    auto* bar = new Menu(&window);
    window.setMenuBar(bar);
    window.show();
    QWidget help(&window, Qt::Window);
    help.show();
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    const QList<QAction*> titles = bar->actions();
    const QList<Qt::Key> letters{Qt::Key_F, Qt::Key_E, Qt::Key_S, Qt::Key_H};
    for (int m = 0; m <= titles.size(); ++m) {
      const bool f10 = m == titles.size();
      if (f10) {
        QTest::keyClick(&help, Qt::Key_F10);
      } else {
        QTest::keyClick(&help, letters[m], Qt::AltModifier);
      }
      QMenu* menu = titles[f10 ? 0 : m]->menu();
      QTRY_VERIFY2(menu->isVisible(), qPrintable(shown(titles[f10 ? 0 : m])));
      QTest::keyClick(openMenu(), Qt::Key_Escape);
      QTRY_VERIFY(!openMenu());
      QTRY_VERIFY(help.isActiveWindow());
    }
  }

  // Events go on reaching the program's event filters while the main
  // window and its menu bar are taken down at the end of the run: the
  // watch on the Alt key is gone before the bar stops being a menu bar.
  void theAltKeyWatchEndsBeforeTheMenuBar() {
    auto* window = new QMainWindow;
    auto* bar = new Menu(window);
    window->setMenuBar(bar);
    QObject* watch = bar->findChild<QObject*>("altKeyWatch", Qt::FindDirectChildrenOnly);
    QVERIFY(watch);
    bool barWasWhole = false;
    connect(watch, &QObject::destroyed, this,
            [&] { barWasWhole = qobject_cast<Menu*>(static_cast<QObject*>(bar)) != nullptr; });
    delete window;
    QVERIFY(barWasWhole);
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
