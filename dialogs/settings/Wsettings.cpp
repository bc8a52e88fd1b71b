#include "dialogs/settings/Wsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "dialogs/TakesKeyboard.h"
#include "engine/CardBacks.h"
#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

constexpr int sampleWidth = 90;
constexpr int sampleHeight = 126;

const char* const resetQuestion = "Really reset all settings?\n\nThere is no undo available.";

// Settings are stored 1-based; a value the popup has no row for selects none,
// so the main-settings test sees it as a change that only New Game can make.
void showSetting(QComboBox* popup, int value) {
  popup->setCurrentIndex(value >= 1 && value <= popup->count() ? value - 1 : -1);
}

// The slider runs from slow to fast; the delay the other way.
int sliderValueFor(int delaySpeed) { return 100 - delaySpeed; }
int delaySpeedFor(int sliderValue) { return 100 - sliderValue; }

}  // namespace

Wsettings::Wsettings(MainRoutines& routines, Seams seams, QWidget* parent)
    : QDialog(parent), routines_(routines), seams_(std::move(seams)) {
  setWindowTitle(" Game Settings");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowModality(Qt::WindowModal);
  setFixedSize(windowWidth, windowHeight);
  // The application's enabling pass disables Quit while this window is in front.
  setProperty("blocksQuit", true);

  buildControls();

  for (QComboBox* popup : {PMdifficulty, PMgridsize, PMkingsstart}) {
    connect(popup, &QComboBox::currentIndexChanged, this, &Wsettings::mainSettingsTest);
  }
  connect(LBcardBacks, &QListWidget::currentRowChanged, this, &Wsettings::cardBackRowChanged);
  connect(LBcardBacks, &QListWidget::itemSelectionChanged, this, &Wsettings::cardBackRowChanged);
  connect(CBshuffle, &QCheckBox::toggled, this, &Wsettings::movementBoxChanged);
  connect(PBdone, &QPushButton::clicked, this, &Wsettings::pushDone);
  connect(PBnewGame, &QPushButton::clicked, this, &Wsettings::pushNewGame);
  connect(PBcancel, &QPushButton::clicked, this, &Wsettings::pushCancel);
  connect(PBdefaults, &QPushButton::clicked, this, &Wsettings::pushDefaults);

  showSettings(factorySettings());
  watchKeysOfAllControls();
  // Every showing starts at the first control of the tab order.
  takeKeyboardWhenShown(this, CBshuffle);
}

// --- Filling the controls --------------------------------------------------

void Wsettings::showCurrentValues() { showSettings(routines_.settings()); }

// The other boxes keep what they show until the next showing.
void Wsettings::mirrorSavedSettings() {
  const Settings& saved = routines_.settings();
  Settings shown = workingCopy();
  for (const SettingField& field : settingFields)
    if (field.mirroredAtStart) setValue(shown, field, valueOf(saved, field));
  showSettings(shown);
}

// The controls are the working copy of the settings: what they show is what
// Done or New Game would store.
void Wsettings::showSettings(const Settings& shown) {
  showSetting(PMdifficulty, shown.game);
  showSetting(PMgridsize, shown.grid);
  showSetting(PMkingsstart, shown.gKings);
  for (const auto& [box, flag] : flagBoxes()) box->setChecked(shown.*flag);
  movementBoxChanged();
  SLdelay->setValue(sliderValueFor(shown.delaySpeed));
  selectCardBack(shown.gCardBackNumber);
  mainSettingsTest();
}

// The current settings with what the controls show laid over them (the
// sheet has no control for every setting).
Settings Wsettings::workingCopy() const {
  Settings working = routines_.settings();
  working.game = PMdifficulty->currentIndex() + 1;
  working.grid = PMgridsize->currentIndex() + 1;
  working.gKings = PMkingsstart->currentIndex() + 1;
  for (const auto& [box, flag] : flagBoxes()) working.*flag = box->isChecked();
  working.delaySpeed = delaySpeedFor(SLdelay->value());
  working.gCardBackNumber = chosenCardBack();
  return working;
}

std::array<std::pair<QCheckBox*, bool Settings::*>, 7> Wsettings::flagBoxes() const {
  return {{{CBsound, &Settings::gSound},
           {CBcheatWarning, &Settings::gCheatWarning},
           {CBdimUnplayables, &Settings::gDimUnplayables},
           {CBautoDeal, &Settings::gAutoDeal},
           {CBgiveUpWarning, &Settings::gGiveUpWarning},
           {CBshowStats, &Settings::gShowStats},
           {CBshuffle, &Settings::gShuffle}}};
}

// --- Handlers of the controls ----------------------------------------------

// Done may store every setting but the three main ones, so it is only
// available while those still equal the current game's.
void Wsettings::mainSettingsTest() {
  const bool same = sameMainSettings(workingCopy(), routines_.settings());
  PBdone->setEnabled(same);
  STnewGameWarning->setVisible(!same);
}

// The list always keeps a row selected, so a card back is always chosen.
void Wsettings::cardBackRowChanged() {
  if (LBcardBacks->selectedItems().isEmpty() || LBcardBacks->currentRow() < 0) {
    QListWidgetItem* kept = LBcardBacks->item(lastCardBackRow_);
    const QSignalBlocker quiet(LBcardBacks);
    LBcardBacks->setCurrentItem(kept);
    kept->setSelected(true);
  }
  lastCardBackRow_ = LBcardBacks->currentRow();
  showBackdrop(framedSample(cardBack(chosenCardBack())));
}

void Wsettings::movementBoxChanged() {
  const bool moving = CBshuffle->isChecked();
  SLdelay->setEnabled(moving);
  STslow->setVisible(moving);
  STfast->setVisible(moving);
}

void Wsettings::pushDone() {
  routines_.applySettings(workingCopy());
  cardBackStored();
  routines_.table().rebuildOffscreen();
  emit settingsApplied();
  QDialog::done(Accepted);
}

// The give-up question follows the sheet's own warning box, ticked or not.
void Wsettings::pushNewGame() {
  const Settings chosen = workingCopy();
  if (!routines_.giveUpForNewGame(chosen.game, chosen.grid, chosen.gKings,
                                  chosen.gGiveUpWarning)) {
    return;
  }
  routines_.applySettings(chosen);
  cardBackStored();
  emit settingsApplied();
  QDialog::done(Accepted);
  routines_.newGame();
}

void Wsettings::pushCancel() {
  routines_.table().updateNow();
  QDialog::done(Rejected);
}

void Wsettings::reject() { pushCancel(); }

// Factory values go into the working copy only; Done or New Game stores them.
void Wsettings::pushDefaults() {
  if (!ask(resetQuestion)) return;
  showSettings(factorySettings());
}

// --- Keys -------------------------------------------------------------------

// Every control passes its key presses here first, so the window's keys work
// whichever control has the focus (the card-back list would otherwise take
// letters to search its rows).
void Wsettings::watchKeysOfAllControls() {
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool Wsettings::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (handleKey(key->text(), key->key())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool Wsettings::handleKey(const QString& text, int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    PBdone->click();  // a disabled Done does nothing: only New Game applies main settings
    return true;
  }
  if (text == "n" || text == "N") {
    PBnewGame->click();
    return true;
  }
  static const QStringList cancelKeys{".", ">", "w", "W", "c", "C"};
  if (cancelKeys.contains(text)) {
    PBcancel->click();
    return true;
  }
  return false;
}

// --- Helpers ----------------------------------------------------------------

// The question box belongs to the main window; when it closes, the sheet,
// still up, takes the keyboard back (see takeKeyboardWhenShown).
bool Wsettings::ask(const char* question) { return routines_.table().askYesNo(question); }

void Wsettings::cardBackStored() {
  if (seams_.cardBackChosen) seams_.cardBackChosen();
}

// A number outside the list's designs selects the first one.
void Wsettings::selectCardBack(int number) {
  const int row = number >= 1 && number <= cardBackCount ? number - 1 : 0;
  {
    const QSignalBlocker quiet(LBcardBacks);
    LBcardBacks->setCurrentRow(row);
  }
  lastCardBackRow_ = row;
  cardBackRowChanged();
  LBcardBacks->scrollToItem(LBcardBacks->item(row));
}

int Wsettings::chosenCardBack() const { return lastCardBackRow_ + 1; }

QImage Wsettings::cardBack(int number) const {
  return seams_.fetchCardback ? seams_.fetchCardback(number) : QImage();
}

void Wsettings::showBackdrop(const QImage& picture) {
  CVshowCardBack->setPixmap(QPixmap::fromImage(picture));
}

QImage Wsettings::framedSample(const QImage& back) {
  QImage sample(sampleWidth, sampleHeight, QImage::Format_ARGB32_Premultiplied);
  sample.fill(Qt::black);
  if (!back.isNull()) {
    QPainter painter(&sample);
    painter.drawImage(sampleWidth / 2 - back.width() / 2, sampleHeight / 2 - back.height() / 2,
                      back);
  }
  return sample;
}

}  // namespace velmoran
