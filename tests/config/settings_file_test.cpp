#include "config/settings_file.h"

#include "config/erunt_location.h"
#include "platform/file_name_codec.h"
#include "settings_test_support.h"
#include "support/scripted_messages.h"
#include "support/test_environment.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace tessel {
namespace {

using test::CrLf;
using test::Item;
using test::ReadBytes;
using test::WriteBytes;

class SettingsFileTest : public ::testing::Test
{
protected:
    QString Titles() const
    {
        QStringList titles;
        for (int i = 0; i < state.groupcount; ++i)
            titles << state.groups[static_cast<std::size_t>(i)].front().title;
        return titles.join(u'|');
    }

    test::SettingsFolder folder;
    ProgramState &state = folder.state;
    test::ScriptedMessages messages;
};

TEST_F(SettingsFileTest, MissingFileGivesOnlyTheRegistryEntry)
{
    ASSERT_TRUE(readdata(state, state.datafilename));
    ASSERT_EQ(state.groupcount, 1);
    EXPECT_TRUE(state.IsRegistryEntry(0));
    EXPECT_EQ(state.savedchecks, u"0");
    const titemrecord &entry = state.groups[0].front();
    EXPECT_EQ(entry.source, u"-FIXED-" + finderunt());
    EXPECT_EQ(entry.dest, QDir(state.documentsfolder).filePath(QStringLiteral("Registry Backup QV")));
    EXPECT_FALSE(state.storedwindowplace.top);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsFileTest, ReadsAPreparedFile)
{
    // Byte-order mark, mixed line ends, names in any case, a comment and blanks around the names.
    WriteBytes(state.datafilename, "\xEF\xBB\xBF[information]\r\nProgram=x\r\n"
                                   "[INTERFACE]\nCheckedGroups=1011\r\n  priority = 0 \r\n; note\r\n"
                                   "ShowAdvancedOptions=1\r\nVerboseLogging=yes\r\n"
                                   "Top=12\r\nleft=-30\r\nHeight=x\r\nWidth=640\r\n"
                                   "[Group0]\r\nItem0=Title: Photos;\r\n"
                                   "Item1=Title: Raw; Source: /p/raw; Dest: /b/raw; Enabled: 1; Recurse: 0; "
                                   "KeepPreviousVersions: 1; CopyType: 1; PropagateDeletions: 1;\r\n"
                                   "[group1]\r\nITEM0=Title: Mail;\r\n"
                                   "[Group2]\r\nItem0=Title: Music;\r\n");
    ASSERT_TRUE(readdata(state, state.datafilename));
    EXPECT_EQ(Titles(), u"System Registry|Photos|Mail|Music");
    EXPECT_EQ(state.savedchecks, u"01011");
    EXPECT_TRUE(state.lowpriority);
    EXPECT_TRUE(state.showadvancedoptions);
    EXPECT_FALSE(state.verboselogging);
    EXPECT_EQ(state.storedwindowplace, (StoredWindowPlace{12, -30, std::nullopt, 640}));

    ASSERT_EQ(state.groups[1].size(), 2u);
    titemrecord raw = Item("Raw", "/p/raw", "/b/raw");
    raw.itemenabled = true;
    raw.keeppreviousversions = true;
    raw.btype = kCopyIfNewer;
    raw.propagatedeletions = propagateonce;
    EXPECT_EQ(state.groups[1][1], raw);
}

TEST_F(SettingsFileTest, GroupSectionsAsTheyStand)
{
    struct Case
    {
        const char *name;
        QByteArray groups;
        const char *titles;       // after the registry entry
        const char *itemsOfFirst; // titles of the first group's items
    };
    const Case cases[] = {
        {"gap ends the groups", CrLf({"[Group0]", "Item0=Title: A;", "[Group2]", "Item0=Title: C;"}), "A",
         ""},
        {"empty value skipped, next key moves up",
         CrLf({"[Group0]", "Item0=Title: A;", "Item1=Title: x;", "Item3=", "Item4=Title: y;"}), "A", "x,y"},
        {"first non-empty key is the title",
         CrLf({"[Group0]", "Item0=", "Other=Title: A;", "Item1=Title: x;"}), "A", "x"},
        {"key numbers not interpreted", CrLf({"[Group0]", "Item5=Title: A;", "Item0=Title: x;"}), "A", "x"},
        {"section without keys ends the groups",
         CrLf({"[Group0]", "Item0=Title: A;", "[Group1]", "[Group2]", "Item0=Title: C;"}), "A", ""},
        {"only empty values: a group with an empty name",
         CrLf({"[Group0]", "Item0=", "[Group1]", "Item0=Title: B;"}), ",B", ""},
        {"lines without = and keys before any section ignored",
         CrLf({"Item0=Title: stray;", "[Group0]", "garbage", "Item0=Title: A;"}), "A", ""},
        {"a repeated section continues the first",
         CrLf({"[Group0]", "Item0=Title: A;", "[Group1]", "Item0=Title: B;", "[GROUP0]", "Item1=Title: x;"}),
         "A,B", "x"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(state.datafilename, c.groups);
        ASSERT_TRUE(readdata(state, state.datafilename));
        QStringList titles;
        for (int i = 1; i < state.groupcount; ++i)
            titles << state.groups[static_cast<std::size_t>(i)].front().title;
        EXPECT_EQ(titles.join(u','), QString::fromUtf8(c.titles));
        QStringList items;
        for (std::size_t i = 1; state.groupcount > 1 && i < state.groups[1].size(); ++i)
            items << state.groups[1][i].title;
        EXPECT_EQ(items.join(u','), QString::fromUtf8(c.itemsOfFirst));
    }
}

TEST_F(SettingsFileTest, ReadingStopsAtTheTableLimit)
{
    QByteArray text = "[Interface]\r\nCheckedGroups=" + QByteArray(300, '1') + "\r\n";
    for (int n = 0; n < 150; ++n)
        text += "[Group" + QByteArray::number(n) + "]\r\nItem0=Title: G" + QByteArray::number(n) + ";\r\n";
    WriteBytes(state.datafilename, text);

    ASSERT_TRUE(readdata(state, state.datafilename));
    ASSERT_EQ(state.groupcount, kGroupSlots);
    EXPECT_TRUE(state.IsRegistryEntry(0));
    EXPECT_EQ(state.groups[kGroupSlots - 1].front().title, u"G99");
    // The extra checks are kept as read, but a save writes one per group.
    EXPECT_EQ(state.savedchecks, u'0' + QString(300, u'1'));
    const QByteArray saved = SettingsFileText(state);
    EXPECT_TRUE(saved.contains(QByteArray("CheckedGroups=0" + QByteArray(100, '1') + "\r\n")));

    // The full table, registry entry first, is saved as 101 groups and must come back whole.
    ProgramState reread;
    EXPECT_EQ(ApplySettingsText(reread, saved), kGroupSlots);
    ASSERT_EQ(reread.groupcount, kGroupSlots);
    EXPECT_EQ(reread.groups[kGroupSlots - 1].front().title, u"G99");
    EXPECT_EQ(reread.savedchecks, u'0' + QString(100, u'1'));
}

TEST_F(SettingsFileTest, UnreadableFileIsReportedWithoutTheRegistryEntry)
{
    ASSERT_TRUE(QDir().mkpath(state.datafilename)); // a folder in the file's place
    const QString huge = folder.Path("video.ini");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(65) * 1024 * 1024)); // sparse: costs no disk space
    }
    const QString pipe = folder.Path("pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.toUtf8().constData(), 0600), 0); // would block a plain open for reading

    for (const QString &path : {state.datafilename, pipe, huge}) {
        SCOPED_TRACE(qPrintable(path));
        messages.shown.clear();
        state.groupcount = 5;
        EXPECT_FALSE(readdata(state, path));
        EXPECT_EQ(state.groupcount, 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].message, u"Cannot load backup groups");
        EXPECT_TRUE(messages.shown[0].detail.startsWith(path + u':'));
    }
}

TEST_F(SettingsFileTest, AnUnreadableFileSurvivesTheSavesThatFollow)
{
    {
        QFile file(state.datafilename);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write("[Group0]\r\nItem0=Title: Precious;\r\n") > 0);
        ASSERT_TRUE(file.resize(qint64(65) * 1024 * 1024)); // too large to load
    }
    const QString keptAs = state.datafilename + QStringLiteral("_unreadable_0000");

    EXPECT_FALSE(readdata(state, state.datafilename));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].detail.endsWith(u"The file was kept as " + keptAs));

    // The program goes on with an empty table and saves it twice (two program ends).
    state.addregistryentry(QString(), state.documentsfolder);
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    EXPECT_TRUE(ReadBytes(keptAs).startsWith("[Group0]\r\nItem0=Title: Precious;"));
}

// A state with every kind of value, for the save tests.
void Fill(ProgramState &state)
{
    state.groupcount = 0;
    state.addregistryentry(QStringLiteral("/opt/ERUNT/ERUNT.EXE"), QStringLiteral("/home/ann/Documents"));
    titemrecord docs = Item("Documents", "/home/ann/Documents", "/media/backup");
    docs.btype = kCopyIfNewer;
    docs.itemenabled = true;
    docs.recurse = true;
    state.groups[1] = {Item("Daily"), docs};
    state.groups[2] = {Item("Empty")};
    state.groupcount = 3;
    state.savedchecks = QStringLiteral("01");
    state.lowpriority = true;
    state.verboselogging = true;
    state.mainwindowplace = QRect(-8, 40, 612, 455);
}

TEST_F(SettingsFileTest, SavesTheExactText)
{
    Fill(state);
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    EXPECT_EQ(
        ReadBytes(state.datafilename),
        CrLf({"[Information]",
              "Program=Quorlan's Tessel Backup",
              "Version=1.85",
              "",
              "[Interface]",
              "CheckedGroups=010",
              "Priority=0",
              "ShowAdvancedOptions=0",
              "VerboseLogging=1",
              "Top=40",
              "Left=-8",
              "Height=455",
              "Width=612",
              "",
              "[Group0]",
              "Item0=Title: System Registry; ExecuteFile: 0; Source: -FIXED-/opt/ERUNT/ERUNT.EXE; Dest: "
              "/home/ann/Documents/Registry Backup QV; Enabled: 0; Recurse: 0; KeepPreviousVersions: 1; "
              "CopyType: 0; PropagateDeletions: 0;",
              "",
              "[Group1]",
              "Item0=Title: Daily; ExecuteFile: 0; Source: ; Dest: ; Enabled: 0; Recurse: 0; "
              "KeepPreviousVersions: 0; CopyType: 0; PropagateDeletions: 0;",
              "Item1=Title: Documents; ExecuteFile: 0; Source: /home/ann/Documents; Dest: /media/backup; "
              "Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: 1; PropagateDeletions: 0;",
              "",
              "[Group2]",
              "Item0=Title: Empty; ExecuteFile: 0; Source: ; Dest: ; Enabled: 0; Recurse: 0; "
              "KeepPreviousVersions: 0; CopyType: 0; PropagateDeletions: 0;"}));
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral("_bak")));
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral(".tmp")));
}

TEST_F(SettingsFileTest, SavedFileReadsBackTheSame)
{
    Fill(state);
    // Line breaks inside a value would split the line; a name that is not valid UTF-8 must survive.
    state.groups[1][1].title = QStringLiteral("two\r\nlines\rhere");
    const QString oddName = platform::DecodeFileName(QByteArray("/data/caf\xE9"));
    state.groups[1][1].source = oddName;
    state.groups[2].push_back(Item("Après ski", "/x"));
    state.groups[2].back().propagatedeletions = dopropagate;
    ASSERT_TRUE(savedata(state, state.datafilename, false));

    ProgramState reread;
    ASSERT_TRUE(readdata(reread, state.datafilename));
    ASSERT_EQ(reread.groupcount, 3);
    EXPECT_EQ(reread.groups[1][1].title, u"two  lines here");
    EXPECT_EQ(reread.groups[1][1].source, oddName);
    EXPECT_TRUE(ReadBytes(state.datafilename).contains("Source: /data/caf\xE9;"));
    state.groups[1][1].title = reread.groups[1][1].title;
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(reread.groups[static_cast<std::size_t>(g)], state.groups[static_cast<std::size_t>(g)]) << g;
    EXPECT_EQ(reread.savedchecks, u"010");
    EXPECT_TRUE(reread.lowpriority);
    EXPECT_TRUE(reread.verboselogging);
    EXPECT_EQ(reread.storedwindowplace, (StoredWindowPlace{40, -8, 455, 612}));
}

TEST_F(SettingsFileTest, EachSaveKeepsThePreviousFileAsBak)
{
    Fill(state);
    const QString bak = state.datafilename + QStringLiteral("_bak");
    WriteBytes(bak, "ancient");
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    // No previous file: the older copy is all there may be after a crash, so it stays.
    EXPECT_EQ(ReadBytes(bak), "ancient");
    const QByteArray first = ReadBytes(state.datafilename);

    state.groups[2].front().title = QStringLiteral("Renamed");
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    EXPECT_EQ(ReadBytes(bak), first);
    EXPECT_TRUE(ReadBytes(state.datafilename).contains("Title: Renamed;"));

    ASSERT_TRUE(savedata(state, state.datafilename, true)); // an export keeps no copy
    EXPECT_EQ(ReadBytes(bak), first);
}

TEST_F(SettingsFileTest, SaveAfterAnInterruptedSave)
{
    Fill(state);
    // An earlier save died after writing its temporary file: neither reading nor saving is disturbed.
    WriteBytes(state.datafilename, CrLf({"[Group0]", "Item0=Title: Old;"}));
    WriteBytes(state.datafilename + QStringLiteral(".tmp"), "[Group0]\r\nItem0=Title: Half");
    WriteBytes(state.datafilename + QStringLiteral("_bak.tmp"), "stale");
    ProgramState reread;
    ASSERT_TRUE(readdata(reread, state.datafilename));
    EXPECT_EQ(reread.groups[1].front().title, u"Old");

    ASSERT_TRUE(savedata(state, state.datafilename, false));
    EXPECT_EQ(ReadBytes(state.datafilename), SettingsFileText(state));
    EXPECT_EQ(ReadBytes(state.datafilename + QStringLiteral("_bak")),
              CrLf({"[Group0]", "Item0=Title: Old;"}));
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral(".tmp")));
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral("_bak.tmp")));
}

TEST_F(SettingsFileTest, FailedSaveIsReportedAndLosesNothing)
{
    Fill(state);
    // A folder in the file's place cannot be replaced; a missing folder cannot take the file.
    const QString blocked = folder.Path("blocked.ini");
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    const QString nowhere = folder.Path("no/such/folder/backupdata.ini");
    for (const QString &path : {blocked, nowhere}) {
        SCOPED_TRACE(qPrintable(path));
        messages.shown.clear();
        EXPECT_FALSE(savedata(state, path, false));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].message, u"Error saving backup data");
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("_bak")));
    }
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(state.groupcount, 3);
}

// Limits the size of files this process may write, as a full disk would; writes beyond it fail.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(SettingsFileTest, WriteFailureHalfWayKeepsThePreviousFile)
{
    Fill(state);
    const QByteArray previous = CrLf({"[Group0]", "Item0=Title: Kept;"});
    WriteBytes(state.datafilename, previous);
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(savedata(state, state.datafilename, false));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].message, u"Error saving backup data");
    EXPECT_EQ(ReadBytes(state.datafilename), previous);
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral("_bak")));
    EXPECT_FALSE(QFile::exists(state.datafilename + QStringLiteral(".tmp")));
}

TEST_F(SettingsFileTest, SaveKeepsTheFilePermissions)
{
    Fill(state);
    WriteBytes(state.datafilename, "old");
    const QByteArray name = state.datafilename.toUtf8();
    ASSERT_EQ(::chmod(name.constData(), 0600), 0);
    ASSERT_TRUE(savedata(state, state.datafilename, false));
    struct stat info
    {
    };
    ASSERT_EQ(::stat(name.constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// Damaged and odd files (the fuzz seeds, which hold what fuzzing found) may lose entries on their first
// reading, but a save must then write back every group, item and title it read.
TEST(SettingsFileShape, SurvivesASaveAfterReadingOddFiles)
{
    const QDir seeds(test::SourcePath(QStringLiteral("fuzz/corpus/fuzz_config_settings")));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        SCOPED_TRACE(qPrintable(name));
        ProgramState first;
        ApplySettingsText(first, ReadBytes(seeds.filePath(name)));
        ProgramState second;
        ApplySettingsText(second, SettingsFileText(first));
        ASSERT_EQ(second.groupcount, first.groupcount);
        for (int g = 0; g < first.groupcount; ++g) {
            const tbackupgroup &a = first.groups[static_cast<std::size_t>(g)];
            const tbackupgroup &b = second.groups[static_cast<std::size_t>(g)];
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_EQ(a[i].title, b[i].title);
        }
    }
}

TEST(SettingsFileShape, APathHoldingAKeyNameMovesOnlyThatField)
{
    // The item format cannot tell "CopyType:" inside a path from the real field: after a save the copy
    // type is read from the path. The group, its title and the path itself stay.
    ProgramState first;
    ApplySettingsText(first, "[Group0]\r=CopyType:1;Source:CopyType:");
    ASSERT_EQ(first.groupcount, 2);
    EXPECT_EQ(first.groups[1][0].source, u"CopyType:");
    EXPECT_EQ(first.groups[1][0].btype, kCopyIfNewer);
    ProgramState second;
    ApplySettingsText(second, SettingsFileText(first));
    EXPECT_EQ(second.groups[1][0].source, u"CopyType:");
    EXPECT_EQ(second.groups[1][0].btype, kPlainCopy);
}

} // namespace
} // namespace tessel
