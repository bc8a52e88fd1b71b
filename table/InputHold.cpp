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
  carryOutHeldCommand();
}

void InputHold::endSuspend() {
  --suspended_;
  carryOutHeldCommand();
}

void InputHold::carryOutHeldClose() {
  if (!heldClose_) return;
  // Queued, so the close happens once the code that was busy has returned.
  QTimer::singleShot(0, heldClose_.data(), &QWidget::close);
  heldClose_.clear();
}

void InputHold::holdCommandOfShortcut(const QEvent* shortcut) {
  if (!keptCommand_) return;
  const QKeySequence pressed(static_cast<const QKeyEvent*>(shortcut)->keyCombination());
  if (pressed.matches(keptCommand_->shortcut()) == QKeySequence::ExactMatch)
    heldCommand_ = keptCommand_;
}

// Queued, so the command runs once the code that was busy has returned. A
// move may still be under way then, between two of its pauses, or asking
// the player something: the command waits on until nothing runs.
void InputHold::carryOutHeldCommand() {
  if (!heldCommand_ || isBusy() || isSuspended()) return;
  QTimer::singleShot(0, heldCommand_.data(), [this] {
    if (!heldCommand_ || isBusy() || isSuspended()) return;
    QAction* command = heldCommand_;
    heldCommand_.clear();
    command->trigger();
  });
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
    holdCommandOfShortcut(event);
    event->accept();  // no shortcut fires; the key press that follows is held too
    return true;
  }
  if (type == QEvent::Close && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    heldClose_ = static_cast<QWidget*>(watched);
    event->ignore();
    return true;
  }
  return holds(watched, event);
}

}  // namespace velmoran
