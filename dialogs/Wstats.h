#pragma once

#include <QDialog>
#include <functional>

#include "MainRoutines.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace velmoran {

// The statistics sheet. The counters belong to the game (routines.stats);
// this window only shows them and can reset them, so closing or hiding it
// never loses a count. One instance is kept for the whole run.
class Wstats : public QDialog {
  Q_OBJECT

 public:
  // Asks a Yes/No question over the sheet; true for Yes.
  using Question = std::function<bool(QWidget* parent, const QString& text)>;

  Wstats(MainRoutines& routines, QWidget* parent);

  // Shows the sheet over its parent and returns once it is dismissed. The
  // figures are refreshed first, so the sheet never shows stale counts.
  void showSheet();

  // Writes the game's six counters into the two number columns.
  void updateDisplay();

  // Sets all six counters to 0 and shows them.
  void clearStats();

  // Replaces the "Really reset all stats?" message box (tests answer it).
  void setQuestion(Question question) { question_ = std::move(question); }

  QLabel* Canvas2;
  QLabel* StaticText1;
  QGroupBox* GroupBox2;
  QLabel* STstandardStats;
  QLabel* STstandardLabel;
  QGroupBox* GroupBox1;
  QLabel* STeasyLabel;
  QLabel* STeasyStats;
  QPushButton* PBok;
  QPushButton* PBclearStats;

 signals:
  // The sheet went away; the main window repaints itself.
  void dismissed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PBok_Action();
  void PBclearStats_Action();
  QGroupBox* addGroup(const QString& caption, int top, QLabel*& label, QLabel*& figures);

  MainRoutines& routines_;
  Question question_;
};

}  // namespace velmoran
