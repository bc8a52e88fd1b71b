#pragma once

#include <QDialog>

#include "engine/MainRoutines.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace velmoran {

// The statistics sheet. The counters belong to the game (routines.stats);
// this window only reads them and asks the game to reset them, so closing or
// hiding it never loses a count. One instance is kept for the whole run.
class Wstats : public QDialog {
  Q_OBJECT

 public:
  Wstats(MainRoutines& routines, QWidget* parent);

  // Shows the sheet over its parent and returns once it is dismissed. The
  // figures are refreshed first, so the sheet never shows stale counts.
  void showSheet();

  // Writes the game's six counters into the two number columns.
  void updateDisplay();

  // Has the game set all six counters to 0, and shows them.
  void clearStats();

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

  const MainRoutines& routines_;
  GameCommands& commands_;
};

}  // namespace velmoran
