#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "engine/MainRoutines.h"
#include "shell/PrefsStore.h"
#include "shell/StateSignals.h"
#include "shell/TableOnDemand.h"
#include "table/TableHost.h"

class QWidget;
class QWindow;

namespace velmoran {

class GameTable;
class Menu;
class QuitRequest;
class Wmain;
class Wsettings;
class Wstats;

// The application object: it owns the game and the windows that live for
// the whole run, receives every menu command and decides, in one enabling
// pass, which commands may be chosen. The game's table asks the player and
// reaches the other windows through it. The main window, with its menu bar
// and table, is built on first use: at start-up, once the splash is on the
// screen.
class App : public QObject, public TableHost {
  Q_OBJECT
 public:
  App();
  ~App() override;

  // The start of the run: factory settings, the saved game, the screen
  // check, the splash; the main window is made ready behind the splash.
  // False when the program must end at once (the screen is too small).
  bool open();

  // The menu commands. Each returns true when the command ended there
  // (the player declined, or nothing could be undone).
  bool GameGameSettings_Action();
  bool AppleAbout_Action();
  bool GameNewGame_Action();
  bool EditUndo_Action();
  bool HelpInstructions_Action();
  bool GameStatistics_Action();
  bool FileQuit_Action();
  // The seven toggles of the Settings menu; `checked` is the item's new check.
  bool toggleSetting(const SettingField& toggle, bool checked);

  // Sets each command's enabled state and each toggle's check from the game.
  // It runs before a menu shows, after each menu command, whenever the game
  // announces a change and whenever another window comes to the front.
  void enableMenuItems();

  // Requests from outside the game: end the run as the close box does,
  // whatever is in front (a termination signal); save now the game as the
  // last move left it (the desktop's session is about to end); come to the
  // front (the game was started again).
  void quitOnRequest();
  void saveForSession();
  void comeForward();
  // Nothing will be written this run; the player is told at start.
  void saveNothing() { prefs_.saveNothing(); }

  MainRoutines& routines() { return routines_; }
  Menu& menu();
  Wmain& wmain();
  Wstats& wstats();
  Wsettings& wsettings();

 private:
  // TableHost
  bool askCheat(const QString& reason) override;
  bool askYesNo(const QString& text) override;
  void showMessage(const QString& text) override;
  void showStatisticsSheet() override;
  void setTitle(const QString& title) override;
  QWidget* messageParent() const;

  void buildWindows();
  TableInterface& gameTable();
  void prepareMainWindow();
  void registerMenuHandlers();
  void wireMainWindow();
  void followGameChanges();
  void followFrontWindow(QWindow* window);
  void preloadSoundsAndImages();
  void showSplash();
  void showMainWindow();
  void closeGame();
  void quit();
  QuitRequest& quitRequest();
  void quitWhileBusy();
  void noteWholeGame();

  SystemRandom random_;
  MainRoutines routines_;
  StateSignals announcements_;
  TableOnDemand tableOnDemand_{[this]() -> TableInterface& { return gameTable(); }};
  std::unique_ptr<Wmain> wmain_;
  std::unique_ptr<GameTable> table_;
  Menu* menu_ = nullptr;  // owned by the main window
  std::unique_ptr<Wstats> wstats_;
  std::unique_ptr<Wsettings> wsettings_;
  PrefsStore prefs_;
  QuitRequest* quitRequest_ = nullptr;
  // The file's text of the game as the last move left it: what a save
  // asked for in the middle of a move writes.
  std::string wholeGame_;
  bool settingsRead_ = false;  // the preferences file gave settings to mirror
  bool mainWindowPrepared_ = false;
  bool mainWindowShown_ = false;
  bool quitting_ = false;
};

}  // namespace velmoran
