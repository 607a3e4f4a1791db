#include "common/program_folders.h"

#include "support/test_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessel {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : name_(name)
        , hadValue_(qEnvironmentVariableIsSet(name))
        , oldValue_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (hadValue_)
            qputenv(name_, oldValue_);
        else
            qunsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *name_;
    bool hadValue_;
    QByteArray oldValue_;
};

TEST(ProgramFolder, IsTheExecutablesFolderWithSeparator)
{
    InitProgramFolder();
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    SetProgramFolder(QStringLiteral("/opt/tessel"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/tessel/"));
    SetProgramFolder(QStringLiteral("/opt/tessel/"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/tessel/"));
    InitProgramFolder();
}

TEST(AppDataFolder, FollowsXdgConfigHome)
{
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/elsewhere/config/");
        EXPECT_EQ(AppDataFolder(), QStringLiteral("/tmp/elsewhere/config"));
        EXPECT_EQ(SpecialFolder(kCsidlAppData), QStringLiteral("/tmp/elsewhere/config"));
    }
    const QString homeConfig = QDir::homePath() + QStringLiteral("/.config");
    {
        // A relative value is not a usable folder and is ignored, as is an empty one.
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(AppDataFolder(), homeConfig);
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "");
        EXPECT_EQ(AppDataFolder(), homeConfig);
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", QByteArray());
        EXPECT_EQ(AppDataFolder(), homeConfig);
    }
}

TEST(SpecialFolder, KnowsDocumentsAndNothingElse)
{
    EXPECT_EQ(SpecialFolder(kCsidlPersonal),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_FALSE(SpecialFolder(kCsidlPersonal).isEmpty());
    EXPECT_TRUE(SpecialFolder(0x27).isEmpty());
}

TEST(IsDeveloperMachine, NeedsTheMarkerFileInTheDataFolder)
{
    QTemporaryDir data;
    SetDataFolder(QString());
    EXPECT_FALSE(IsDeveloperMachine());

    SetDataFolder(data.path());
    EXPECT_EQ(DataFolder(), data.path());
    EXPECT_FALSE(IsDeveloperMachine());

    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("developer-machine")));
    EXPECT_FALSE(IsDeveloperMachine()) << "a folder is no marker file";
    ASSERT_TRUE(QDir(data.path()).rmdir(QStringLiteral("developer-machine")));

    QFile marker(data.filePath(QStringLiteral("developer-machine")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_TRUE(IsDeveloperMachine());

    SetDataFolder(QString());
    EXPECT_FALSE(IsDeveloperMachine());
}

} // namespace
} // namespace tessel
