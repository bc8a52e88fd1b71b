#include "Wcheat.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "DialogLook.h"
#include "SheetScope.h"
#include "TakesKeyboard.h"
#include "shell/assets/Assets.h"

namespace velmoran {

bool Wcheat::ask(QWidget* parent, MainRoutines& routines, const QString& reason) {
  auto* sheet = new Wcheat(routines, parent);
  sheet->setAttribute(Qt::WA_DeleteOnClose);
  sheet->setMessage(reason);
  SheetScope scope;
  sheet->exec();
  return routines.userResponse == cheatAnswer.toStdString();
}

Wcheat::Wcheat(MainRoutines& routines, QWidget* parent)
    : QDialog(parent, look::fixedDialogFlags()), routines_(routines) {
  // A stale "Cheat" from an earlier showing must never mark a game: until
  // the Cheat button is pressed the answer is "Don't Cheat".
  routines_.userResponse = dontCheatAnswer.toStdString();

  setWindowTitle(QStringLiteral("Cheat Warning"));
  setWindowModality(Qt::WindowModal);
  setFixedSize(402, 124);
  look::markBlocksQuit(this);

  PBdontCheat = new QPushButton(dontCheatAnswer, this);
  PBdontCheat->setGeometry(297, 90, 90, 20);
  PBdontCheat->setFont(look::systemFont(12));
  PBdontCheat->setDefault(true);

  PBcheat = new QPushButton(cheatAnswer, this);
  PBcheat->setGeometry(212, 90, 69, 20);
  PBcheat->setFont(look::systemFont(12));
  PBcheat->setAutoDefault(false);  // Return always means the default answer

  CBalwaysCheat = new QCheckBox(QStringLiteral("Never warn about cheating"), this);
  CBalwaysCheat->setGeometry(12, 90, 193, 20);
  CBalwaysCheat->setFont(look::systemFont(10));

  CVicon = new QLabel(this);
  CVicon->setGeometry(33, 18, 46, 61);
  CVicon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CVicon->setPixmap(QPixmap::fromImage(assets::picture("PXicon")));

  STcheatMessage = new QLabel(QStringLiteral("(message)"), this);
  STcheatMessage->setGeometry(103, 18, 284, 61);
  STcheatMessage->setFont(look::systemFont(12, true));
  STcheatMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  STcheatMessage->setWordWrap(true);

  connect(PBcheat, &QPushButton::clicked, this, &Wcheat::PBcheat_Action);
  connect(PBdontCheat, &QPushButton::clicked, this, &Wcheat::PBdontCheat_Action);
  connect(CBalwaysCheat, &QCheckBox::toggled, this, &Wcheat::CBalwaysCheat_Action);
  takeKeyboardWhenShown(this, PBdontCheat);
}

void Wcheat::setMessage(const QString& reason) { STcheatMessage->setText(reason); }

void Wcheat::PBcheat_Action() {
  if (CBalwaysCheat->isChecked()) routines_.gCheatWarning = false;
  routines_.userResponse = cheatAnswer.toStdString();
  accept();
}

void Wcheat::PBdontCheat_Action() {
  routines_.userResponse = dontCheatAnswer.toStdString();
  reject();
}

// While "Never warn about cheating" is ticked the only answer left is "Cheat"
// (closing the sheet any other way still means "Don't Cheat").
void Wcheat::CBalwaysCheat_Action(bool ticked) { PBdontCheat->setEnabled(!ticked); }

}  // namespace velmoran
