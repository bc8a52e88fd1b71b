#include "shell/App.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <utility>

#include "dialogs/Wabout.h"
#include "dialogs/Wcheat.h"
#include "dialogs/Wsplash.h"
#include "dialogs/TakesKeyboard.h"
#include "dialogs/Wstats.h"
#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/Winstructions.h"
#include "dialogs/settings/Wsettings.h"
#include "engine/PrefsFile.h"
#include "shell/Menu.h"
#include "shell/PreferencesFolder.h"
#include "shell/QuitRequest.h"
#include "assets/SoundBank.h"
#include "table/GameTable.h"
#include "table/InputHold.h"
#include "table/Wmain.h"

namespace velmoran {

namespace {

// The Settings-menu toggles: the settings whose table entry names a menu item.
constexpr auto toggleCount = std::ranges::count_if(
    settingFields, [](const SettingField& field) { return field.menuItem.has_value(); });

constexpr auto toggles = [] {
  std::array<SettingField, toggleCount> found{};
  auto next = found.begin();
  for (const SettingField& field : settingFields) {
    if (field.menuItem) *next++ = field;
  }
  return found;
}();

// The commands that are always available once the game is up.
constexpr std::array everydayCommands{MenuItem::GameNewGame, MenuItem::GameGameSettings,
                                      MenuItem::GameStatistics, MenuItem::AppleAbout,
                                      MenuItem::HelpInstructions};

constexpr QSize smallestScreen{800, 600};

// The main window opens in the middle of the main screen.
void placeOnMainScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  window.adjustSize();
  window.move(room.x() + (room.width() - window.width()) / 2,
              room.y() + std::max(0, (room.height() - window.height()) / 2));
}

// A window in front that asks for Quit to be unavailable while it is up. A
// window just hidden may still count as active until the window system says
// otherwise; it is no longer in front.
bool quitBlockedByFrontWindow() {
  for (const QWidget* front : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
    if (front && front->isVisible() && front->property("blocksQuit").toBool()) return true;
  }
  return false;
}

}  // namespace

App::App() : routines_(random_), prefs_(routines_, preferencesFolder()) {
  routines_.setTable(tableOnDemand_);
  followGameChanges();
}

App::~App() = default;

// The main window draws the pictures of its first card size as it is
// built, the longest step of the start: it is built once the splash shows,
// or sooner when something needs it. Hidden, it shows the game as it
// stands.
void App::buildWindows() {
  if (wmain_) return;
  wmain_ = std::make_unique<Wmain>(routines_);
  table_ = std::make_unique<GameTable>(wmain_->canvas(), *this);
  routines_.setTable(*table_);
  menu_ = new Menu(wmain_.get());
  wmain_->setMenuBar(menu_);
  registerMenuHandlers();
  wireMainWindow();
  registerHelpDiagrams();
  table_->setTitle(routines_.title());
  enableMenuItems();
}

TableInterface& App::gameTable() {
  buildWindows();
  return *table_;
}

Wmain& App::wmain() {
  buildWindows();
  return *wmain_;
}

Menu& App::menu() {
  buildWindows();
  return *menu_;
}

Wstats& App::wstats() {
  if (!wstats_) {
    wstats_ = std::make_unique<Wstats>(routines_, &wmain());
    wstats_->updateDisplay();
    // The board is drawn again at once when the sheet goes away.
    connect(wstats_.get(), &Wstats::dismissed, wmain_.get(), &Wmain::updateNow);
  }
  return *wstats_;
}

Wsettings& App::wsettings() {
  if (!wsettings_) {
    Wsettings::Seams seams{[this](int n) { return wmain_->canvas().pictures().fetchCardback(n); },
                           [this] { wmain_->rebuildOffscreen(); }};
    wsettings_ = std::make_unique<Wsettings>(routines_, std::move(seams), &wmain());
  }
  return *wsettings_;
}

void App::registerMenuHandlers() {
  const std::array<std::pair<MenuItem, bool (App::*)()>, 7> handlers{{
      {MenuItem::GameGameSettings, &App::GameGameSettings_Action},
      {MenuItem::AppleAbout, &App::AppleAbout_Action},
      {MenuItem::GameNewGame, &App::GameNewGame_Action},
      {MenuItem::EditUndo, &App::EditUndo_Action},
      {MenuItem::HelpInstructions, &App::HelpInstructions_Action},
      {MenuItem::GameStatistics, &App::GameStatistics_Action},
      {MenuItem::FileQuit, &App::FileQuit_Action},
  }};
  for (const auto& [item, handler] : handlers) {
    connect(menu_->item(item), &QAction::triggered, this, [this, handler] {
      (this->*handler)();
      enableMenuItems();
    });
  }
  for (const SettingField& toggle : toggles) {
    connect(menu_->item(*toggle.menuItem), &QAction::triggered, this, [this, toggle](bool checked) {
      toggleSetting(toggle, checked);
      enableMenuItems();
    });
  }
  connect(menu_, &Menu::aboutToShowMenu, this, &App::enableMenuItems);
}

// Closing the main window is how people quit here: it saves like Quit.
// Quit and the close box during an animation do not wait it out: they cut
// it short, as a termination signal does, and then save. Answered from the
// event loop, not from inside the input hold that caught them.
void App::wireMainWindow() {
  connect(wmain_.get(), &Wmain::closeRequested, this, &App::closeGame);
  InputHold& hold = InputHold::instance();
  hold.passQuitOn(menu_->item(MenuItem::FileQuit), wmain_.get());
  connect(&hold, &InputHold::quitAskedWhileBusy, this, &App::quitWhileBusy, Qt::QueuedConnection);
}

// The menus and the statistics window follow what the game announces; the
// Quit item also follows which window is in front. A window not built yet
// shows the game as it stands once it is.
void App::followGameChanges() {
  routines_.setListener(announcements_);
  connect(&announcements_, &StateSignals::settingsChanged, this, &App::enableMenuItems);
  connect(&announcements_, &StateSignals::gameStateChanged, this, &App::enableMenuItems);
  connect(&announcements_, &StateSignals::statisticsChanged, this, [this] {
    if (wstats_) wstats_->updateDisplay();
  });
  connect(&announcements_, &StateSignals::moveEnded, this, &App::noteWholeGame);
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &App::followFrontWindow);
}

// A window in front may also leave without another taking its place (it is
// closed and nothing else is activated): its hiding runs the pass as well,
// once the hiding is complete.
void App::followFrontWindow(QWindow* window) {
  enableMenuItems();
  if (!window) return;
  connect(window, &QWindow::visibleChanged, this, &App::enableMenuItems,
          Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void App::closeGame() {
  FileQuit_Action();
  quit();
}

bool App::askCheat(const QString& reason) { return Wcheat::ask(&wmain(), routines_, reason); }

// Messages stand over the main window, or in the middle of the screen
// while it is not shown yet.
QWidget* App::messageParent() const {
  return wmain_ && wmain_->isVisible() ? wmain_.get() : nullptr;
}

bool App::askYesNo(const QString& text) { return velmoran::askYesNo(messageParent(), text); }

void App::showMessage(const QString& text) { velmoran::showMessage(messageParent(), text); }

void App::showStatisticsSheet() { wstats().showSheet(); }

void App::setTitle(const QString& title) { wmain().setWindowTitle(title); }

bool App::open() {
  routines_.setAllDefaults();
  const PrefsReadOutcome read = prefs_.read();
  settingsRead_ = read == PrefsReadOutcome::Read || read == PrefsReadOutcome::Damaged;
  noteWholeGame();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->geometry().size() : smallestScreen;
  if (screenSize.width() < smallestScreen.width() ||
      screenSize.height() < smallestScreen.height()) {
    QMessageBox::warning(nullptr, QString(),
                         "Velmoran requires at least 800x600 monitor resolution.\n\n"
                         "This program must now quit.");
    return false;
  }
  showSplash();
  // Loading the sounds starts the audio backend: once the splash is up.
  QTimer::singleShot(0, this, &App::preloadSoundsAndImages);
  return true;
}

// The main window is made ready while the splash is up, once the splash
// has been drawn, so that the player never looks at an empty splash.
void App::showSplash() {
  auto* splash = new Wsplash(routines_);
  connect(splash, &Wsplash::painted, this, &App::prepareMainWindow,
          Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
  connect(splash, &Wsplash::mainWindowWanted, this, &App::showMainWindow);
  connect(splash, &Wsplash::instructionsWanted, this, &App::HelpInstructions_Action);
  splash->show();
}

// Built, with the saved settings mirrored into the settings window and the
// restored game on the board, before the window is first seen.
void App::prepareMainWindow() {
  if (mainWindowPrepared_) return;
  mainWindowPrepared_ = true;
  buildWindows();
  if (settingsRead_) wsettings().mirrorSavedSettings();
  placeOnMainScreen(*wmain_);
  wmain_->rebuildOffscreen();
  enableMenuItems();
}

// The first time the main window shows, the player learns of a preferences
// file that could not be read whole, and that nothing will be saved, once
// the window is there to see.
void App::showMainWindow() {
  prepareMainWindow();
  wmain_->show();
  if (mainWindowShown_) return;
  mainWindowShown_ = true;
  const QStringList notices = prefs_.startNotices();
  if (!notices.isEmpty()) {
    QTimer::singleShot(0, this, [this, notices] {
      for (const QString& notice : notices) table_->showMessage(notice.toStdString());
    });
  }
}

void App::preloadSoundsAndImages() {
  // Loading is enough: nothing is heard at start-up.
  assets::SoundBank& bank = assets::SoundBank::instance();
  for (int i = 0; i < soundCount; ++i) bank.preload(static_cast<Sound>(i));
}

bool App::GameGameSettings_Action() {
  Wsettings& settings = wsettings();
  settings.showCurrentValues();
  wmain().show();
  settings.setWindowModality(Qt::WindowModal);
  settings.exec();
  return false;
}

bool App::AppleAbout_Action() {
  auto* about = new Wabout(&wmain());
  connect(about, &Wabout::instructionsWanted, this, &App::HelpInstructions_Action);
  connect(about, &Wabout::mainWindowWanted, this, [this] { wmain_->show(); });
  about->show();
  return false;
}

bool App::GameNewGame_Action() { return routines_.newGameCommand(); }

bool App::EditUndo_Action() { return routines_.editUndo(); }

bool App::HelpInstructions_Action() {
  Winstructions::showInstance(routines_, &wmain());
  return false;
}

bool App::GameStatistics_Action() {
  wstats().showSheet();
  return false;
}

// Every way out comes here, some of them twice (the quit closes the main
// window, whose close quits): the game is saved on the first.
bool App::FileQuit_Action() {
  if (!quitting_) prefs_.save();
  quit();
  return false;
}

QuitRequest& App::quitRequest() {
  if (!quitRequest_)
    quitRequest_ = new QuitRequest(
        wmain(), [this] { closeGame(); }, this);
  return *quitRequest_;
}

void App::quitOnRequest() { quitRequest().start(QuitRequest::Asker::Outside); }

void App::quitWhileBusy() { quitRequest().start(QuitRequest::Asker::Player); }

// The desktop expects the save done when this returns and may end the
// program right after, so it cannot wait for a move under way to finish:
// the game is saved as the last move left it.
void App::saveForSession() {
  if (!quitting_ && !wholeGame_.empty()) prefs_.save(wholeGame_);
}

// Noted once the saved game is read and each time a move has ended.
void App::noteWholeGame() { wholeGame_ = prefsText(routines_); }

void App::comeForward() {
  if (!wmain_ || !wmain_->isVisible()) return;  // the splash is still up, in front
  wmain_->setWindowState(wmain_->windowState() & ~Qt::WindowMinimized);
  wmain_->raise();
  wmain_->activateWindow();
}

// Qt has already flipped the check: the new value is the check.
bool App::toggleSetting(const SettingField& toggle, bool checked) {
  Settings chosen = routines_.settings();
  setValue(chosen, toggle, checked);
  routines_.applySettings(chosen);
  if (wsettings_) wsettings_->showCurrentValues();
  if (toggle.flag == &Settings::gDimUnplayables) {
    wmain().rebuildOffscreen();
    wmain().updateNow();
  }
  return false;
}

void App::enableMenuItems() {
  if (!menu_) return;  // set when the menu bar is built
  for (MenuItem command : everydayCommands) menu_->item(command)->setEnabled(true);
  for (const SettingField& toggle : toggles) {
    QAction* item = menu_->item(*toggle.menuItem);
    item->setEnabled(true);
    item->setChecked(valueOf(routines_.settings(), toggle) != 0);
  }
  menu_->item(MenuItem::EditUndo)->setEnabled(routines_.gUndoOk);
  menu_->item(MenuItem::FileQuit)->setEnabled(!quitBlockedByFrontWindow());
}

void App::quit() {
  if (quitting_) return;
  quitting_ = true;
  QCoreApplication::quit();
}

}  // namespace velmoran
