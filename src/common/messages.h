#pragma once

#include <QString>

// The two standard message boxes. Every window reports through ShowInformation and asks through
// AskVerify; what they show depends on the installed MessagePort: the window side installs real
// dialogs, tests install a scripted answerer. Until one is installed (no display: a server, cron),
// information goes to standard error and every question answers No, so nothing waits for a click.
namespace tessel {

class MessagePort
{
public:
    virtual ~MessagePort() = default;
    // x and y are the box's top-left corner, or -1 for no position.
    virtual void ShowInformation(const QString &message, const QString &detail, int x, int y) = 0;
    virtual bool AskVerify(const QString &message, const QString &detail) = 0;
};

// Installs the handler for all later calls; nullptr restores the standard-error handler. The caller
// keeps ownership and must uninstall a port before destroying it.
void InstallMessagePort(MessagePort *port);
MessagePort *InstalledMessagePort();

void ShowInformation(const QString &message, const QString &detail = QString(), int x = -1, int y = -1);
bool AskVerify(const QString &message, const QString &detail = QString());

// The message, and when the detail is not empty, two line breaks and the detail: the text of a plain
// box that has no separate place for the detail.
QString FullMessageText(const QString &message, const QString &detail, const QString &lineBreak);

// Program texts break lines with carriage returns ("\r\r" before a detail); screens and terminals want
// line feeds.
QString WithLineFeeds(QString text);

} // namespace tessel
