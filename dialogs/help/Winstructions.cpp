#include "dialogs/help/Winstructions.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "dialogs/help/DiagramCanvas.h"
#include "dialogs/help/HelpText.h"
#include "engine/MainRoutines.h"
#include "assets/Assets.h"

namespace velmoran {

namespace {

QFont pixelFont(int pixels) {
  QFont font;
  font.setPixelSize(pixels);
  return font;
}

// Which window edges a control follows when the window is resized: locked to
// both sides of an axis it stretches, to the far side only it moves.
struct Locks {
  bool left, top, right, bottom;
};

QRect follow(QRect start, Locks locks, int grownWidth, int grownHeight) {
  if (locks.right) {
    if (locks.left) {
      start.setWidth(start.width() + grownWidth);
    } else {
      start.translate(grownWidth, 0);
    }
  }
  if (locks.bottom) {
    if (locks.top) {
      start.setHeight(start.height() + grownHeight);
    } else {
      start.translate(0, grownHeight);
    }
  }
  return start;
}

struct Placement {
  const char* name;
  QRect start;
  Locks locks;
};

// Places in the window at its declared size of 615 x 474.
constexpr Placement placements[] = {
    {"PushButton1", {520, 443, 69, 20}, {false, false, true, true}},
    {"EFinstructions", {167, 26, 435, 198}, {true, true, true, true}},
    {"CVinstructionDiagrams", {167, 236, 435, 195}, {true, false, true, true}},
    {"LBcontents", {8, 26, 147, 436}, {true, true, false, true}},
    {"StaticText1", {10, 4, 72, 20}, {false, false, false, false}},
    {"STdetailHeading", {167, 4, 100, 20}, {false, false, false, false}},
    {"CBalwaysShowInstructions", {173, 442, 280, 20}, {true, false, false, true}},
};

// Where a window of `size` (its frame) opens over `parent`: in the middle
// of the parent's board when it is a main window, else of the parent, and
// never over the parent's menu bar, which serves this window too. Off the
// foot of the screen it rises, as far as the menu bar allows.
QPoint placeOver(const QWidget& parent, QSize size) {
  QRect room = parent.geometry();
  const auto* main = qobject_cast<const QMainWindow*>(&parent);
  if (const QWidget* board = main ? main->centralWidget() : nullptr)
    room = QRect(board->mapToGlobal(QPoint(0, 0)), board->size());
  QRect placed({}, size);
  placed.moveCenter(room.center());
  if (const QScreen* screen = parent.screen())
    placed.moveBottom(std::min(placed.bottom(), screen->availableGeometry().bottom()));
  placed.moveTop(std::max(placed.top(), room.top()));
  return placed.topLeft();
}

QPointer<Winstructions>& openWindow() {
  static QPointer<Winstructions> window;
  return window;
}

}  // namespace

Winstructions::Winstructions(MainRoutines& routines, QWidget* parent)
    : QWidget(parent, Qt::Window), routines_(routines), commands_(routines) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Velmoran -Instructions");
  setMinimumSize(minimumWidth, minimumHeight);
  resize(windowWidth, windowHeight);
  buildControls();
  placeControls();

  connect(LBcontents, &QListWidget::currentRowChanged, this, &Winstructions::showTopic);
  connect(PushButton1, &QPushButton::clicked, this, &QWidget::close);
  connect(CBalwaysShowInstructions, &QCheckBox::toggled, this,
          [this](bool on) { commands_.setAlwaysShowInstructions(on); });

  LBcontents->setCurrentRow(0);
  LBcontents->setFocus();
}

Winstructions* Winstructions::showInstance(MainRoutines& routines, QWidget* parent) {
  QPointer<Winstructions>& window = openWindow();
  if (!window) {
    window = new Winstructions(routines, parent);
    if (parent) window->move(placeOver(*parent, window->frameGeometry().size()));
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void Winstructions::buildControls() {
  PushButton1 = new QPushButton("Done", this);
  PushButton1->setFont(pixelFont(12));
  PushButton1->setFocusPolicy(Qt::NoFocus);

  // The text only reads: a press on it selects nothing and takes no focus,
  // while its scroll bar and the wheel still scroll it.
  EFinstructions = new QPlainTextEdit("(Instructions)", this);
  EFinstructions->setFont(pixelFont(13));
  EFinstructions->setReadOnly(true);
  EFinstructions->setTextInteractionFlags(Qt::NoTextInteraction);
  EFinstructions->setFocusPolicy(Qt::NoFocus);
  EFinstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  EFinstructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  EFinstructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  EFinstructions->viewport()->setCursor(Qt::ArrowCursor);
  QPalette paper = EFinstructions->palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  EFinstructions->setPalette(paper);

  CVinstructionDiagrams = new DiagramCanvas(this);

  LBcontents = new QListWidget(this);
  // A touch narrower than the plain face, so the longest title fits the row.
  QFont topicsFont = pixelFont(12);
  topicsFont.setStretch(92);
  LBcontents->setFont(topicsFont);
  LBcontents->setTextElideMode(Qt::ElideNone);
  LBcontents->setSelectionMode(QAbstractItemView::SingleSelection);
  LBcontents->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LBcontents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (const HelpTopic& topic : helpTopics()) LBcontents->addItem(topic.title);
  LBcontents->installEventFilter(this);
  LBcontents->viewport()->installEventFilter(this);

  StaticText1 = new QLabel("Topics:", this);
  StaticText1->setFont(pixelFont(13));
  STdetailHeading = new QLabel("Details:", this);
  STdetailHeading->setFont(pixelFont(13));

  CBalwaysShowInstructions = new QCheckBox("Always show this screen at startup", this);
  CBalwaysShowInstructions->setFont(pixelFont(11));
  CBalwaysShowInstructions->setFocusPolicy(Qt::NoFocus);
  CBalwaysShowInstructions->setChecked(routines_.gAlwaysShowInstructions);

  const QList<QWidget*> controls{PushButton1, EFinstructions,  CVinstructionDiagrams,   LBcontents,
                                 StaticText1, STdetailHeading, CBalwaysShowInstructions};
  for (int i = 0; i < controls.size(); ++i) controls[i]->setObjectName(placements[i].name);
}

void Winstructions::placeControls() {
  const int grownWidth = width() - windowWidth;
  const int grownHeight = height() - windowHeight;
  for (const Placement& placement : placements) {
    if (auto* control = findChild<QWidget*>(placement.name)) {
      control->setGeometry(follow(placement.start, placement.locks, grownWidth, grownHeight));
    }
  }
}

void Winstructions::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeControls();
}

// A row outside the list (a press below the last row) falls back to the last
// topic, "Strategy & Hints".
void Winstructions::showTopic(int row) {
  const auto& topics = helpTopics();
  if (row < 0 || row >= helpTopicCount) {
    LBcontents->setCurrentRow(helpTopicCount - 1);
    return;
  }
  const HelpTopic& topic = topics[row];
  EFinstructions->setPlainText(topic.text);
  EFinstructions->verticalScrollBar()->setValue(0);
  diagramName_ = topic.diagram;
  CVinstructionDiagrams->setPicture(
      diagramName_.isEmpty() ? QImage() : assets::picture(diagramName_.toStdString()));
}

bool Winstructions::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LBcontents->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (!LBcontents->itemAt(press->position().toPoint())) {
      showTopic(-1);
      return true;
    }
  }
  if (watched == LBcontents && event->type() == QEvent::KeyPress) {
    if (handleKey(static_cast<QKeyEvent*>(event))) return true;
  }
  if (watched == LBcontents && event->type() == QEvent::FocusOut) {
    // The list keeps the focus, so the arrow keys always move through topics.
    QMetaObject::invokeMethod(LBcontents, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
  }
  return QWidget::eventFilter(watched, event);
}

void Winstructions::keyPressEvent(QKeyEvent* event) {
  if (!handleKey(event)) QWidget::keyPressEvent(event);
}

// "w" and Return close the window; every other key is left to the list.
bool Winstructions::handleKey(QKeyEvent* event) {
  const bool closes = event->text() == "w" || event->text() == "W" ||
                      event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (closes) PushButton1->click();
  return closes;
}

}  // namespace velmoran
