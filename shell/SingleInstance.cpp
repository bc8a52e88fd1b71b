#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

#include "assets/RuntimeModule.h"
#include "engine/PrefsFile.h"
#include "shell/InstanceLink.h"

namespace velmoran {

namespace {

constexpr int answerMilliseconds = 1000;

QString lockPath(const std::filesystem::path& folder) {
  return QString::fromStdString((folder / prefsFileName).string()) + ".lock";
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
    : QObject(parent),
      folder_(folder),
      lock_(lockPath(folder)),
      serverName_(serverNameFor(lockPath(folder))) {
  // The lock counts for as long as its copy runs, however long that is; a
  // lock whose process is gone is stale at once.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
  QDir().mkpath(QString::fromStdString(folder_.string()));
  return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

// Only the copy that holds the lock listens: a socket under the name may
// be another copy's.
void SingleInstance::answerLaterStarts() {
  if (!lock_.isLocked()) return;
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
