#include "dialogs/Wstats.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "dialogs/DialogLook.h"
#include "dialogs/TakesKeyboard.h"
#include "assets/Assets.h"

namespace velmoran {

namespace {

QString column(int clean, int cheated, int lost) {
  return QStringLiteral("%1\n%2\n%3").arg(clean).arg(cheated).arg(lost);
}

// The figures are right-aligned in a column 20 pixels wide; a count too
// wide for it grows the column to the left so that it is never cut off.
void fitFigures(QLabel* figures) {
  constexpr int minimumWidth = 20;
  const QRect old = figures->geometry();
  const int width = std::max(minimumWidth, figures->sizeHint().width());
  figures->setGeometry(old.right() + 1 - width, old.top(), width, old.height());
}

QLabel* makeText(const QString& text, QWidget* parent, const QRect& geometry,
                 Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(look::systemFont(13));
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

}  // namespace

Wstats::Wstats(MainRoutines& routines, QWidget* parent)
    : QDialog(parent, look::fixedDialogFlags()), routines_(routines), commands_(routines) {
  setWindowTitle(QStringLiteral("Statistics"));
  setWindowModality(Qt::WindowModal);
  setFixedSize(330, 300);
  look::markBlocksQuit(this);

  Canvas2 = new QLabel(this);
  Canvas2->setGeometry(13, 13, 46, 60);
  Canvas2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Canvas2->setPixmap(QPixmap::fromImage(assets::picture("PXicon")));

  StaticText1 = new QLabel(QStringLiteral("Game Statistics"), this);
  StaticText1->setGeometry(64, 17, 205, 16);
  StaticText1->setFont(look::systemFont(13, true));

  GroupBox2 = addGroup(QStringLiteral("Standard Games"), 82, STstandardLabel, STstandardStats);
  GroupBox1 = addGroup(QStringLiteral("Easy Games"), 169, STeasyLabel, STeasyStats);

  PBok = new QPushButton(QStringLiteral("OK"), this);
  PBok->setGeometry(247, 262, 69, 20);
  PBok->setFont(look::systemFont(12));
  PBok->setDefault(true);

  PBclearStats = new QPushButton(QStringLiteral("Clear Stats"), this);
  PBclearStats->setGeometry(138, 262, 90, 20);
  PBclearStats->setFont(look::systemFont(12));
  PBclearStats->setAutoDefault(false);  // Return always means OK

  connect(PBok, &QPushButton::clicked, this, &Wstats::PBok_Action);
  connect(PBclearStats, &QPushButton::clicked, this, &Wstats::PBclearStats_Action);
  // However the sheet goes away (OK or the window manager) it is only
  // hidden, and the main window is shown anew.
  connect(this, &QDialog::finished, this, &Wstats::dismissed);
  takeKeyboardWhenShown(this, PBok);
}

// One box of three labelled figures. The figures are 20 pixels wide and
// right-aligned, so a longer count grows to the left.
QGroupBox* Wstats::addGroup(const QString& caption, int top, QLabel*& label, QLabel*& figures) {
  constexpr int boxLeft = 13;
  auto* box = new QGroupBox(caption, this);
  box->setGeometry(boxLeft, top, 300, 79);
  box->setFont(look::systemFont(13));
  const QString lines = QStringLiteral("Games won:\nGames won with \"cheating\":\nGames lost:");
  label = makeText(lines, box, QRect(33 - boxLeft, 24, 220, 51), Qt::AlignLeft);
  figures = makeText(column(0, 0, 0), box, QRect(274 - boxLeft, 24, 20, 51), Qt::AlignRight);
  return box;
}

void Wstats::showSheet() {
  updateDisplay();
  exec();
}

void Wstats::updateDisplay() {
  const Statistics& s = routines_.stats;
  STstandardStats->setText(column(s.noCheatWins, s.wins, s.losses));
  STeasyStats->setText(column(s.easyNoCheatWins, s.easyWins, s.easyLosses));
  fitFigures(STstandardStats);
  fitFigures(STeasyStats);
}

void Wstats::clearStats() {
  commands_.clearStatistics();
  updateDisplay();
}

void Wstats::PBok_Action() { accept(); }

void Wstats::PBclearStats_Action() {
  if (askYesNo(this, QStringLiteral("Really reset all stats?\n\nThere is no undo available."))) {
    clearStats();
  }
}

// The sheet has no cancel button: Escape does nothing.
void Wstats::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace velmoran
