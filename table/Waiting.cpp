#include "table/Waiting.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "table/InputHold.h"

namespace velmoran {

namespace {

using Clock = std::chrono::steady_clock;

// Runs the event loop until the timer fires; Qt timers count whole
// milliseconds, so the caller loops on the clock for the remainder.
void runEventLoopFor(std::chrono::milliseconds step) {
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(step);
  loop.exec();
}

}  // namespace

void waitFor(std::chrono::microseconds duration) {
  const BusyScope busy;
  const Clock::time_point end = Clock::now() + duration;
  QCoreApplication::processEvents();
  for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
    runEventLoopFor(std::chrono::ceil<std::chrono::milliseconds>(end - now));
  }
}

void waitWhile(const std::function<bool()>& stillWaiting, std::chrono::milliseconds limit) {
  constexpr std::chrono::milliseconds step{5};
  const BusyScope busy;
  const Clock::time_point end = Clock::now() + limit;
  while (stillWaiting() && Clock::now() < end) waitFor(step);
}

}  // namespace velmoran
