#include "log/log_menu.h"

#include "common/messages.h"
#include "common/shell.h"
#include "log/line_file.h"

namespace tessel {

void viewlog(const QString &logfilename)
{
    if (!LogFileExists(logfilename)) {
        ShowInformation(QStringLiteral("Log file does not exist."), logfilename);
        return;
    }
    const QString error = ShellOpen(logfilename);
    if (!error.isEmpty())
        ShowInformation(error);
}

void clearlog(const QString &logfilename)
{
    if (!AskVerify(QStringLiteral("Are you sure you want to clear the log?")))
        return;
    if (!LogFileExists(logfilename)) {
        ShowInformation(QStringLiteral("Log file not not exist."), logfilename);
        return;
    }
    // A run that is writing meanwhile simply starts the new file with its next line.
    if (RecreateEmptyFile(logfilename))
        ShowInformation(QStringLiteral("The log has been cleared"));
}

} // namespace tessel
