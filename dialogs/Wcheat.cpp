#include "dialogs/Wcheat.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/DialogLook.h"
#include "dialogs/TakesKeyboard.h"
#include "assets/Assets.h"

namespace velmoran {

// Only the Cheat button accepts the sheet; every other way out rejects it.
bool Wcheat::ask(QWidget* parent, GameCommands& commands, const QString& reason) {
  auto* sheet = new Wcheat(commands, parent);
  sheet->setAttribute(Qt::WA_DeleteOnClose);
  sheet->setMessage(reason);
  return sheet->exec() == QDialog::Accepted;
}

Wcheat::Wcheat(GameCommands& commands, QWidget* parent)
    : QDialog(parent, look::fixedDialogFlags()), commands_(commands) {
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
  if (CBalwaysCheat->isChecked()) commands_.neverWarnAboutCheating();
  accept();
}

void Wcheat::PBdontCheat_Action() { reject(); }

// While "Never warn about cheating" is ticked the only answer left is "Cheat"
// (closing the sheet any other way still means "Don't Cheat").
void Wcheat::CBalwaysCheat_Action(bool ticked) { PBdontCheat->setEnabled(!ticked); }

}  // namespace velmoran
