#include "shell/QuitRequest.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <utility>

#include "table/InputHold.h"
#include "table/Wmain.h"

namespace velmoran {

namespace {

// Often enough that a sound waited for ends at once once stopped.
constexpr std::chrono::milliseconds stepInterval{10};

// Closing is every sheet's and question's cancel; a window that refuses
// to close is rejected.
void cancel(QWidget* window) {
  window->close();
  if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) dialog->reject();
}

}  // namespace

QuitRequest::QuitRequest(Wmain& wmain, std::function<void()> closeGame, QObject* parent)
    : QObject(parent), wmain_(wmain), closeGame_(std::move(closeGame)) {
  steps_.setInterval(stepInterval);
  connect(&steps_, &QTimer::timeout, this, &QuitRequest::step);
}

// The button held down to cut animations short belongs to this request:
// a game that lives on after it plays its animations again.
QuitRequest::~QuitRequest() { InputHold::instance().holdButtonDown(false); }

void QuitRequest::start(Asker asker) {
  if (asker == Asker::Outside) asker_ = asker;
  if (steps_.isActive()) return;  // already on its way
  steps_.start();
  step();
}

// Each step clears one thing away; the game is closed only from the main
// event loop, once no handler is still running beneath it. Asked from
// outside, the steps go on while it closes: nobody may be there to answer a
// message then either.
void QuitRequest::step() {
  if (asker_ == Asker::Outside) {
    if (QWidget* popup = QApplication::activePopupWidget()) return cancel(popup);
    if (QWidget* modal = QApplication::activeModalWidget()) return cancel(modal);
  }
  if (closing_) return;
  wmain_.hurryToQuit();
  if (InputHold::instance().isBusy() || QThread::currentThread()->loopLevel() > 1) return;
  closing_ = true;
  if (asker_ == Asker::Player) steps_.stop();
  // Outside this step, which must go on answering while the game closes.
  QTimer::singleShot(0, this, closeGame_);
}

}  // namespace velmoran
