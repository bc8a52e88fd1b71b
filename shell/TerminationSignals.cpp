#include "shell/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace velmoran {

namespace {

constexpr std::array<int, 3> terminationSignals{SIGTERM, SIGHUP, SIGINT};

// Open for the whole life of the process: a handler may run at any moment,
// on any thread, up to the very end.
int readEnd = -1;
int writeEnd = -1;

// Async-signal-safe: one write, errno kept as it was.
void onTerminationSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

void catchTerminationSignals() {
  if (readEnd >= 0) return;
  int sockets[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0) return;
  readEnd = sockets[1];
  writeEnd = sockets[0];
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : terminationSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  catchTerminationSignals();
  if (readEnd < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readRequests);
}

// The signals stay caught: one that comes now waits, answered by the next
// instance or by nobody.
TerminationSignals::~TerminationSignals() = default;

bool TerminationSignals::requested() const {
  char byte = 0;
  return readEnd >= 0 && ::recv(readEnd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
}

void TerminationSignals::readRequests() {
  char bytes[16];
  while (::read(readEnd, bytes, sizeof bytes) > 0) {
  }
  emit terminationRequested();
}

}  // namespace velmoran
