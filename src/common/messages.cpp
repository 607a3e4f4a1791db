#include "common/messages.h"

#include <cstdio>

namespace tessel {
namespace {

class StandardErrorMessages final : public MessagePort
{
public:
    void ShowInformation(const QString &message, const QString &detail, int, int) override
    {
        const QByteArray text =
            WithLineFeeds(FullMessageText(message, detail, QStringLiteral("\n"))).toUtf8();
        std::fprintf(stderr, "%s\n", text.constData());
        std::fflush(stderr);
    }
    bool AskVerify(const QString &, const QString &) override { return false; }
};

StandardErrorMessages standardErrorMessages;
MessagePort *installedPort = nullptr;

MessagePort &Port()
{
    return installedPort ? *installedPort : standardErrorMessages;
}

} // namespace

void InstallMessagePort(MessagePort *port)
{
    installedPort = port;
}

MessagePort *InstalledMessagePort()
{
    return installedPort;
}

void ShowInformation(const QString &message, const QString &detail, int x, int y)
{
    Port().ShowInformation(message, detail, x, y);
}

bool AskVerify(const QString &message, const QString &detail)
{
    return Port().AskVerify(message, detail);
}

QString WithLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString FullMessageText(const QString &message, const QString &detail, const QString &lineBreak)
{
    if (detail.isEmpty())
        return message;
    return message + lineBreak + lineBreak + detail;
}

} // namespace tessel
