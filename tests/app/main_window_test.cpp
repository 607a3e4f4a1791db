#include "app/main_window.h"

#include "common/choosers.h"
#include "common/program_folders.h"
#include "config/group_table.h"
#include "support/scripted_messages.h"
#include "widgets/my_check_list_box.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessel::app {
namespace {

QByteArray Crlf(const QByteArray &lines)
{
    QByteArray text = lines;
    text.replace("\n", "\r\n");
    return text;
}

// A data folder under the test's private configuration folder holding the given settings file, and a
// program folder of its own so nothing lands beside the test binary.
class PreparedDataFolder
{
public:
    explicit PreparedDataFolder(const QByteArray &settings)
    {
        SetProgramFolder(programFolder_.path());
        dataFolder_ = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
                      QStringLiteral("/QuorlanSoftware/TesselBackup");
        QDir(dataFolder_).removeRecursively();
        QDir().mkpath(dataFolder_);
        QFile file(SettingsFile());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }
    ~PreparedDataFolder() { QDir(dataFolder_).removeRecursively(); }

    QString SettingsFile() const { return dataFolder_ + QStringLiteral("/backupdata.ini"); }
    QByteArray Read(const QString &name) const
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir programFolder_;
    QString dataFolder_;
};

const QByteArray kItemTail =
    "ExecuteFile: 0; Source: ; Dest: ; Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; "
    "CopyType: 0; PropagateDeletions: 0;";

QByteArray SettingsWith(const QByteArray &interface)
{
    return Crlf("[Information]\nProgram=Quorlan's Tessel Backup\nVersion=1.85\n[Interface]\n" + interface +
                "[Group0]\nItem0=Title: My Docs; " + kItemTail +
                "\nItem1=Title: Letters; ExecuteFile: 0; Source: /home/a/Letters; Dest: /backup; Enabled: 1; "
                "Recurse: 1; KeepPreviousVersions: 0; CopyType: 1; PropagateDeletions: 2;\n"
                "[Group1]\nItem0=Title: Photos; " +
                kItemTail + "\n");
}

TEST(MainWindow, ShowsTheSavedGroupsAndWritesThemBackOnQuit)
{
    test::ScriptedMessages messages;
    const QByteArray original = SettingsWith("CheckedGroups=01\nPriority=1\nShowAdvancedOptions=1\n"
                                             "VerboseLogging=0\nTop=40\nLeft=30\nHeight=640\nWidth=530\n");
    PreparedDataFolder folder(original);
    {
        TForm1 form({});
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

        EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorlan's Tessel Backup"));
        ASSERT_EQ(form.groupslb->count(), 3);
        const QStringList expectedRows = {"System Registry", "My Docs", "Photos"};
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(form.groupslb->item(row)->text(), expectedRows[row]);
        // The file's marks belong to its own groups; the registry entry in front starts unchecked.
        EXPECT_FALSE(form.groupslb->isChecked(0));
        EXPECT_FALSE(form.groupslb->isChecked(1));
        EXPECT_TRUE(form.groupslb->isChecked(2));
        EXPECT_EQ(form.groupslb->currentRow(), 0);
        EXPECT_EQ(form.pos(), QPoint(30, 40));
        EXPECT_EQ(form.size(), QSize(530, 640));
        EXPECT_TRUE(form.High1->isChecked());
        EXPECT_FALSE(form.pausebutton->isVisible());
        EXPECT_EQ(form.quitbutton->text(), QStringLiteral("&Quit"));
        EXPECT_FALSE(form.state().unattendedrun);

        form.groupslb->setChecked(0, true);
        form.groupslb->setChecked(2, false);
        form.Low1->trigger();
        form.move(50, 60);
        form.resize(560, 650);
        QTest::mouseClick(form.quitbutton, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_TRUE(messages.shown.empty());
    // The registry entry now stands in front as Group0; the file's groups follow in their order. Every
    // section after the first follows an empty line.
    QByteArray groups = SettingsWith(QByteArray());
    groups = groups.mid(groups.indexOf("[Group0]"))
                 .replace("[Group1]", "[Group2]")
                 .replace("[Group0]", "[Group1]");
    const QByteArray registryDestination =
        (QDir::homePath() + QStringLiteral("/Documents/") + RegistryBackupFolderName()).toUtf8();
    QByteArray expected =
        Crlf(QByteArray("[Information]\nProgram=Quorlan's Tessel Backup\nVersion=1.85\n[Interface]\n"
                        "CheckedGroups=100\nPriority=0\nShowAdvancedOptions=1\nVerboseLogging=0\n"
                        "Top=60\nLeft=50\nHeight=650\nWidth=560\n"
                        "[Group0]\nItem0=Title: System Registry; ExecuteFile: 0; Source: -FIXED-; Dest: ")
                 .append(registryDestination)
                 .append("; Enabled: 0; Recurse: 0; KeepPreviousVersions: 1; CopyType: 0; "
                         "PropagateDeletions: 0;\n")) +
        groups;
    expected.replace("\r\n[", "\r\n\r\n[");
    EXPECT_EQ(folder.Read(folder.SettingsFile()).toStdString(), expected.toStdString());
    EXPECT_EQ(folder.Read(folder.SettingsFile() + QStringLiteral("_bak")).toStdString(),
              original.toStdString());
}

TEST(MainWindow, SavedPlaceOffTheScreenIsPulledBack)
{
    PreparedDataFolder folder(SettingsWith("Top=5000\nLeft=5000\nHeight=620\nWidth=500\n"));
    TForm1 form({});
    const QSize screen = form.screen()->size();
    // Pulled back with the size the window had before the stored size applied: its designed size.
    const QSize designed(517, 631 + form.menuBar()->sizeHint().height());
    EXPECT_EQ(form.pos(), QPoint(screen.width() - designed.width(), screen.height() - designed.height()));
    EXPECT_EQ(form.size(), QSize(500, 620));
}

TEST(MainWindow, StatusAreaFollowsTheListWhenResized)
{
    PreparedDataFolder folder{QByteArray()};
    TForm1 form({});
    form.show();
    for (const QSize size : {QSize(517, 660), QSize(700, 900), QSize(400, 600)}) {
        SCOPED_TRACE(size.width());
        form.resize(size);
        const QWidget *client = form.centralWidget();
        const QRect list = form.groupslb->geometry();
        EXPECT_EQ(client->width() - list.right() - 1, 139);
        EXPECT_EQ(client->height() - list.bottom() - 1, 86);
        EXPECT_EQ(form.itemlabel->y(), list.bottom() + 1 + 5);
        EXPECT_EQ(form.copyinglabel->y(), form.itemlabel->y() + form.itemlabel->height() + 2);
        EXPECT_EQ(form.filelabel->y(), form.copyinglabel->y() + 4);
        EXPECT_EQ(form.pb->y(), form.copyinglabel->y() + form.copyinglabel->height());
        EXPECT_EQ(form.numfileslabel->y(), form.pb->y() + form.pb->height() + 3);
        EXPECT_EQ(form.pb->width(), form.width() - 64);
        EXPECT_EQ(form.filelabel->width(), client->width() - form.filelabel->x() - 16);
        EXPECT_EQ(form.quitbutton->x() + form.quitbutton->width(), client->width() - 16);
        // The whole status area stays inside the window.
        form.updatenumfileslabel(1234);
        EXPECT_TRUE(form.numfileslabel->isVisible());
        EXPECT_LE(form.numfileslabel->geometry().bottom(), client->height())
            << form.numfileslabel->text().toStdString();
    }
}

TEST(MainWindow, StatusWordIsShownWhole)
{
    PreparedDataFolder folder{QByteArray()};
    TForm1 form({});
    form.show();
    for (const QString &word :
         {QStringLiteral("Comparing"), QStringLiteral("Copying: "), QStringLiteral("Deleting: ")}) {
        form.showcopying(word);
        EXPECT_TRUE(form.copyinglabel->isVisible());
        EXPECT_EQ(form.copyinglabel->text(), word);
        EXPECT_GE(form.copyinglabel->width(), form.copyinglabel->fontMetrics().horizontalAdvance(word));
    }
}

TEST(MainWindow, ClosingIsRefusedWhileBackingUp)
{
    PreparedDataFolder folder{QByteArray()};
    TForm1 form({});
    form.show();
    form.runstate().backingup = true;
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    form.runstate().backingup = false;
    EXPECT_TRUE(form.close());
}

TEST(MainWindow, GroupMenuOffersTheVariantsOnlyForOrdinaryGroups)
{
    PreparedDataFolder folder(SettingsWith("CheckedGroups=\n"));
    TForm1 form({});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget *rows = form.groupslb->viewport();
    for (int row : {1, 0}) {
        SCOPED_TRACE(row);
        const QPoint onRow = form.groupslb->visualItemRect(form.groupslb->item(row)).center();
        QTest::mouseClick(rows, Qt::RightButton, Qt::NoModifier, onRow);
        EXPECT_EQ(form.groupslb->currentRow(), row);
        ASSERT_TRUE(form.PopupMenu1->isVisible());
        const bool ordinary = row != 0;
        EXPECT_TRUE(form.Runthisbackupgroupnow1->isVisible());
        EXPECT_EQ(form.N4->isVisible(), ordinary);
        EXPECT_EQ(form.Runthisbackupgroupnowwithsynch1->isVisible(), ordinary);
        EXPECT_EQ(form.Runthisbackupgroupnowwithtimestamp1->isVisible(), ordinary);
        form.PopupMenu1->hide();
    }
}

TEST(MainWindow, BackupWithNothingCheckedAsksForACheckMark)
{
    test::ScriptedMessages messages;
    PreparedDataFolder folder(SettingsWith("CheckedGroups=00\n"));
    TForm1 form({});
    form.show();
    QTest::mouseClick(form.backupbutton, Qt::LeftButton);
    // Enter in the list presses the Backup button too; the second request asks again instead of beeping.
    form.groupslb->setFocus();
    QTest::keyClick(form.groupslb, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto &shown : messages.shown)
        EXPECT_EQ(shown.message, QStringLiteral("You need to mark at least one group with a check mark."));
    EXPECT_FALSE(form.runstate().backingup);
}

} // namespace
} // namespace tessel::app

namespace tessel::app {
namespace {

// Answers every modal window a run opens by pressing its default button, recording the window's title.
class ModalWindowCloser : public QObject
{
public:
    ModalWindowCloser()
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                titles.append(modal->windowTitle());
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->accept();
            }
        });
        timer_.start();
    }
    QStringList titles;

private:
    QTimer timer_;
};

// Files and a settings file whose group "Docs" copies the tree into a destination folder.
struct RunFixture
{
    QTemporaryDir root;
    QByteArray Settings() const
    {
        return Crlf(
            "[Interface]\nCheckedGroups=10\n[Group0]\nItem0=Title: Docs; " + kItemTail +
            "\nItem1=Title: Tree; ExecuteFile: 0; Source: " + root.path().toUtf8() +
            "/source; Dest: " + root.path().toUtf8() +
            "/backup; Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: 1; PropagateDeletions: 0;\n"
            "[Group1]\nItem0=Title: Empty; " +
            kItemTail + "\n");
    }
    RunFixture()
    {
        QDir().mkpath(root.path() + QStringLiteral("/source/sub"));
        for (const char *name : {"/source/one.txt", "/source/sub/two.txt"}) {
            QFile file(root.path() + QLatin1String(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
    }
};

TEST(MainWindow, BackupButtonRunsTheCheckedGroupsAndEndsWithTheResults)
{
    test::ScriptedMessages messages;
    RunFixture tree;
    PreparedDataFolder folder(tree.Settings());
    TForm1 form({});
    form.show();
    ASSERT_TRUE(form.groupslb->isChecked(1));

    ModalWindowCloser closer;
    QTest::mouseClick(form.backupbutton, Qt::LeftButton);

    EXPECT_TRUE(QFileInfo::exists(tree.root.path() + QStringLiteral("/backup/source/sub/two.txt")));
    EXPECT_EQ(closer.titles, QStringList{QStringLiteral("Backup Results")});
    EXPECT_TRUE(messages.shown.empty());
    // Back to idle: the run's traces are gone from the window.
    EXPECT_FALSE(form.runstate().backingup);
    EXPECT_EQ(form.quitbutton->text(), QStringLiteral("&Quit"));
    EXPECT_FALSE(form.pausebutton->isVisible());
    EXPECT_TRUE(form.itemlabel->text().isEmpty());
    EXPECT_TRUE(form.numfileslabel->text().isEmpty());
    EXPECT_EQ(form.pb->value(), 0);
}

} // namespace
} // namespace tessel::app

namespace tessel::app {
namespace {

// Answers the folder and file choosers with prepared paths, recording the titles asked.
class ScriptedChoosers final : public ChooserPort
{
public:
    ScriptedChoosers() { InstallChooserPort(this); }
    ~ScriptedChoosers() override { InstallChooserPort(nullptr); }
    ScriptedChoosers(const ScriptedChoosers &) = delete;
    ScriptedChoosers &operator=(const ScriptedChoosers &) = delete;

    QString BrowseForFolder(const QString &title, const QString &, bool) override
    {
        titles.append(title);
        return answer;
    }
    QString ChooseFileToOpen(const QString &title, const QString &, const QString &) override
    {
        titles.append(title);
        return answer;
    }
    QString answer;
    QStringList titles;
};

TEST(MainWindow, ExportWritesTheWindowsCurrentChecks)
{
    test::ScriptedMessages messages;
    ScriptedChoosers choosers;
    QTemporaryDir target;
    choosers.answer = target.path();
    PreparedDataFolder folder(SettingsWith("CheckedGroups=00\n"));
    TForm1 form({});
    form.show();
    form.groupslb->setChecked(2, true);

    form.Exportsettings1->trigger();
    EXPECT_EQ(choosers.titles, QStringList{QStringLiteral("Export backup settings to folder:")});
    const QByteArray exported = folder.Read(target.path() + QStringLiteral("/Backupdata.ini"));
    EXPECT_TRUE(exported.contains("CheckedGroups=001\r\n")) << exported.toStdString();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Backup settings have been exported as: \r\r") +
                                             target.path() + QStringLiteral("/Backupdata.ini"));
}

TEST(MainWindow, ImportReplacesTheListAndSavesTheCurrentSettingsFirst)
{
    test::ScriptedMessages messages;
    ScriptedChoosers choosers;
    QTemporaryDir source;
    choosers.answer = source.path() + QStringLiteral("/other.ini");
    {
        QFile other(choosers.answer);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.write(Crlf("[Interface]\nCheckedGroups=1\nPriority=0\n[Group0]\nItem0=Title: Imported; " +
                         kItemTail + "\n"));
    }
    PreparedDataFolder folder(SettingsWith("CheckedGroups=00\n"));
    TForm1 form({});
    form.show();
    form.groupslb->setChecked(1, true);
    messages.AnswerNext(true);

    form.Importsettings1->trigger();
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].message.startsWith(QStringLiteral("Warning: By importing")));
    ASSERT_EQ(form.groupslb->count(), 2);
    EXPECT_EQ(form.groupslb->item(0)->text(), QStringLiteral("System Registry"));
    EXPECT_EQ(form.groupslb->item(1)->text(), QStringLiteral("Imported"));
    EXPECT_FALSE(form.groupslb->isChecked(0));
    EXPECT_TRUE(form.groupslb->isChecked(1));
    EXPECT_EQ(form.groupslb->currentRow(), -1);
    EXPECT_TRUE(form.Low1->isChecked());
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().message,
              QStringLiteral("Backup settings have been successfully imported"));
    // What was on screen before the import is on disk now.
    EXPECT_TRUE(folder.Read(folder.SettingsFile()).contains("CheckedGroups=010\r\n"));
}

} // namespace
} // namespace tessel::app

namespace tessel::app {
namespace {

TEST(MainWindow, CommandLineRunEndsWithTheCompletionMessageAndNoResultsWindow)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    test::ScriptedMessages messages;
    RunFixture tree;
    PreparedDataFolder folder(tree.Settings());
    ModalWindowCloser closer;
    TForm1 form({QStringLiteral("docs"), QStringLiteral("LatestOnly")});
    EXPECT_TRUE(form.state().unattendedrun);
    EXPECT_TRUE(form.Timer1->isActive());
    form.show();

    // The run starts on the timer, a second after start-up, and ends with the message.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 30000));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, QStringLiteral("Automated backup has been completed."));
    EXPECT_EQ(
        messages.shown[0].detail,
        QStringLiteral("A backup has been completed, initiated from either the command line or a link.\r\r"
                       "2 files copied.\r\rCommand line was: \"docs\" LatestOnly "));
    EXPECT_EQ(messages.shown[0].x, form.x() + 170);
    EXPECT_EQ(messages.shown[0].y, form.y() + 200);
    EXPECT_TRUE(closer.titles.isEmpty()) << closer.titles.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(form.state().unattendedrun);
    EXPECT_EQ(form.quitbutton->text(), QStringLiteral("&Quit"));
    EXPECT_EQ(form.ExitStatus(), 0);
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace tessel::app
