#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace velmoran {

// Turns SIGTERM, SIGHUP and SIGINT (a kill, a shutdown, a closed terminal)
// into a Qt signal on the event loop. The handler only writes a byte into a
// socket pair; everything else runs later, in the normal flow of events.
// One instance at a time; the former handlers come back when it goes.
class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

 signals:
  void terminationRequested();

 private:
  void readRequests();

  int sockets_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace velmoran
