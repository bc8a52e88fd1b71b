#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace velmoran {

// Catches SIGTERM, SIGHUP and SIGINT (a kill, a shutdown, a closed terminal)
// from now until the process exits: the handler only writes a byte into a
// socket pair, where the request waits for a TerminationSignals to answer
// it. Called first thing, before the application object is made, so that no
// such signal ends the process by its default action, neither in the first
// moments of the run nor in the teardown after the quit. Calling it again
// does nothing.
void catchTerminationSignals();

// Turns the caught signals into a Qt signal on the event loop, also one that
// came before it was made. One instance at a time.
class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

  // A signal came that has not yet been answered.
  bool requested() const;

 signals:
  void terminationRequested();

 private:
  void readRequests();

  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace velmoran
