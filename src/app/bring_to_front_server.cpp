#include "app/bring_to_front_server.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

#include <memory>

namespace tessel::app {
namespace {

const QByteArray kBringToFrontMessage = QByteArrayLiteral("TESSELBACKUP");
// Nobody has a reason to send more; a client that never stops writing is cut off.
constexpr qint64 kMaximumMessageLength = 256;

} // namespace

QString BringToFrontSocketName()
{
    return QStringLiteral("TESSELBACKUP-") + QString::number(getuid());
}

BringToFrontServer::BringToFrontServer(QObject *parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(server_, &QLocalServer::newConnection, this, &BringToFrontServer::AcceptConnections);
}

bool BringToFrontServer::Listen(const QString &name)
{
    return server_->listen(name);
}

void BringToFrontServer::AcceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            if (received->contains(kBringToFrontMessage)) {
                received->clear();
                emit BringToFrontRequested();
            } else if (received->size() > kMaximumMessageLength) {
                socket->abort();
            }
        });
    }
}

} // namespace tessel::app
