#include "app/bring_to_front_server.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

namespace tessel::app {
namespace {

QString PrivateSocketName()
{
    return QStringLiteral("tessel-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(BringToFrontServer, SocketNameCarriesTheUserId)
{
    EXPECT_TRUE(BringToFrontSocketName().startsWith(QStringLiteral("TESSELBACKUP-")));
    EXPECT_EQ(BringToFrontSocketName().mid(13), QString::number(getuid()));
}

TEST(BringToFrontServer, RaisesOnTheAgreedWord)
{
    const QString name = PrivateSocketName();
    BringToFrontServer server;
    ASSERT_TRUE(server.Listen(name));
    QSignalSpy raised(&server, &BringToFrontServer::BringToFrontRequested);

    struct Case
    {
        const char *what;
        QList<QByteArray> writes;
    };
    const std::vector<Case> cases = {
        {"the word in one piece", {"TESSELBACKUP"}},
        {"the word split over two writes", {"TESSEL", "BACKUP"}},
        {"the word after other bytes", {"hello ", "TESSELBACKUP"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        raised.clear();
        QLocalSocket client;
        client.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        client.connectToServer(name);
        ASSERT_TRUE(client.waitForConnected(5000));
        for (const QByteArray &piece : c.writes) {
            client.write(piece);
            ASSERT_TRUE(client.waitForBytesWritten(5000));
        }
        ASSERT_TRUE(raised.wait(5000));
        EXPECT_EQ(raised.count(), 1);
    }
}

TEST(BringToFrontServer, EndlessOtherTextIsCutOffWithoutRaising)
{
    const QString name = PrivateSocketName();
    BringToFrontServer server;
    ASSERT_TRUE(server.Listen(name));
    QSignalSpy raised(&server, &BringToFrontServer::BringToFrontRequested);

    QLocalSocket client;
    client.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    QSignalSpy disconnected(&client, &QLocalSocket::disconnected);
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(5000));
    client.write(QByteArray(4096, 'x'));
    // The server hangs up on a client that sends only noise; until it does, nothing may raise.
    ASSERT_TRUE(disconnected.wait(5000));
    EXPECT_EQ(raised.count(), 0);
}

TEST(BringToFrontServer, SecondListenerOnTheSameNameIsRefused)
{
    const QString name = PrivateSocketName();
    BringToFrontServer first;
    BringToFrontServer second;
    ASSERT_TRUE(first.Listen(name));
    EXPECT_FALSE(second.Listen(name));
}

} // namespace
} // namespace tessel::app
