#include "table/InputHold.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace velmoran {

namespace {

bool isMouseInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return true;
    default:
      return false;
  }
}

bool isOtherInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputHold& InputHold::instance() {
  static InputHold* hold = new InputHold;
  return *hold;
}

InputHold::InputHold() : QObject(QCoreApplication::instance()) {
  QCoreApplication::instance()->installEventFilter(this);
}

void InputHold::beginBusy(QWidget* gestureOwner) { busyOwners_.emplace_back(gestureOwner); }

void InputHold::endBusy() {
  if (busyOwners_.empty()) return;
  busyOwners_.pop_back();
  if (!busyOwners_.empty()) return;
  carryOutHeldClose();
}

void InputHold::passQuitOn(QAction* quit, QWidget* mainWindow) {
  quitCommand_ = quit;
  mainWindow_ = mainWindow;
}

void InputHold::carryOutHeldClose() {
  if (!heldClose_) return;
  // Queued, so the close happens once the code that was busy has returned.
  QTimer::singleShot(0, heldClose_.data(), &QWidget::close);
  heldClose_.clear();
}

bool InputHold::isQuitShortcut(const QEvent* shortcut) const {
  if (!quitCommand_ || !quitCommand_->isEnabled()) return false;
  const QKeySequence pressed(static_cast<const QKeyEvent*>(shortcut)->keyCombination());
  return pressed.matches(quitCommand_->shortcut()) == QKeySequence::ExactMatch;
}

bool InputHold::holds(QObject* watched, QEvent* event) const {
  const QEvent::Type type = event->type();
  if (isOtherInput(type)) return true;
  if (!isMouseInput(type)) return false;
  // Mouse events reach a window first and its widget next; holding them at
  // the widget is enough, and the gesture owner keeps its own.
  if (!watched->isWidgetType()) return false;
  const QWidget* owner = busyOwners_.back();
  return owner == nullptr || watched != owner;
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (isMouseInput(type)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    lastPointer_ = mouse->globalPosition().toPoint();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick)
      buttonDown_ = mouse->buttons() != Qt::NoButton;
  }

  if (!isBusy() || isSuspended()) return false;

  if (type == QEvent::ShortcutOverride) {
    if (isQuitShortcut(event)) emit quitAskedWhileBusy();
    event->accept();  // no shortcut fires; the key press that follows is held too
    return true;
  }
  if (type == QEvent::Close && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    if (watched == mainWindow_)
      emit quitAskedWhileBusy();
    else
      heldClose_ = static_cast<QWidget*>(watched);
    event->ignore();
    return true;
  }
  return holds(watched, event);
}

}  // namespace velmoran
