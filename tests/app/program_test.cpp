// The real program, started as a user or cron would start it, with no display reachable.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
    file.write(bytes);
}

QByteArray ItemLine(const QByteArray &key, const QByteArray &title, const QString &source,
                    const QString &dest)
{
    return key + "=Title: " + title + "; ExecuteFile: 0; Source: " + source.toUtf8() +
           "; Dest: " + dest.toUtf8() +
           "; Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: 0; PropagateDeletions: 0;\r\n";
}

// A sample tree, a destination, and a settings file with the group "Demo" (one item copying the tree)
// and the group "Broken" (one item whose destination cannot be created).
class ProgramRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        WriteFile(Path("source/a.txt"), "alpha");
        WriteFile(Path("source/sub/b.txt"), "beta");
        WriteFile(Path("blocker"), "a file where a folder would have to be");
        settings_ = "[Interface]\r\nCheckedGroups=\r\n[Group0]\r\n" +
                    ItemLine("Item0", "Demo", QString(), QString()) +
                    ItemLine("Item1", "Sample tree", Path("source"), Path("destination")) + "[Group1]\r\n" +
                    ItemLine("Item0", "Broken", QString(), QString()) +
                    ItemLine("Item1", "Unreachable", Path("source"), Path("blocker/destination"));
        configFolder_ = Path("config");
        program_ = QStringLiteral(TESSEL_PROGRAM_PATH);
    }

    QString Path(const QString &relative) const { return root_.path() + QLatin1Char('/') + relative; }
    QString DataFolder() const { return configFolder_ + QStringLiteral("/QuorlanSoftware/TesselBackup"); }

    // Runs the program without a display; the exit code, or -1 when it did not end normally.
    int Run(const QStringList &arguments, const QByteArray &platform = QByteArray())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder_);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program_, arguments);
        EXPECT_TRUE(process.waitForStarted());
        // Generous: the program waits a second before an unattended run; this only guards against a hang.
        EXPECT_TRUE(process.waitForFinished(120000));
        output_ = process.readAllStandardOutput();
        errors_ = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    void PrepareSettings(const QString &folder)
    {
        WriteFile(folder + QStringLiteral("/backupdata.ini"), settings_);
    }

    QTemporaryDir root_;
    QByteArray settings_;
    QString configFolder_;
    QString program_;
    QByteArray output_;
    QByteArray errors_;
};

TEST_F(ProgramRun, WithoutNamesPrintsTheUsageAndEndsWithStatus2)
{
    PrepareSettings(DataFolder());
    for (const QStringList &arguments :
         {QStringList(), QStringList{"QUITPROGRAM"}, QStringList{"Nothing matches"}}) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_TRUE(errors_.contains("Usage: tesselbackup")) << errors_.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Path("destination")));
    }
}

TEST_F(ProgramRun, QuitProgramRunsTheNamedGroupAndEndsWithStatus0)
{
    // Offscreen chosen by the program itself, and chosen by the user: the same run.
    for (const QByteArray &platform : {QByteArray(), QByteArray("offscreen")}) {
        SCOPED_TRACE(platform.toStdString());
        QDir(Path("destination")).removeRecursively();
        QFile::remove(DataFolder() + QStringLiteral("/BACKUPLOG.TXT"));
        PrepareSettings(DataFolder());

        EXPECT_EQ(Run({"demo", "QUITPROGRAM"}, platform), 0) << errors_.toStdString();
        const QByteArray summary = "Backed up Group \"Demo\" - 2 files copied, 0 skipped, 0 failed. ";
        EXPECT_TRUE(output_.contains(summary)) << output_.toStdString();
        EXPECT_TRUE(ReadAll(DataFolder() + QStringLiteral("/BACKUPLOG.TXT")).contains(summary));
        EXPECT_EQ(ReadAll(Path("destination/source/a.txt")), "alpha");
        EXPECT_EQ(ReadAll(Path("destination/source/sub/b.txt")), "beta");
        // The settings were saved on the way out, the file before them kept as the "_bak" copy.
        EXPECT_EQ(ReadAll(DataFolder() + QStringLiteral("/backupdata.ini_bak")), settings_);
        EXPECT_TRUE(
            ReadAll(DataFolder() + QStringLiteral("/backupdata.ini")).contains("Title: Sample tree;"));
        EXPECT_FALSE(errors_.contains("Automated backup has been completed."));
    }
}

TEST_F(ProgramRun, AFailedFolderEndsWithStatus1)
{
    PrepareSettings(DataFolder());
    EXPECT_EQ(Run({"Demo", "Broken", "QUITPROGRAM"}), 1);
    EXPECT_TRUE(output_.contains("Backed up Group \"Demo\" - 2 files copied, 0 skipped, 0 failed. "));
    EXPECT_TRUE(output_.contains("Backed up Group \"Broken\" - 0 files copied")) << output_.toStdString();
    EXPECT_EQ(ReadAll(Path("destination/source/a.txt")), "alpha");
}

TEST_F(ProgramRun, WithoutQuitProgramTellsWhatWasDoneAndStillEnds)
{
    PrepareSettings(DataFolder());
    EXPECT_EQ(Run({"Sample"}), 0);
    EXPECT_TRUE(output_.contains("Backed up Item \"Sample tree\" - 2 files copied")) << output_.toStdString();
    EXPECT_TRUE(errors_.contains("Automated backup has been completed.")) << errors_.toStdString();
    EXPECT_TRUE(errors_.contains("2 files copied.")) << errors_.toStdString();
    EXPECT_TRUE(errors_.contains("Command line was: \"Sample\" ")) << errors_.toStdString();
}

TEST_F(ProgramRun, UnwritableConfigurationFolderKeepsTheFilesBesideTheProgram)
{
    // A copy of the program in a folder of its own, so its settings land there and nowhere else.
    const QString programFolder = Path("program");
    QDir().mkpath(programFolder);
    const QString copy = programFolder + QStringLiteral("/tesselbackup");
    ASSERT_TRUE(QFile::copy(program_, copy));
    program_ = copy;
    PrepareSettings(programFolder);
    // A file where the configuration folder should be: nothing can be created inside it.
    WriteFile(configFolder_, "not a folder");

    EXPECT_EQ(Run({"Demo", "QUITPROGRAM"}), 0) << errors_.toStdString();
    EXPECT_TRUE(
        ReadAll(programFolder + QStringLiteral("/BACKUPLOG.TXT")).contains("Backed up Group \"Demo\""));
    EXPECT_TRUE(QFileInfo::exists(programFolder + QStringLiteral("/backupdata.ini_bak")));
    EXPECT_EQ(ReadAll(Path("destination/source/a.txt")), "alpha");
}

} // namespace
