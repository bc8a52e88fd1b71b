#include "dialogs/TakesKeyboard.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QWidget>

namespace velmoran {

namespace {

// True when other is a window that window stands in front of: a window it
// was opened over (the main window, or a sheet a question came from), or
// another window that belongs to one of those (the help window).
bool isBlockedBy(const QWidget* other, const QWidget* window) {
  for (const QWidget* owner = window->parentWidget(); owner; owner = owner->parentWidget()) {
    for (const QWidget* w = other; w; w = w->parentWidget()) {
      if (w == owner->window()) return true;
    }
  }
  return false;
}

class KeyboardTaker : public QObject {
 public:
  KeyboardTaker(QWidget* window, QWidget* focus) : QObject(window), window_(window), focus_(focus) {
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
      QTimer::singleShot(0, this, [this] { takeBackFromBlockedWindow(); });
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      rememberWindowInFront();
      if (focus_) focus_->setFocus(Qt::ActiveWindowFocusReason);
      comeForward();
      // The window system maps the window only after this event; ask again
      // once it has.
      QTimer::singleShot(0, this, [this] { comeForward(); });
    } else if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) {
      // Put away by the program (a window manager's minimising is not).
      giveBackToWindowInFront();
    } else if (watched == window_ && event->type() == QEvent::WindowStateChange &&
               window_->isMinimized()) {
      // Declared without a minimise button, but some window managers
      // (openbox) draw one anyway: minimised, the window would leave the
      // windows it blocks dead to input with no sign why. It comes back.
      QTimer::singleShot(0, this, [this] {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        comeForward();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // The window the player was using when this one came up. One that was
  // just put away does not count: the window it gave the front back to
  // does, since the window system may not have activated that one yet.
  void rememberWindowInFront() {
    QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible()) active = lastGivenFront();
    inFront_ = active != window_ ? active : nullptr;
  }

  // A window manager hands the front to the window this one stood over
  // (and raised with it), which would hide the help window under the main
  // window: the window that was in front before comes back on top.
  void giveBackToWindowInFront() {
    if (!inFront_ || !inFront_->isVisible()) return;
    lastGivenFront() = inFront_;
    inFront_->raise();
    inFront_->activateWindow();
  }

  static QPointer<QWidget>& lastGivenFront() {
    static QPointer<QWidget> window;
    return window;
  }

  void comeForward() {
    if (!window_->isVisible()) return;
    window_->raise();
    window_->activateWindow();
  }

  // Only a window this one blocks is refused the keyboard: a box asked from
  // this sheet, or another program, keeps it.
  void takeBackFromBlockedWindow() {
    QWidget* active = QApplication::activeWindow();
    if (!window_->isVisible() || QApplication::activeModalWidget() != window_) return;
    if (active && active != window_ && isBlockedBy(active, window_)) comeForward();
  }

  QWidget* window_;
  QPointer<QWidget> focus_;
  QPointer<QWidget> inFront_;
};

QMessageBox::StandardButton runBox(QMessageBox& box) {
  takeKeyboardWhenShown(&box, box.defaultButton());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void takeKeyboardWhenShown(QWidget* window, QWidget* focus) { new KeyboardTaker(window, focus); }

bool askYesNo(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setDefaultButton(QMessageBox::Yes);
  return runBox(box) == QMessageBox::Yes;
}

void showMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
  box.setDefaultButton(QMessageBox::Ok);
  runBox(box);
}

}  // namespace velmoran
