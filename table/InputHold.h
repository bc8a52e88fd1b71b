#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace velmoran {

// Keeps the player's input away from the program while something runs that
// must not be interrupted: a drag, a hint, an animation or a wait for a
// sound. Installed once on the application, it
//  - holds mouse presses, releases, moves and double clicks, keys,
//    shortcuts, the wheel and context menus while busy;
//  - holds a window close asked for while busy and carries it out when the
//    busy state ends; but the main window's close and the Quit shortcut
//    are not held: they ask for the quit at once (quitAskedWhileBusy), so
//    that the quit can cut short what runs rather than wait it out;
//  - records every mouse press and release, busy or not: that record is
//    "the mouse button is down now"; and where the pointer was last seen,
//    so a move held back can still be followed once the hold ends;
//  - lets everything else through (paint, timers, sound);
//  - steps aside entirely while a sheet or message box is up in the middle
//    of a busy state (SuspendScope), so the player can answer it.
// A busy state may name a gesture owner: the widget that started a drag or
// a hint keeps getting its own mouse events, so it sees the release.
class InputHold : public QObject {
  Q_OBJECT
 public:
  static InputHold& instance();

  bool isBusy() const { return !busyOwners_.empty(); }
  bool isSuspended() const { return suspended_ > 0; }
  bool mouseButtonDown() const { return buttonDown_ || heldForQuit_; }
  // A quit is under way: from now on the button counts as held, so every
  // animation ends as a held button ends it; until the quit is given up.
  void holdButtonDown(bool held = true) { heldForQuit_ = held; }
  // The Quit command and the main window, whose shortcut and close while
  // busy ask for the quit at once.
  void passQuitOn(QAction* quit, QWidget* mainWindow);
  QPoint lastPointer() const { return lastPointer_; }  // global coordinates

  // Used by the scopes below; prefer those.
  void beginBusy(QWidget* gestureOwner);
  void endBusy();
  void beginSuspend() { ++suspended_; }
  void endSuspend() { --suspended_; }

 signals:
  void quitAskedWhileBusy();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  InputHold();
  bool holds(QObject* watched, QEvent* event) const;
  void carryOutHeldClose();
  bool isQuitShortcut(const QEvent* shortcut) const;

  std::vector<QPointer<QWidget>> busyOwners_;  // innermost last; null = no owner
  int suspended_ = 0;
  bool buttonDown_ = false;
  bool heldForQuit_ = false;
  QPoint lastPointer_;
  QPointer<QWidget> heldClose_;
  QPointer<QAction> quitCommand_;
  QPointer<QWidget> mainWindow_;
};

// Busy for the scope's lifetime. Scopes nest; input is held until the
// outermost one ends.
class BusyScope {
 public:
  explicit BusyScope(QWidget* gestureOwner = nullptr) {
    InputHold::instance().beginBusy(gestureOwner);
  }
  ~BusyScope() { InputHold::instance().endBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
};

// Lets input through for the scope's lifetime, busy or not: for a modal
// sheet or message box shown in the middle of a move.
class SuspendScope {
 public:
  SuspendScope() { InputHold::instance().beginSuspend(); }
  ~SuspendScope() { InputHold::instance().endSuspend(); }
  SuspendScope(const SuspendScope&) = delete;
  SuspendScope& operator=(const SuspendScope&) = delete;
};

}  // namespace velmoran
