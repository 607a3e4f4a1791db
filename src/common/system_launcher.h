#pragma once

#include "common/shell.h"

#include <QStringList>

// The launcher that really starts things: documents, folders and web or mail links go to xdg-open,
// programs (executable files that are binaries or scripts) are started directly with their parameters
// split like a shell does, and an elevated program runs through pkexec unless the program already
// runs as root.
namespace tessel {

struct LaunchPlan
{
    QString program; // what is executed
    QStringList arguments;
    QString workingFolder;
    bool throughElevation = false; // the program is pkexec, which answers for the user's consent
    QString errorText;             // set when the request cannot be started at all
};

// Works out what a request starts, looking at the file system and PATH; starts nothing.
LaunchPlan PlanLaunch(const LaunchRequest &request);

// The text for a failure to start, by errno: "File not found", "Access denied" and the like, or the
// system's own text.
QString LaunchErrorText(int errorNumber);

class SystemLauncher final : public LauncherPort
{
public:
    QString ShellOpen(const LaunchRequest &request) override;
    QString RunAndWait(const LaunchRequest &request) override;
};

} // namespace tessel
