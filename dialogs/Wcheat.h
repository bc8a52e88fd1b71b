#pragma once

#include <QDialog>

#include "engine/GameCommands.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmoran {

// The cheat warning: asks whether to go ahead with a rule-relaxing action.
// It decides nothing about the game; the caller marks the game as cheated
// and carries the action out or drops it.
class Wcheat : public QDialog {
  Q_OBJECT

 public:
  inline static const QString cheatAnswer = QStringLiteral("Cheat");
  inline static const QString dontCheatAnswer = QStringLiteral("Don't Cheat");

  // Shows a fresh warning over parent with the reason and waits for the
  // answer. True only when the player chose "Cheat"; every other way out of
  // the sheet is "Don't Cheat".
  static bool ask(QWidget* parent, GameCommands& commands, const QString& reason);

  Wcheat(GameCommands& commands, QWidget* parent);

  void setMessage(const QString& reason);

  QPushButton* PBdontCheat;
  QPushButton* PBcheat;
  QCheckBox* CBalwaysCheat;
  QLabel* CVicon;
  QLabel* STcheatMessage;

 private:
  void PBcheat_Action();
  void PBdontCheat_Action();
  void CBalwaysCheat_Action(bool ticked);

  GameCommands& commands_;
};

}  // namespace velmoran
