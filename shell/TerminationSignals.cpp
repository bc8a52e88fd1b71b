#include "shell/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace velmoran {

namespace {

constexpr std::array<int, 3> terminationSignals{SIGTERM, SIGHUP, SIGINT};

int writeEnd = -1;  // read by the handler only
std::array<struct sigaction, terminationSignals.size()> formerActions{};

// Async-signal-safe: one write, errno kept as it was.
void onTerminationSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0) return;
  writeEnd = sockets_[0];
  notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readRequests);
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < terminationSignals.size(); ++i)
    ::sigaction(terminationSignals[i], &action, &formerActions[i]);
}

TerminationSignals::~TerminationSignals() {
  if (!notifier_) return;
  for (std::size_t i = 0; i < terminationSignals.size(); ++i)
    ::sigaction(terminationSignals[i], &formerActions[i], nullptr);
  writeEnd = -1;
  notifier_.reset();
  ::close(sockets_[0]);
  ::close(sockets_[1]);
}

void TerminationSignals::readRequests() {
  char bytes[16];
  while (::read(sockets_[1], bytes, sizeof bytes) > 0) {
  }
  emit terminationRequested();
}

}  // namespace velmoran
