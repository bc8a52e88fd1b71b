// The messages between running copies over Qt's local sockets, built as a
// module that the game loads once its splash shows.
#include <QLocalServer>
#include <QLocalSocket>

#include "shell/InstanceLink.h"

namespace {

const QByteArray comingForwardAnswer = "raised\n";

}  // namespace

extern "C" Q_DECL_EXPORT bool velmoranListenForLaterStarts(const QString& name, QObject* owner,
                                                           std::function<void()> comeForward) {
  // Holding the lock, any socket left by a crashed copy is ours to remove.
  QLocalServer::removeServer(name);
  auto* server = new QLocalServer(owner);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(name)) {
    delete server;
    return false;
  }
  QObject::connect(server, &QLocalServer::newConnection, server, [server, comeForward] {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      comeForward();
      socket->write(comingForwardAnswer);
      socket->flush();
      socket->disconnectFromServer();
    }
  });
  return true;
}

extern "C" Q_DECL_EXPORT bool velmoranAskToComeForward(const QString& name, int waitMilliseconds) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(waitMilliseconds)) return false;
  return socket.waitForReadyRead(waitMilliseconds) && socket.readAll() == comingForwardAnswer;
}
