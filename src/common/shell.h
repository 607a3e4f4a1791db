#pragma once

#include <QString>

// Opening documents, folders and links, and starting programs. Callers go through ShellOpen and
// RunAndWait; what actually starts is decided by the installed LauncherPort (the system launcher
// unless a test installs its own), so tests see the exact file, parameters and verb.
namespace tessel {

struct LaunchRequest
{
    QString file{};          // a document, folder, program or link
    QString parameters{};    // split like a shell does when a program is started
    QString workingFolder{}; // empty: the current folder
    bool elevate = false;    // start with administrator rights

    QString Verb() const { return elevate ? QStringLiteral("runas") : QStringLiteral("open"); }
};

class LauncherPort
{
public:
    virtual ~LauncherPort() = default;
    // Starts the request and returns at once: an error text, empty when the start succeeded.
    virtual QString ShellOpen(const LaunchRequest &request) = 0;
    // Starts the request and returns only after the started process has ended, keeping the event
    // loop running meanwhile: an error text, empty when the start succeeded (the exit code is not
    // looked at).
    virtual QString RunAndWait(const LaunchRequest &request) = 0;
};

// Installs the launcher for all later calls; nullptr restores the system launcher. The caller keeps
// ownership and must uninstall a port before destroying it.
void InstallLauncherPort(LauncherPort *port);
LauncherPort *InstalledLauncherPort();

// Never shows anything: the caller decides whether to show a non-empty result.
QString ShellOpen(const QString &file, const QString &parameters = QString(),
                  const QString &workingFolder = QString(), bool elevate = false);
QString RunAndWait(const QString &program, const QString &parameters, bool elevate,
                   const QString &workingFolder = QString());

} // namespace tessel
