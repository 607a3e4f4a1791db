#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace tessel::test {
namespace {

std::unique_ptr<QTemporaryDir> &HomeDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

void SetFolderVariable(const char *name, const QString &path)
{
    QDir().mkpath(path);
    qputenv(name, QFile::encodeName(path));
}

} // namespace

void IsolateUserFolders()
{
    auto &dir = HomeDir();
    if (dir)
        return;
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tessel-test-XXXXXX"));
    const QString home = dir->path();
    SetFolderVariable("HOME", home);
    SetFolderVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    SetFolderVariable("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    SetFolderVariable("XDG_CACHE_HOME", home + QStringLiteral("/.cache"));
    const QString runtime = home + QStringLiteral("/runtime");
    SetFolderVariable("XDG_RUNTIME_DIR", runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString TestHome()
{
    return HomeDir() ? HomeDir()->path() : QString();
}

QString SourcePath(const QString &relative)
{
    return QString::fromLocal8Bit(qgetenv("TESSEL_SOURCE_DIR")) + QLatin1Char('/') + relative;
}

} // namespace tessel::test
