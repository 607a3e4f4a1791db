#include "config/settings_transfer.h"

#include "config/settings_file.h"
#include "settings_test_support.h"
#include "support/scripted_messages.h"

#include <QDir>

#include <gtest/gtest.h>

namespace tessel {
namespace {

using test::CrLf;
using test::Item;
using test::ReadBytes;
using test::WriteBytes;

const QString kWarning =
    QStringLiteral("Warning: By importing a backup settings file you will lose all currently "
                   "existing backup settings.   Continue?");

class SettingsTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.addregistryentry(QString(), state.documentsfolder);
        state.groups[1] = {Item("Current")};
        state.groupcount = 2;
        state.savedchecks = QStringLiteral("11");
    }

    QStringList Shown() const
    {
        QStringList texts;
        for (const auto &shown : messages.shown)
            texts << shown.message;
        return texts;
    }

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

TEST_F(SettingsTransferTest, ImportReplacesTheGroupsAfterSavingTheCurrentOnes)
{
    const QString chosen = folder.Path("other.ini");
    WriteBytes(chosen, CrLf({"[Interface]", "CheckedGroups=01", "VerboseLogging=1", "[Group0]",
                             "Item0=Title: Imported A;", "[Group1]", "Item0=Title: Imported B;"}));
    WriteBytes(state.datafilename, "before");
    messages.AnswerNext(true);

    EXPECT_EQ(importsettings(state, chosen), ImportOutcome::Imported);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, kWarning);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Backup settings have been successfully imported")});

    // Only ordinary groups in the file: a new, unchecked registry entry goes in front.
    EXPECT_EQ(Titles(), u"System Registry|Imported A|Imported B");
    EXPECT_EQ(state.savedchecks, u"001");
    EXPECT_TRUE(state.verboselogging);
    // The settings held before are on disk, and the file before them is the copy.
    EXPECT_TRUE(ReadBytes(state.datafilename).contains("Item0=Title: Current;"));
    EXPECT_EQ(ReadBytes(state.datafilename + QStringLiteral("_bak")), "before");
}

TEST_F(SettingsTransferTest, ImportStopsBeforeChangingAnything)
{
    struct Case
    {
        const char *name;
        const char *file;
        bool answer;
        QStringList shown;
        size_t asked;
    };
    const Case cases[] = {
        {"no such file", "missing.ini", true, {QStringLiteral("File does not exist")}, 0},
        {"user says No", "other.ini", false, {}, 1},
    };
    WriteBytes(folder.Path("other.ini"), CrLf({"[Group0]", "Item0=Title: X;"}));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        messages.asked.clear();
        if (c.asked > 0)
            messages.AnswerNext(c.answer);
        EXPECT_EQ(importsettings(state, folder.Path(c.file)), ImportOutcome::Unchanged);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(messages.asked.size(), c.asked);
        EXPECT_EQ(Titles(), u"System Registry|Current");
        EXPECT_FALSE(QFile::exists(state.datafilename));
    }
}

TEST_F(SettingsTransferTest, ImportWhenTheCurrentSettingsCannotBeSaved)
{
    // Dropping settings that could not be written would lose them for good.
    state.datafilename = folder.Path("no/such/folder/backupdata.ini");
    const QString chosen = folder.Path("other.ini");
    WriteBytes(chosen, CrLf({"[Group0]", "Item0=Title: X;"}));
    messages.AnswerNext(true);
    EXPECT_EQ(importsettings(state, chosen), ImportOutcome::Unchanged);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Error saving backup data")});
    EXPECT_EQ(Titles(), u"System Registry|Current");
}

TEST_F(SettingsTransferTest, ImportOfAFileWithoutGroupsRestoresTheSavedSettings)
{
    const QString noGroups = folder.Path("photo.jpg");
    static const char kPicture[] = "\xFF\xD8\xFF\xE0\0\x10JFIF not settings at all";
    WriteBytes(noGroups, QByteArray(kPicture, sizeof kPicture - 1));
    const QString unreadable = folder.Path("folder.ini");
    ASSERT_TRUE(QDir().mkpath(unreadable));

    struct Case
    {
        QString file;
        QStringList shown;
    };
    const Case cases[] = {
        {noGroups, {QStringLiteral("Could not import backup settings")}},
        {unreadable,
         {QStringLiteral("Cannot load backup groups"), QStringLiteral("Could not import backup settings")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.file));
        messages.shown.clear();
        messages.AnswerNext(true);
        EXPECT_EQ(importsettings(state, c.file), ImportOutcome::Restored);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(Titles(), u"System Registry|Current");
        EXPECT_EQ(state.savedchecks, u"11");
    }
}

TEST_F(SettingsTransferTest, ExportReplacesALargerFileAndKeepsNoCopy)
{
    const QString exportFolder = folder.Path("usb");
    ASSERT_TRUE(QDir().mkpath(exportFolder));
    const QString target = exportFolder + QStringLiteral("/Backupdata.ini");
    QByteArray older;
    for (int n = 0; n < 5; ++n)
        older += "[Group" + QByteArray::number(n) + "]\r\nItem0=Title: Old" + QByteArray::number(n) + ";\r\n";
    WriteBytes(target, older);

    messages.AnswerNext(true);
    EXPECT_TRUE(exportsettings(state, exportFolder));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].message, u"File already exists. Overwrite?");
    EXPECT_EQ(messages.asked[0].detail, target);
    EXPECT_EQ(Shown(), QStringList{u"Backup settings have been exported as: \r\r" + target});

    EXPECT_EQ(ReadBytes(target), SettingsFileText(state));
    EXPECT_FALSE(ReadBytes(target).contains("Old"));
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("_bak")));
    EXPECT_FALSE(QFile::exists(state.datafilename));
}

TEST_F(SettingsTransferTest, ExportDeclinedOrFailing)
{
    const QString exportFolder = folder.Path("usb");
    ASSERT_TRUE(QDir().mkpath(exportFolder));
    const QString target = exportFolder + QStringLiteral("/Backupdata.ini");
    WriteBytes(target, "keep me");
    messages.AnswerNext(false);
    EXPECT_FALSE(exportsettings(state, exportFolder));
    EXPECT_EQ(ReadBytes(target), "keep me");
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(exportsettings(state, folder.Path("gone")));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Error saving backup data")});
}

} // namespace
} // namespace tessel
