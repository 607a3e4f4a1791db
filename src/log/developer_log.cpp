#include "log/developer_log.h"

#include "common/paths.h"
#include "common/program_folders.h"
#include "log/diagnostic_log.h"
#include "log/line_file.h"

namespace tessel {

QString DeveloperLogFileName()
{
    const QString folder = DataFolder();
    return folder.isEmpty() ? QString() : JoinPath(folder, QStringLiteral("developer-log.txt"));
}

void LogRunSummaryForDeveloper(const QString &summary)
{
    if (!IsDeveloperMachine())
        return;
    const QString fileName = DeveloperLogFileName();
    // The developer opts in by creating the file; it is never made here.
    if (!LogFileExists(fileName))
        return;
    TMyLog &log = MyLog();
    log.SetLogFileName(fileName);
    log.ShowTime = TTimeDisplay::tdDateTime;
    log.BlankLine();
    log.Log(summary);
}

} // namespace tessel
