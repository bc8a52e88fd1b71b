#include "shell/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <string>

#include "assets/RuntimeModule.h"
#include "engine/PrefsFile.h"
#include "shell/InstanceLink.h"

namespace velmoran {

namespace {

constexpr int answerMilliseconds = 1000;

std::filesystem::path lockFile(const std::filesystem::path& folder) {
  return folder / (std::string(prefsFileName) + ".lock");
}

QString lockPath(const std::filesystem::path& folder) {
  return QString::fromStdString(lockFile(folder).string());
}

// The file at `name`, made when missing, open for nothing but its lock:
// what it holds never counts. Opened for writing where it may be, as a
// lock over the network needs; else for reading, which a lock on this
// machine needs no more than, so that a folder of that name, or a file the
// player may not change, serves as well.
int openLock(const std::filesystem::path& name) {
  const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0 || (errno != EISDIR && errno != EACCES && errno != EROFS)) return fd;
  return ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
}

// The lock under the usual name or, when that file belongs to someone who
// let nobody else open it (a lock of root's in the player's folder), under
// a name of the player's own.
int openLockIn(const std::filesystem::path& folder) {
  const int fd = openLock(lockFile(folder));
  if (fd >= 0 || errno != EACCES) return fd;
  return openLock(lockFile(folder).string() + "-" + std::to_string(::getuid()));
}

bool canWriteIn(const std::filesystem::path& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
}

// One name per preferences folder, short enough for any socket path.
QString serverNameFor(const QString& lock) {
  const QByteArray hash = QCryptographicHash::hash(lock.toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("velmoran-") + QString::fromLatin1(hash.toHex().left(20));
}

template <typename Entry>
Entry linkEntry(const char* symbol) {
  const auto entry = reinterpret_cast<Entry>(assets::runtimeModuleEntry(
      VELMORAN_INSTANCE_LINK_NAME, VELMORAN_INSTANCE_LINK_BUILT, symbol));
  if (!entry) qWarning("The module %s cannot be loaded: copies of the game cannot reach each other",
                       VELMORAN_INSTANCE_LINK_NAME);
  return entry;
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& folder, QObject* parent)
    : QObject(parent), folder_(folder), serverName_(serverNameFor(lockPath(folder))) {}

SingleInstance::~SingleInstance() {
  if (lock_ >= 0) ::close(lock_);
}

SingleInstance::Start SingleInstance::acquire() {
  QDir().mkpath(QString::fromStdString(folder_.string()));
  const int fd = openLockIn(folder_);
  if (fd < 0) return Start::CannotSave;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lock_ = fd;
  } else {
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    if (taken) return Start::AnotherCopyRuns;
  }
  return canWriteIn(folder_) ? Start::Alone : Start::CannotSave;
}

// Only the copy that holds the lock listens: a socket under the name may
// be another copy's.
void SingleInstance::answerLaterStarts() {
  if (!holdsLock()) return;
  QtConcurrent::run(linkEntry<ListenForLaterStarts>, listenForLaterStartsSymbol)
      .then(this, [this](ListenForLaterStarts listen) {
        if (listen) listen(serverName_, this, [this] { emit raiseRequested(); });
      });
}

bool SingleInstance::raiseRunningCopy() {
  const auto ask = linkEntry<AskToComeForward>(askToComeForwardSymbol);
  return ask && ask(serverName_, answerMilliseconds);
}

}  // namespace velmoran
