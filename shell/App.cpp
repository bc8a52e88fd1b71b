#include "shell/App.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
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
#include "shell/assets/SoundBank.h"
#include "table/GameTable.h"
#include "table/InputHold.h"
#include "table/Wmain.h"

namespace velmoran {

namespace {

// The seven toggles of the Settings menu and the settings they switch.
struct Toggle {
  const char* item;
  bool MainRoutines::*setting;
};

constexpr std::array<Toggle, 7> toggles{{
    {"SettingsSound", &MainRoutines::gSound},
    {"SettingsCheatWarning", &MainRoutines::gCheatWarning},
    {"SettingsGiveUpWarning", &MainRoutines::gGiveUpWarning},
    {"SettingsDimUnplayables", &MainRoutines::gDimUnplayables},
    {"SettingsShowShufflingEtc", &MainRoutines::gShuffle},
    {"SettingsAutomaticallyDeal", &MainRoutines::gAutoDeal},
    {"SettingsShowStatsAutomatically", &MainRoutines::gShowStats},
}};

// The commands that are always available once the game is up.
constexpr std::array<const char*, 5> everydayCommands{
    "GameNewGame", "GameGameSettings", "GameStatistics", "AppleAbout", "HelpInstructions"};

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

// A window in front that asks for Quit to be unavailable while it is up.
bool quitBlockedByFrontWindow() {
  for (const QWidget* front : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
    if (front && front->property("blocksQuit").toBool()) return true;
  }
  return false;
}

}  // namespace

App::App() : routines_(random_) {
  wmain_ = std::make_unique<Wmain>(routines_);
  table_ = std::make_unique<GameTable>(wmain_->canvas(), *this);
  routines_.setTable(*table_);
  menu_ = new Menu(wmain_.get());
  wmain_->setMenuBar(menu_);
  registerMenuHandlers();
  wireMainWindow();
  registerHelpDiagrams();
  qApp->installEventFilter(this);
}

App::~App() = default;

Wstats& App::wstats() {
  if (!wstats_) {
    wstats_ = std::make_unique<Wstats>(routines_, wmain_.get());
    // The board is drawn again at once when the sheet goes away.
    connect(wstats_.get(), &Wstats::dismissed, wmain_.get(), &Wmain::updateNow);
  }
  return *wstats_;
}

Wsettings& App::wsettings() {
  if (!wsettings_) {
    Wsettings::Seams seams{[this](int n) { return wmain_->canvas().pictures().fetchCardback(n); },
                           [this] { wmain_->rebuildOffscreen(); }};
    wsettings_ = std::make_unique<Wsettings>(routines_, std::move(seams), wmain_.get());
  }
  return *wsettings_;
}

void App::registerMenuHandlers() {
  const std::array<std::pair<const char*, bool (App::*)()>, 7> handlers{{
      {"GameGameSettings", &App::GameGameSettings_Action},
      {"AppleAbout", &App::AppleAbout_Action},
      {"GameNewGame", &App::GameNewGame_Action},
      {"EditUndo", &App::EditUndo_Action},
      {"HelpInstructions", &App::HelpInstructions_Action},
      {"GameStatistics", &App::GameStatistics_Action},
      {"FileQuit", &App::FileQuit_Action},
  }};
  for (const auto& [name, handler] : handlers) {
    connect(menu_->item(QLatin1String(name)), &QAction::triggered, this, [this, handler] {
      (this->*handler)();
      scheduleEnabling();
    });
  }
  for (const Toggle& toggle : toggles) {
    QAction* item = menu_->item(QLatin1String(toggle.item));
    connect(item, &QAction::triggered, this, [this, item] {
      toggleSetting(item);
      scheduleEnabling();
    });
  }
  connect(menu_, &Menu::aboutToShowMenu, this, &App::enableMenuItems);
}

// Closing the main window is how people quit here: it saves like Quit.
void App::wireMainWindow() {
  connect(wmain_.get(), &Wmain::closeRequested, this, [this] {
    FileQuit_Action();
    quit();
  });
}

bool App::askCheat(const QString& reason) { return Wcheat::ask(wmain_.get(), routines_, reason); }

bool App::askYesNo(const QString& text) { return velmoran::askYesNo(wmain_.get(), text); }

void App::showMessage(const QString& text) { velmoran::showMessage(wmain_.get(), text); }

void App::showStatisticsSheet() { wstats().showSheet(); }

void App::statisticsChanged() { wstats().updateDisplay(); }

void App::setTitle(const QString& title) { wmain_->setWindowTitle(title); }

bool App::open() {
  routines_.setAllDefaults();
  if (prefsRead(routines_, preferencesFolder()) == PrefsReadOutcome::Read) {
    wsettings().mirrorSavedSettings();
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->geometry().size() : smallestScreen;
  if (screenSize.width() < smallestScreen.width() ||
      screenSize.height() < smallestScreen.height()) {
    QMessageBox::warning(nullptr, QString(),
                         "Velmoran requires at least 800x600 monitor resolution.\n\n"
                         "This program must now quit.");
    return false;
  }
  // The restored game is on the board before the window is first seen.
  placeOnMainScreen(*wmain_);
  table_->setTitle(routines_.title());
  wmain_->rebuildOffscreen();
  showSplash();
  // Loading the sounds starts the audio backend: once the splash is up.
  QTimer::singleShot(0, this, &App::preloadSoundsAndImages);
  enableMenuItems();
  return true;
}

void App::showSplash() {
  auto* splash = new Wsplash(routines_);
  connect(splash, &Wsplash::mainWindowWanted, this, [this] { wmain_->show(); });
  connect(splash, &Wsplash::instructionsWanted, this, &App::HelpInstructions_Action);
  splash->show();
}

void App::preloadSoundsAndImages() {
  // Loading is enough: nothing is heard at start-up.
  assets::SoundBank& bank = assets::SoundBank::instance();
  for (int i = 0; i < soundCount; ++i) bank.preload(static_cast<Sound>(i));
}

bool App::GameGameSettings_Action() {
  Wsettings& settings = wsettings();
  settings.showCurrentValues();
  wmain_->show();
  settings.setWindowModality(Qt::WindowModal);
  settings.exec();
  return false;
}

bool App::AppleAbout_Action() {
  auto* about = new Wabout(wmain_.get());
  connect(about, &Wabout::instructionsWanted, this, &App::HelpInstructions_Action);
  connect(about, &Wabout::mainWindowWanted, this, [this] { wmain_->show(); });
  about->show();
  return false;
}

bool App::GameNewGame_Action() { return routines_.newGameCommand(); }

bool App::EditUndo_Action() { return routines_.editUndo(); }

bool App::HelpInstructions_Action() {
  Winstructions::showInstance(routines_, wmain_.get());
  return false;
}

bool App::GameStatistics_Action() {
  wstats().showSheet();
  return false;
}

bool App::FileQuit_Action() {
  prefsWrite(routines_, preferencesFolder());
  quit();
  return false;
}

bool App::toggleSetting(QAction* item) {
  for (const Toggle& toggle : toggles) {
    if (item->objectName() != QLatin1String(toggle.item)) continue;
    // Qt has already flipped the check: the new value is the check.
    routines_.*toggle.setting = item->isChecked();
    if (wsettings_) wsettings_->showCurrentValues();
    if (toggle.setting == &MainRoutines::gDimUnplayables) {
      wmain_->rebuildOffscreen();
      wmain_->updateNow();
    }
  }
  return false;
}

void App::enableMenuItems() {
  for (const char* name : everydayCommands) menu_->item(QLatin1String(name))->setEnabled(true);
  for (const Toggle& toggle : toggles) {
    QAction* item = menu_->item(QLatin1String(toggle.item));
    item->setEnabled(true);
    item->setChecked(routines_.*toggle.setting);
  }
  menu_->item(QStringLiteral("EditUndo"))->setEnabled(routines_.gUndoOk);
  menu_->item(QStringLiteral("FileQuit"))->setEnabled(!quitBlockedByFrontWindow());
}

// The enabling pass follows every change of state: after each input event
// and each change of the front window, once the program is idle again.
void App::scheduleEnabling() {
  if (enablingScheduled_) return;
  enablingScheduled_ = true;
  // While a move or an animation runs, look again a little later.
  const int delay = InputHold::instance().isBusy() ? 50 : 0;
  QTimer::singleShot(delay, this, [this] {
    enablingScheduled_ = false;
    if (InputHold::instance().isBusy()) {
      scheduleEnabling();
      return;
    }
    enableMenuItems();
  });
}

bool App::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
      scheduleEnabling();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void App::quit() {
  if (quitting_) return;
  quitting_ = true;
  QCoreApplication::quit();
}

}  // namespace velmoran
