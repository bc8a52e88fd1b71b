#pragma once

#include <QObject>
#include <filesystem>

namespace velmoran {

// One running copy of the game per preferences file. The first copy holds
// a lock next to the file, one the kernel releases when its holder dies, so
// that only a live copy keeps a later start out, whatever lies at the
// lock's names or was left there. That copy listens for later starts; a
// later start finds the lock taken, asks the running copy to come to the
// front, and ends without touching the file.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const std::filesystem::path& folder, QObject* parent = nullptr);
  ~SingleInstance() override;

  enum class Start {
    Alone,            // no other copy runs on this preferences file
    AnotherCopyRuns,  // a live copy holds the lock, and was asked to come forward
    CannotSave,       // nothing can be written in the folder: this run saves nothing,
                      // though it may hold the lock
  };
  // Takes the lock when it can; this copy then keeps it until it ends. A
  // lock that cannot be had at all (a file system that keeps none) counts
  // as free.
  Start acquire();
  bool holdsLock() const { return lock_ >= 0; }

  // Starts listening for later starts; raiseRequested follows each. The
  // listening begins once the messages' module is loaded on another thread,
  // so that the splash is not kept waiting for it: until then a later start
  // still finds the lock taken.
  void answerLaterStarts();

  // From a later start: asks the running copy to bring its window to the
  // front. True when it answered.
  bool raiseRunningCopy();

 signals:
  void raiseRequested();  // another start asked this copy to come forward

 private:
  // Takes the lock unless another copy holds it: false then.
  bool tryLock();
  // With the lock taken: whether it came free while its holder was asked
  // to come forward; this copy then holds it.
  bool lockFreedWhileAsking();

  std::filesystem::path folder_;
  int lock_ = -1;  // the open lock file, locked
  QString serverName_;
};

}  // namespace velmoran
