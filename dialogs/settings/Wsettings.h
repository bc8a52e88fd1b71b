#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <utility>

#include "engine/Settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace velmoran {

class MainRoutines;

// The "All Game Settings" sheet. Its controls are a working copy of the
// settings: nothing reaches the game until Done (every setting but the three
// main ones) or New Game (all of them, after the abandoned game is counted).
// The window lives for the whole run and is only hidden when dismissed; the
// caller refreshes it with showCurrentValues() before each showing.
class Wsettings : public QDialog {
  Q_OBJECT

 public:
  // What lies outside this window. fetchCardback gives card back n at the
  // current card size; cardBackChosen runs after Done or New Game stored a
  // new card-back number, so the board can cut its own copy of the back.
  struct Seams {
    std::function<QImage(int)> fetchCardback;
    std::function<void()> cardBackChosen;
  };

  Wsettings(MainRoutines& routines, Seams seams, QWidget* parent = nullptr);

  // Copies every setting into the controls.
  void showCurrentValues();

  // Copies the settings kept in the preferences file into the controls when
  // the file has been read at start-up: the three main popups, the speed
  // slider, the sound, movement and cheat-warning boxes and the card back.
  void mirrorSavedSettings();

  // The framed sample: the back centred on a black 90 x 126 picture.
  static QImage framedSample(const QImage& back);

  static constexpr int windowWidth = 615;
  static constexpr int windowHeight = 424;

 signals:
  // Done or New Game stored the settings (New Game before the new game starts).
  void settingsApplied();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;  // Escape and the window's close box cancel

 private:
  void buildControls();
  void buildMainSettings();
  void buildCardBacks();
  void buildOtherOptions();
  void buildButtons();
  void orderTabStops();
  void watchKeysOfAllControls();

  // Handlers of the controls.
  void mainSettingsTest();
  void cardBackRowChanged();
  void movementBoxChanged();
  void pushDone();
  void pushNewGame();
  void pushCancel();
  void pushDefaults();
  bool handleKey(const QString& text, int key);

  // Helpers.
  bool ask(const char* question);
  void showSettings(const Settings& shown);
  Settings workingCopy() const;
  std::array<std::pair<QCheckBox*, bool Settings::*>, 7> flagBoxes() const;
  void cardBackStored();
  void selectCardBack(int number);
  int chosenCardBack() const;
  QImage cardBack(int number) const;
  void showBackdrop(const QImage& picture);

  MainRoutines& routines_;
  Seams seams_;
  int lastCardBackRow_ = 0;

  QComboBox* PMdifficulty = nullptr;
  QComboBox* PMgridsize = nullptr;
  QComboBox* PMkingsstart = nullptr;
  QLabel* STnewGameWarning = nullptr;
  QLabel* CVshowCardBack = nullptr;
  QListWidget* LBcardBacks = nullptr;
  QCheckBox* CBsound = nullptr;
  QCheckBox* CBcheatWarning = nullptr;
  QCheckBox* CBdimUnplayables = nullptr;
  QCheckBox* CBautoDeal = nullptr;
  QCheckBox* CBgiveUpWarning = nullptr;
  QCheckBox* CBshowStats = nullptr;
  QCheckBox* CBshuffle = nullptr;
  QLabel* STslow = nullptr;
  QSlider* SLdelay = nullptr;
  QLabel* STfast = nullptr;
  QPushButton* PBdefaults = nullptr;
  QPushButton* PBcancel = nullptr;
  QPushButton* PBnewGame = nullptr;
  QPushButton* PBdone = nullptr;
};

}  // namespace velmoran
