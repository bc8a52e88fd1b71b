#pragma once

#include <QLockFile>
#include <QObject>
#include <filesystem>

namespace velmoran {

// One running copy of the game per preferences file. The first copy holds
// a lock next to the file (a copy that crashed leaves no lock that counts)
// and listens for later starts; a later start finds the lock taken, asks
// the running copy to come to the front, and ends without touching the file.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const std::filesystem::path& folder, QObject* parent = nullptr);

  // True when no other copy runs on this preferences folder. This copy then
  // keeps the lock until it ends. A folder where no lock can be made counts
  // as free: reading the preferences will tell the player about it.
  bool acquire();

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
  std::filesystem::path folder_;
  QLockFile lock_;
  QString serverName_;
};

}  // namespace velmoran
