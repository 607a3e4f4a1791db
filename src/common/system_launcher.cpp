#include "common/system_launcher.h"

#include "common/paths.h"
#include "common/shell_words.h"
#include "common/system_error.h"
#include "platform/file_name_codec.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

const QString kOpener = QStringLiteral("xdg-open");
const QString kElevator = QStringLiteral("pkexec");

// pkexec's own exit codes when it did not run the program.
constexpr int kElevationDismissed = 126;
constexpr int kElevationRefused = 127;

QString FileNotFoundText()
{
    return QStringLiteral("File not found");
}

QString PathNotFoundText()
{
    return QStringLiteral("Path not found");
}

QString AccessDeniedText()
{
    return QStringLiteral("Access denied");
}

bool LooksLikeLink(const QString &file)
{
    // Two letters at least before the colon, so a drive-style name such as "C:x" is no link.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(file).hasMatch();
}

bool EntryExists(const QString &path)
{
    struct stat info = {};
    return ::stat(platform::EncodeFileName(path).constData(), &info) == 0;
}

// A file the kernel can start: a binary or a script with an interpreter line. Other files, even
// with the executable bit (common on shared and removable drives), are documents.
bool HasProgramHeader(const QString &path, bool &readable)
{
    const int fd = ::open(platform::EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    readable = fd >= 0;
    if (fd < 0)
        return false;
    char header[4] = {};
    const ssize_t count = ::read(fd, header, sizeof header);
    ::close(fd);
    if (count >= 2 && header[0] == '#' && header[1] == '!')
        return true;
    return count == 4 && header[0] == '\x7f' && header[1] == 'E' && header[2] == 'L' && header[3] == 'F';
}

LaunchPlan OpenerPlan(LaunchPlan plan, const QString &target)
{
    if (QStandardPaths::findExecutable(kOpener).isEmpty()) {
        plan.errorText = QStringLiteral("No application associated with the given filename extension");
        return plan;
    }
    plan.program = kOpener;
    plan.arguments = {target};
    return plan;
}

LaunchPlan ProgramPlan(LaunchPlan plan, const QString &program, const LaunchRequest &request)
{
    const QStringList arguments = SplitParameters(request.parameters);
    if (!request.elevate || ::geteuid() == 0) {
        plan.program = program;
        plan.arguments = arguments;
        return plan;
    }
    const QString elevator = QStandardPaths::findExecutable(kElevator);
    if (elevator.isEmpty()) {
        plan.errorText = QStringLiteral("Cannot ask for administrator rights: pkexec is not installed");
        return plan;
    }
    plan.program = elevator;
    plan.arguments = QStringList{program} + arguments;
    plan.throughElevation = true;
    return plan;
}

QString ResolveFile(const LaunchRequest &request)
{
    const QString &file = request.file;
    if (QDir::isAbsolutePath(file))
        return file;
    const QString base = request.workingFolder.isEmpty() ? QDir::currentPath() : request.workingFolder;
    QString local = JoinPath(base, file);
    if (EntryExists(local) || file.contains(QLatin1Char('/')))
        return local;
    const QString onPath = QStandardPaths::findExecutable(file);
    return onPath.isEmpty() ? local : onPath;
}

void PrepareProcess(QProcess &process, const LaunchPlan &plan)
{
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    if (!plan.workingFolder.isEmpty())
        process.setWorkingDirectory(plan.workingFolder);
}

} // namespace

QString LaunchErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return FileNotFoundText();
    case ENOTDIR:
        return PathNotFoundText();
    case EACCES:
    case EPERM:
        return AccessDeniedText();
    case ENOMEM:
        return QStringLiteral("Not enough memory");
    case ETXTBSY:
        return QStringLiteral("Sharing violation");
    default:
        return SystemErrorText(errorNumber);
    }
}

LaunchPlan PlanLaunch(const LaunchRequest &request)
{
    LaunchPlan plan;
    plan.workingFolder = request.workingFolder;
    if (!request.workingFolder.isEmpty() && !FolderExists(request.workingFolder)) {
        plan.errorText = PathNotFoundText();
        return plan;
    }
    if (request.file.isEmpty()) {
        plan.errorText = FileNotFoundText();
        return plan;
    }

    const QString path = ResolveFile(request);
    struct stat info = {};
    if (::stat(platform::EncodeFileName(path).constData(), &info) != 0) {
        const int statError = errno;
        // Links open in the user's browser or mail program; a real file of such a name wins.
        if (LooksLikeLink(request.file))
            return OpenerPlan(plan, request.file);
        if (request.file.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            return OpenerPlan(plan, QStringLiteral("http://") + request.file);
        if (statError == ENOENT && !FolderExists(path.left(path.lastIndexOf(QLatin1Char('/')) + 1)))
            plan.errorText = PathNotFoundText();
        else
            plan.errorText = LaunchErrorText(statError);
        return plan;
    }

    if (S_ISREG(info.st_mode)) {
        bool readable = false;
        const bool programHeader = HasProgramHeader(path, readable);
        const bool executable = ::access(platform::EncodeFileName(path).constData(), X_OK) == 0;
        if (programHeader || (!readable && executable)) {
            if (!executable) {
                plan.errorText = AccessDeniedText();
                return plan;
            }
            return ProgramPlan(plan, path, request);
        }
    }
    return OpenerPlan(plan, path);
}

QString SystemLauncher::ShellOpen(const LaunchRequest &request)
{
    const LaunchPlan plan = PlanLaunch(request);
    if (!plan.errorText.isEmpty())
        return plan.errorText;
    QProcess process;
    PrepareProcess(process, plan);
    if (!process.startDetached())
        return process.errorString();
    return {};
}

QString SystemLauncher::RunAndWait(const LaunchRequest &request)
{
    const LaunchPlan plan = PlanLaunch(request);
    if (!plan.errorText.isEmpty())
        return plan.errorText;
    QProcess process;
    PrepareProcess(process, plan);
    // The program talks to the terminal we were started from, if any; nothing waits on a full pipe.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(-1))
        return process.errorString();
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    // The loop also ends when the application quits; the program is let finish, never killed midway.
    if (process.state() != QProcess::NotRunning)
        process.waitForFinished(-1);
    if (plan.throughElevation && process.exitStatus() == QProcess::NormalExit) {
        if (process.exitCode() == kElevationDismissed)
            return QStringLiteral("The operation was canceled by the user.");
        if (process.exitCode() == kElevationRefused)
            return AccessDeniedText();
    }
    return {};
}

} // namespace tessel
