#include "dialogs/Wabout.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/Backdrop.h"
#include "dialogs/DialogLook.h"
#include "dialogs/TakesKeyboard.h"
#include "dialogs/URLcanvas.h"
#include "assets/Assets.h"

namespace velmoran {

Wabout::Wabout(QWidget* parent) : QDialog(parent, look::fixedDialogFlags()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("About Velmoran"));
  setModal(true);
  setFixedSize(500, 170);
  look::markBlocksQuit(this);

  StaticText1 = new QLabel(look::versionLabelText(), this);
  StaticText1->setGeometry(183, 87, 303, 34);
  StaticText1->setFont(look::systemFont(11));
  StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  StaticText1->setStyleSheet(QStringLiteral("color: black"));

  PBdone = new QPushButton(QStringLiteral("Done"), this);
  PBdone->setGeometry(388, 141, 100, 20);
  PBdone->setFont(look::systemFont(12));
  PBdone->setDefault(true);

  PBinstructions = new QPushButton(QStringLiteral("Instructions"), this);
  PBinstructions->setGeometry(388, 112, 100, 20);
  PBinstructions->setFont(look::systemFont(12));
  PBinstructions->setAutoDefault(false);  // Return always means Done

  CVweb = makeLink(QStringLiteral("velmoran.example"), webTarget, 124);
  CVemail = makeLink(mailAddress, QStringLiteral("mailto:") + mailAddress, 142);

  takeKeyboardWhenShown(this, PBdone);
  connect(PBdone, &QPushButton::clicked, this, &Wabout::reject);
  connect(PBinstructions, &QPushButton::clicked, this, &Wabout::PBinstructions_Action);
}

URLcanvas* Wabout::makeLink(const QString& text, const QString& target, int top) {
  auto* link = new URLcanvas(this);
  link->setGeometry(183, top, 170, 18);
  link->URLtext = text;
  link->URLlinkColor = QColor(0, 0, 255);
  link->URLclickColor = QColor(255, 0, 0);
  link->URLfont = QStringLiteral("Geneva");
  link->URLsize = 10;
  link->URLtarget = target;
  return link;
}

void Wabout::reject() {
  emit mainWindowWanted();
  QDialog::reject();
}

void Wabout::PBinstructions_Action() {
  hide();
  emit instructionsWanted();
  close();
}

void Wabout::paintEvent(QPaintEvent*) { look::paintBackdrop(this, assets::picture("PXaboutBox")); }

}  // namespace velmoran
