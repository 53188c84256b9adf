#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace zs::platform {

namespace {

constexpr int kConnectWaitMs = 1000;
const QByteArray kRaiseRequest = "raise\n";

} // namespace

QString SingleInstance::defaultName() {
    // The home folder tells users apart without a system call.
    const QByteArray home = QDir::homePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("zamanseri-") + QString::fromLatin1(hash.left(16));
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::becomePrimary() {
    {
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(kConnectWaitMs)) {
            probe.write(kRaiseRequest);
            probe.waitForBytesWritten(kConnectWaitMs);
            probe.disconnectFromServer();
            return false;
        }
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that crashed answers nobody; take it over.
    QLocalServer::removeServer(name_);
    if (server_->listen(name_))
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    // A copy that cannot listen still runs: refusing to start would be worse.
    return true;
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().startsWith(kRaiseRequest.trimmed())) emit raiseRequested();
        });
        if (socket->bytesAvailable() > 0 && socket->readAll().startsWith(kRaiseRequest.trimmed()))
            emit raiseRequested();
    }
}

} // namespace zs::platform
