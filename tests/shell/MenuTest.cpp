// The menu bar reads exactly as the game lays it out.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "engine/Settings.h"
#include "shell/Menu.h"

using velmoran::Menu;

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

  void shortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("new") << "GameNewGame" << QKeySequence("Ctrl+N");
    QTest::newRow("stats") << "GameStatistics" << QKeySequence("Ctrl+T");
    QTest::newRow("quit") << "FileQuit" << QKeySequence("Ctrl+Q");
    QTest::newRow("undo") << "EditUndo" << QKeySequence("Ctrl+Z");
    QTest::newRow("cut") << "EditCut" << QKeySequence("Ctrl+X");
    QTest::newRow("clear") << "EditClear" << QKeySequence();
    QTest::newRow("settings") << "GameGameSettings" << QKeySequence("Ctrl+G");
    QTest::newRow("sound") << "SettingsSound" << QKeySequence("Ctrl+D");
    QTest::newRow("dim") << "SettingsDimUnplayables" << QKeySequence();
    QTest::newRow("help") << "HelpInstructions" << QKeySequence("Ctrl+?");
    QTest::newRow("about") << "AppleAbout" << QKeySequence();
  }

  void shortcuts() {
    QFETCH(QString, name);
    QFETCH(QKeySequence, shortcut);
    Menu bar;
    QAction* action = bar.item(name);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), shortcut);
  }

  void onlyQuitStartsEnabledAndOnlySettingsToggle() {
    Menu bar;
    for (QAction* action : bar.findChildren<QAction*>()) {
      if (action->objectName().isEmpty() || action->isSeparator()) continue;
      QCOMPARE(action->isEnabled(), action->objectName() == "FileQuit");
      QCOMPARE(action->isCheckable(), action->objectName().startsWith("Settings"));
    }
  }

  // Every Settings-menu toggle switches a setting of the table, and every
  // menu item the table names is a toggle of the menu.
  void theTogglesAreTheSettingsThatNameAMenuItem() {
    Menu bar;
    QStringList checkable;
    for (const QAction* action : bar.findChildren<QAction*>()) {
      if (action->isCheckable()) checkable << action->objectName();
    }
    QStringList named;
    for (const velmoran::SettingField& field : velmoran::settingFields) {
      if (!field.menuItem.empty()) {
        named << QString::fromLatin1(field.menuItem.data(), qsizetype(field.menuItem.size()));
        QVERIFY(field.flag);
      }
    }
    checkable.sort();
    named.sort();
    QCOMPARE(named, checkable);
  }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
