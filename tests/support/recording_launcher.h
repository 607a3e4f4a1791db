#pragma once

#include "common/shell.h"

#include <QStringList>

#include <vector>

namespace tessel::test {

// Installs itself as the launcher for its lifetime: records what would be opened or started instead of
// starting it, and answers every request with `error` (empty: started).
class RecordingLauncher final : public LauncherPort
{
public:
    RecordingLauncher()
        : previous_(InstalledLauncherPort())
    {
        InstallLauncherPort(this);
    }
    ~RecordingLauncher() override { InstallLauncherPort(previous_); }
    RecordingLauncher(const RecordingLauncher &) = delete;
    RecordingLauncher &operator=(const RecordingLauncher &) = delete;

    QString ShellOpen(const LaunchRequest &request) override
    {
        opened.push_back(request);
        return error;
    }
    QString RunAndWait(const LaunchRequest &request) override
    {
        waited.push_back(request);
        return error;
    }

    // Each opened request as "file|parameters|verb", for comparing with a table.
    QStringList OpenedSummaries() const
    {
        QStringList summaries;
        for (const LaunchRequest &request : opened)
            summaries << request.file + QLatin1Char('|') + request.parameters + QLatin1Char('|') +
                             request.Verb();
        return summaries;
    }

    std::vector<LaunchRequest> opened;
    std::vector<LaunchRequest> waited;
    QString error;

private:
    LauncherPort *previous_;
};

} // namespace tessel::test
