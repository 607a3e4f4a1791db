#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tessel::app {
namespace {

struct Folders
{
    QTemporaryDir root;
    QString program = root.path() + QStringLiteral("/program/");
    QString config = root.path() + QStringLiteral("/config");

    Folders()
    {
        QDir().mkpath(program);
        QDir().mkpath(config);
    }
    QString InProgram(const QString &name) const { return program + name; }
    QString InData(const QString &name) const
    {
        return config + QStringLiteral("/QuorlanSoftware/TesselBackup/") + name;
    }
};

TEST(ChooseDataFolder, CreatesThePerUserFolder)
{
    Folders folders;
    const DataFileNames names = ChooseDataFolder(folders.program, folders.config);
    EXPECT_EQ(names.datafilename, folders.InData(QStringLiteral("backupdata.ini")));
    EXPECT_EQ(names.logfilename, folders.InData(QStringLiteral("BACKUPLOG.TXT")));
    EXPECT_TRUE(QFileInfo(folders.InData(QString())).isDir());
}

TEST(ChooseDataFolder, FallsBackToTheProgramFolder)
{
    struct Case
    {
        const char *what;
        std::function<QString(Folders &)> prepare; // gives the configuration folder to pass
    };
    const std::vector<Case> cases = {
        {"no configuration folder known", [](Folders &) { return QString(); }},
        {"a file where the vendor folder should be",
         [](Folders &f) {
             QFile blocker(f.config + QStringLiteral("/QuorlanSoftware"));
             EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
             return f.config;
         }},
        {"a file where the data folder should be",
         [](Folders &f) {
             QDir().mkpath(f.config + QStringLiteral("/QuorlanSoftware"));
             QFile blocker(f.config + QStringLiteral("/QuorlanSoftware/TesselBackup"));
             EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
             return f.config;
         }},
        {"the configuration folder is a file",
         [](Folders &f) {
             QDir(f.config).removeRecursively();
             QFile blocker(f.config);
             EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
             return f.config;
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Folders folders;
        const QString config = c.prepare(folders);
        const DataFileNames names = ChooseDataFolder(folders.program, config);
        EXPECT_EQ(names.datafilename, folders.InProgram(QStringLiteral("backupdata.ini")));
        EXPECT_EQ(names.logfilename, folders.InProgram(QStringLiteral("BACKUPLOG.TXT")));
    }
}

TEST(ChooseDataFolder, UnwritableConfigurationFolderMeansTheProgramFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the blocked cases above cover root";
    Folders folders;
    ASSERT_TRUE(QFile::setPermissions(folders.config, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const DataFileNames names = ChooseDataFolder(folders.program, folders.config);
    QFile::setPermissions(folders.config,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(names.datafilename, folders.InProgram(QStringLiteral("backupdata.ini")));
}

TEST(ChooseDataFolder, ExistingDataFolderIsUsedEvenWhenItsParentIsReadOnly)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    Folders folders;
    ASSERT_TRUE(QDir().mkpath(folders.InData(QString())));
    ASSERT_TRUE(QFile::setPermissions(folders.config, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const DataFileNames names = ChooseDataFolder(folders.program, folders.config);
    QFile::setPermissions(folders.config,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(names.datafilename, folders.InData(QStringLiteral("backupdata.ini")));
}

} // namespace
} // namespace tessel::app
