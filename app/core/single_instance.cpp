#include "app/core/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace sa::core {

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), key_(key) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      s->deleteLater();
      emit activationRequested();
    }
  });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::identifier(const QString& appDir) {
  // "我的程序标识" plus a text fixed for this installation: its folder.
  const QByteArray hash =
      QCryptographicHash::hash((QStringLiteral("我的程序标识") + QDir(appDir).absolutePath()).toUtf8(),
                               QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  return QStringLiteral("schooladmin-") + QString::fromLatin1(hash);
}

bool SingleInstance::claim() {
  lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(key_ + QStringLiteral(".lock")));
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(100)) {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (socket.waitForConnected(1000)) {
      socket.write("show");
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
    }
    return false;
  }
  // A server left behind by a copy that crashed would block listening.
  QLocalServer::removeServer(key_);
  server_.listen(key_);
  return true;
}

}  // namespace sa::core
