#include "shell/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <string>

#include "assets/RuntimeModule.h"
#include "engine/PrefsFile.h"
#include "shell/InstanceLink.h"

namespace velmoran {

namespace {

constexpr int answerMilliseconds = 1000;
// How long a later start waits for a copy that holds the lock to answer
// before telling the player that it runs.
constexpr int startingCopyMilliseconds = 5000;
constexpr int retryMilliseconds = 50;
// How long a copy that answered must then still hold the lock to count as
// running.
constexpr int stillRunningMilliseconds = 500;

std::filesystem::path lockFile(const std::filesystem::path& folder) {
  return folder / (std::string(prefsFileName) + ".lock");
}

QString lockPath(const std::filesystem::path& folder) {
  return QString::fromStdString(lockFile(folder).string());
}

// The file at `name`, made when missing, open for nothing but its lock:
// what it holds never counts. Never opened through a link, which would
// make a file wherever the link leads, and never waited on, as a pipe
// would be. Opened for writing where it may be, as a lock over the network
// needs; else for reading, which a lock on this machine needs no more
// than, so that a folder of that name, or a file the player may not
// change, serves as well.
int openLock(const std::filesystem::path& name) {
  constexpr int always = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
  const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | always, 0644);
  if (fd >= 0 || (errno != EISDIR && errno != EACCES && errno != EROFS)) return fd;
  return ::open(name.c_str(), O_RDONLY | always);
}

// The lock under the usual name or, when what lies there cannot serve (a
// link, a socket, a lock of root's that nobody else may open), under a name
// of the player's own; when neither can, the folder itself, which nothing
// at a name can take away. Every copy of the same player tries them in the
// same order, so that they find the same lock.
int openLockIn(const std::filesystem::path& folder) {
  const std::string usual = lockFile(folder).string();
  for (const std::string& name : {usual, usual + "-" + std::to_string(::getuid())}) {
    const int fd = openLock(name);
    if (fd >= 0) return fd;
  }
  return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Making a file in a folder takes both the right to change it and the
// right to pass through it.
bool canWriteIn(const std::filesystem::path& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
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

bool SingleInstance::tryLock() {
  const int fd = openLockIn(folder_);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lock_ = fd;
    return true;
  }
  const bool taken = errno == EWOULDBLOCK;
  ::close(fd);
  return !taken;
}

SingleInstance::Start SingleInstance::acquire() {
  QDir().mkpath(QString::fromStdString(folder_.string()));
  if (!tryLock() && !lockFreedWhileAsking()) return Start::AnotherCopyRuns;
  return canWriteIn(folder_) ? Start::Alone : Start::CannotSave;
}

// The copy that holds the lock is asked to come forward. One that does not
// answer may still be starting (it answers once its splash shows) or may
// have just died; one that answered may still die while starting. So the
// lock is tried again until that copy has answered and still holds it a
// moment later, or has had time enough to answer.
bool SingleInstance::lockFreedWhileAsking() {
  const auto ask = linkEntry<AskToComeForward>(askToComeForwardSymbol);
  QElapsedTimer waited;
  waited.start();
  bool answered = false;
  do {
    if (answered) return false;
    answered = ask && ask(serverName_, answerMilliseconds);
    if (!answered && waited.hasExpired(startingCopyMilliseconds)) return false;
    QThread::msleep(answered ? stillRunningMilliseconds : retryMilliseconds);
  } while (!tryLock());
  return true;
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
