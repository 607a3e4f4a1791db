#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Listens on the local socket "TESSELBACKUP-<uid>" (abstract namespace, so a crash leaves no file
// behind). Any process of the same user that connects and writes "TESSELBACKUP" asks the running
// program to bring its main window to the front.
namespace tessel::app {

QString BringToFrontSocketName();

class BringToFrontServer final : public QObject
{
    Q_OBJECT
public:
    explicit BringToFrontServer(QObject *parent = nullptr);

    // False when another running copy already holds the name (it keeps answering, this one does not).
    bool Listen(const QString &name = BringToFrontSocketName());

signals:
    void BringToFrontRequested();

private:
    void AcceptConnections();

    QLocalServer *server_;
};

} // namespace tessel::app
