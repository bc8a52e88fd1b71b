#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "engine/MainRoutines.h"
#include "table/TableHost.h"

class QAction;

namespace velmoran {

class GameTable;
class Menu;
class Wmain;
class Wsettings;
class Wstats;

// The application object: it owns the game and the windows that live for
// the whole run, receives every menu command and decides, in one enabling
// pass, which commands may be chosen. The game's table asks the player and
// reaches the other windows through it.
class App : public QObject, public TableHost {
  Q_OBJECT
 public:
  App();
  ~App() override;

  // The start of the run, once the main window exists: factory settings,
  // the saved game, the screen check, the splash. False when the program
  // must end at once (the screen is too small).
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
  bool toggleSetting(QAction* item);  // the seven toggles of the Settings menu

  // Sets each command's enabled state and each toggle's check from the game.
  void enableMenuItems() override;

  MainRoutines& routines() { return routines_; }
  Menu& menu() { return *menu_; }
  Wmain& wmain() { return *wmain_; }
  Wstats& wstats();
  Wsettings& wsettings();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // TableHost
  bool askCheat(const QString& reason) override;
  bool askYesNo(const QString& text) override;
  void showMessage(const QString& text) override;
  void showStatisticsSheet() override;
  void statisticsChanged() override;
  void setTitle(const QString& title) override;

  void registerMenuHandlers();
  void wireMainWindow();
  void scheduleEnabling();
  void preloadSoundsAndImages();
  void showSplash();
  void quit();

  SystemRandom random_;
  MainRoutines routines_;
  std::unique_ptr<Wmain> wmain_;
  std::unique_ptr<GameTable> table_;
  Menu* menu_;  // owned by the main window
  std::unique_ptr<Wstats> wstats_;
  std::unique_ptr<Wsettings> wsettings_;
  bool enablingScheduled_ = false;
  bool quitting_ = false;
};

}  // namespace velmoran
