#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include "engine/PrefsFile.h"

namespace velmoran {

namespace {

constexpr int answerMilliseconds = 1000;
const QByteArray raisedAnswer = "raised\n";

QString lockPath(const std::filesystem::path& folder) {
  return QString::fromStdString((folder / prefsFileName).string()) + ".lock";
}

// One name per preferences folder, short enough for any socket path.
QString serverNameFor(const QString& lock) {
  const QByteArray hash = QCryptographicHash::hash(lock.toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("velmoran-") + QString::fromLatin1(hash.toHex().left(20));
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
  if (!lock_.tryLock(0)) return lock_.error() != QLockFile::LockFailedError;
  answerLaterStarts();
  return true;
}

void SingleInstance::answerLaterStarts() {
  // Holding the lock, any socket left by a crashed copy is ours to remove.
  QLocalServer::removeServer(serverName_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(serverName_)) return;
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      emit raiseRequested();
      socket->write(raisedAnswer);
      socket->flush();
      socket->disconnectFromServer();
    }
  });
}

bool SingleInstance::raiseRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(answerMilliseconds)) return false;
  return socket.waitForReadyRead(answerMilliseconds) && socket.readAll() == raisedAnswer;
}

}  // namespace velmoran
