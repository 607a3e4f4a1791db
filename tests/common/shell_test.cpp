#include "common/choosers.h"
#include "common/shell.h"
#include "common/shell_words.h"
#include "common/system_launcher.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "support/recording_launcher.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace tessel {
namespace {

TEST(SplitParameters, SplitsLikeAShell)
{
    struct Case
    {
        const char *text;
        QStringList words;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b  c", {"a", "b", "c"}},
        {"\"/backups/Reg 2024\" sysreg", {"/backups/Reg 2024", "sysreg"}},
        {"'it''s' x", {"its", "x"}},
        {"'a \"b\" c'", {"a \"b\" c"}},
        {"\"say \\\"hi\\\" \\\\ \\n\"", {"say \"hi\" \\ \\n"}},
        {"one\\ word", {"one word"}},
        {"\"\" ''", {"", ""}},
        {"pre\"mid dle\"post", {"premid dlepost"}},
        {"\"unclosed quote", {"unclosed quote"}},
        {"tab\tand\nline", {"tab", "and", "line"}},
        {"trailing\\", {"trailing\\"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitParameters(QString::fromUtf8(c.text)), c.words);
    }
}

TEST(LaunchErrorText, NamesTheCommonFailures)
{
    struct Case
    {
        int errorNumber;
        const char *text;
    };
    const Case cases[] = {
        {ENOENT, "File not found"},  {ENOTDIR, "Path not found"},   {EACCES, "Access denied"},
        {EPERM, "Access denied"},    {ENOMEM, "Not enough memory"}, {ETXTBSY, "Sharing violation"},
        {EIO, "Input/output error"}, // anything else: the system's own text
    };
    for (const Case &c : cases)
        EXPECT_EQ(LaunchErrorText(c.errorNumber), QString::fromUtf8(c.text));
}

class LauncherTest : public ::testing::Test
{
protected:
    QString Path(const QString &relative) const { return dir_.path() + QLatin1Char('/') + relative; }

    QString WriteFile(const QString &relative, const QByteArray &bytes, bool executable) const
    {
        QFile file(Path(relative));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (executable)
            permissions |= QFileDevice::ExeOwner;
        file.setPermissions(permissions);
        return file.fileName();
    }

    // What a document, folder or link turns into, depending on whether this machine has an opener.
    static void ExpectOpener(const LaunchPlan &plan, const QString &target)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
            EXPECT_EQ(plan.errorText,
                      QStringLiteral("No application associated with the given filename extension"));
            return;
        }
        EXPECT_EQ(plan.errorText, QString());
        EXPECT_EQ(plan.program, QStringLiteral("xdg-open"));
        EXPECT_EQ(plan.arguments, QStringList{target});
    }

    QTemporaryDir dir_;
};

TEST_F(LauncherTest, FailuresBeforeStarting)
{
    WriteFile(QStringLiteral("plain.txt"), "text", false);
    WriteFile(QStringLiteral("noexec.sh"), "#!/bin/sh\n", false);
    struct Case
    {
        LaunchRequest request;
        const char *error;
    };
    const Case cases[] = {
        {{Path(QStringLiteral("missing.exe"))}, "File not found"},
        {{Path(QStringLiteral("nofolder/missing.exe"))}, "Path not found"},
        {{Path(QStringLiteral("plain.txt/inside"))}, "Path not found"},
        {{QStringLiteral("definitely-no-such-program-here")}, "File not found"},
        {{QString()}, "File not found"},
        {{Path(QStringLiteral("noexec.sh"))}, "Access denied"},
        {{Path(QStringLiteral("plain.txt")), {}, Path(QStringLiteral("no-such-folder"))}, "Path not found"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.request.file.toStdString());
        const LaunchPlan plan = PlanLaunch(c.request);
        EXPECT_EQ(plan.errorText, QString::fromUtf8(c.error));
        EXPECT_TRUE(plan.program.isEmpty());
    }
}

TEST_F(LauncherTest, ProgramsStartDirectlyWithSplitParameters)
{
    const QString script = WriteFile(QStringLiteral("tool.sh"), "#!/bin/sh\n", true);
    const LaunchPlan plan = PlanLaunch({script, QStringLiteral("\"/backups/Reg 1\" -q"), dir_.path()});
    EXPECT_EQ(plan.errorText, QString());
    EXPECT_EQ(plan.program, script);
    EXPECT_EQ(plan.arguments, (QStringList{QStringLiteral("/backups/Reg 1"), QStringLiteral("-q")}));
    EXPECT_EQ(plan.workingFolder, dir_.path());

    // A relative name is looked for in the working folder, then on PATH.
    EXPECT_EQ(PlanLaunch({QStringLiteral("tool.sh"), {}, dir_.path()}).program, script);
    EXPECT_EQ(PlanLaunch({QStringLiteral("sh")}).program,
              QStandardPaths::findExecutable(QStringLiteral("sh")));
}

TEST_F(LauncherTest, ElevationRunsDirectlyOnlyForRoot)
{
    const QString script = WriteFile(QStringLiteral("tool.sh"), "#!/bin/sh\n", true);
    const LaunchPlan plan = PlanLaunch({script, QStringLiteral("a b"), {}, true});
    if (::geteuid() == 0) {
        EXPECT_EQ(plan.program, script);
        EXPECT_EQ(plan.arguments, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        EXPECT_FALSE(plan.throughElevation);
    } else if (QStandardPaths::findExecutable(QStringLiteral("pkexec")).isEmpty()) {
        EXPECT_FALSE(plan.errorText.isEmpty());
    } else {
        EXPECT_TRUE(plan.program.endsWith(QStringLiteral("/pkexec")));
        EXPECT_EQ(plan.arguments, (QStringList{script, QStringLiteral("a"), QStringLiteral("b")}));
        EXPECT_TRUE(plan.throughElevation);
    }
}

TEST_F(LauncherTest, DocumentsFoldersAndLinksGoToTheOpener)
{
    const QString document = WriteFile(QStringLiteral("notes.txt"), "text", false);
    // The executable bit alone does not make a program: shared drives set it on everything.
    const QString markedDocument = WriteFile(QStringLiteral("marked.txt"), "text", true);
    ExpectOpener(PlanLaunch({document}), document);
    ExpectOpener(PlanLaunch({markedDocument, QStringLiteral("ignored")}), markedDocument);
    ExpectOpener(PlanLaunch({QStringLiteral("notes.txt"), {}, dir_.path()}), document);
    ExpectOpener(PlanLaunch({dir_.path()}), dir_.path());
    ExpectOpener(PlanLaunch({QStringLiteral("https://example.org/a?b=c")}),
                 QStringLiteral("https://example.org/a?b=c"));
    ExpectOpener(PlanLaunch({QStringLiteral("mailto:someone@example.org?subject=Hi")}),
                 QStringLiteral("mailto:someone@example.org?subject=Hi"));
    ExpectOpener(PlanLaunch({QStringLiteral("www.example.org")}), QStringLiteral("http://www.example.org"));
}

TEST_F(LauncherTest, ShellOpenReportsFailureAndStartsWithoutWaiting)
{
    EXPECT_EQ(ShellOpen(Path(QStringLiteral("missing.doc"))), QStringLiteral("File not found"));
    EXPECT_EQ(ShellOpen(Path(QStringLiteral("gone/missing.doc"))), QStringLiteral("Path not found"));

    const QString marker = Path(QStringLiteral("started"));
    // The script renames its output into place, so the file appears only once it is complete.
    const QString script = WriteFile(QStringLiteral("touch.sh"),
                                     "#!/bin/sh\necho \"$1\" > \"$2.part\" && mv \"$2.part\" \"$2\"\n", true);
    EXPECT_EQ(ShellOpen(script, QStringLiteral("'two words' ") + marker), QString());
    QDeadlineTimer deadline(30000);
    while (!QFile::exists(marker) && !deadline.hasExpired())
        QThread::msleep(5);
    QFile written(marker);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("two words\n"));
}

TEST_F(LauncherTest, RunAndWaitKeepsTheEventLoopRunning)
{
    // The program waits for a file that only a timer of this process creates, so RunAndWait returns
    // only if events run while it waits. The program gives up after a while rather than hang.
    const QString go = Path(QStringLiteral("go"));
    const QString result = Path(QStringLiteral("result"));
    const QString script =
        WriteFile(QStringLiteral("wait.sh"),
                  "#!/bin/sh\n"
                  "i=0\n"
                  "while [ ! -e \"$1\" ]; do\n"
                  "  i=$((i+1)); if [ $i -gt 3000 ]; then echo gave-up > \"$2\"; exit 1; fi\n"
                  "  sleep 0.01\n"
                  "done\n"
                  "pwd > \"$2\"\n",
                  true);
    QTimer::singleShot(0, [&go] {
        QFile file(go);
        file.open(QIODevice::WriteOnly);
    });
    const QString working = Path(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(working));
    EXPECT_EQ(RunAndWait(script, go + QLatin1Char(' ') + result, false, working), QString());
    QFile written(result);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "RunAndWait returned before the program ended";
    EXPECT_EQ(written.readAll().trimmed(), QFile::encodeName(working));
}

TEST_F(LauncherTest, RunAndWaitReportsAStartThatFailed)
{
    EXPECT_EQ(RunAndWait(Path(QStringLiteral("missing")), QString(), false),
              QStringLiteral("File not found"));
}

TEST(LauncherPort, SeesTheCallersArgumentsAndVerb)
{
    test::RecordingLauncher recorder;
    recorder.error = QStringLiteral("open failed");
    EXPECT_EQ(ShellOpen(QStringLiteral("gravelpack"), QStringLiteral("a -b"), QStringLiteral("/w")),
              QStringLiteral("open failed"));
    recorder.error.clear();
    EXPECT_EQ(RunAndWait(QStringLiteral("/opt/ERUNT/ERUNT.EXE"), QStringLiteral("\"/b\" "), true,
                         QStringLiteral("/x")),
              QString());
    InstallLauncherPort(nullptr);

    ASSERT_EQ(recorder.opened.size(), 1u);
    EXPECT_EQ(recorder.opened[0].file, QStringLiteral("gravelpack"));
    EXPECT_EQ(recorder.opened[0].parameters, QStringLiteral("a -b"));
    EXPECT_EQ(recorder.opened[0].workingFolder, QStringLiteral("/w"));
    EXPECT_EQ(recorder.opened[0].Verb(), QStringLiteral("open"));
    ASSERT_EQ(recorder.waited.size(), 1u);
    EXPECT_EQ(recorder.waited[0].file, QStringLiteral("/opt/ERUNT/ERUNT.EXE"));
    EXPECT_EQ(recorder.waited[0].parameters, QStringLiteral("\"/b\" "));
    EXPECT_EQ(recorder.waited[0].workingFolder, QStringLiteral("/x"));
    EXPECT_EQ(recorder.waited[0].Verb(), QStringLiteral("runas"));
}

class FixedChoosers final : public ChooserPort
{
public:
    QString BrowseForFolder(const QString &title, const QString &initialFolder, bool allowNewFolder) override
    {
        asked << title << initialFolder
              << (allowNewFolder ? QStringLiteral("new") : QStringLiteral("no-new"));
        return QStringLiteral("/chosen");
    }
    QString ChooseFileToOpen(const QString &title, const QString &filter,
                             const QString &initialFolder) override
    {
        asked << title << filter << initialFolder;
        return QStringLiteral("/chosen.ini");
    }
    QStringList asked;
};

TEST(Choosers, AnswerEmptyUntilInstalled)
{
    ASSERT_EQ(InstalledChooserPort(), nullptr);
    EXPECT_EQ(BrowseForFolder(QStringLiteral("Pick"), QString(), false), QString());
    EXPECT_EQ(ChooseFileToOpen(QStringLiteral("Open"), QStringLiteral("All files|*.*")), QString());

    FixedChoosers choosers;
    InstallChooserPort(&choosers);
    EXPECT_EQ(BrowseForFolder(QStringLiteral("Pick"), QStringLiteral("/start"), true),
              QStringLiteral("/chosen"));
    EXPECT_EQ(ChooseFileToOpen(QStringLiteral("Open"), QStringLiteral("All files|*.*"), QStringLiteral("/d")),
              QStringLiteral("/chosen.ini"));
    InstallChooserPort(nullptr);
    EXPECT_EQ(choosers.asked, (QStringList{"Pick", "/start", "new", "Open", "All files|*.*", "/d"}));
}

} // namespace
} // namespace tessel
