#include "config/group_table.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

titemrecord Titled(const QString &title, const QString &source = QString())
{
    titemrecord record;
    record.title = title;
    record.source = source;
    return record;
}

// A table of ordinary groups named A, B, C, ... with the given checked states.
GroupTable Ordinary(int count, const QString &checks)
{
    GroupTable table;
    for (int i = 0; i < count; ++i)
        table.groups[static_cast<std::size_t>(i)] = {Titled(QString(QChar(u'A' + i)))};
    table.groupcount = count;
    table.savedchecks = checks;
    return table;
}

QString Titles(const GroupTable &table)
{
    QString titles;
    for (int i = 0; i < table.groupcount; ++i)
        titles += table.groups[static_cast<std::size_t>(i)].front().title.left(1);
    return titles;
}

TEST(GroupTable, RecognisesOnlyTheFixedEntry)
{
    GroupTable table;
    table.groups[0] = {
        Titled(QStringLiteral("System Registry"), QStringLiteral("-FIXED-/opt/ERUNT/ERUNT.EXE"))};
    table.groups[1] = {Titled(QStringLiteral("System Registry"), QStringLiteral("/home"))};
    table.groups[2] = {Titled(QStringLiteral("system registry"), QStringLiteral("-FIXED-"))};
    table.groups[3] = {Titled(QStringLiteral("System Registry"), QStringLiteral(" -FIXED-"))};
    table.groups[4] = {Titled(QStringLiteral("System Registry"), QStringLiteral("-FIXED-"))};
    table.groupcount = 4;

    EXPECT_TRUE(table.IsRegistryEntry(0));
    for (int index : {1, 2, 3, -1, 4, 5, 100, 101, 1000})
        EXPECT_FALSE(table.IsRegistryEntry(index)) << index;
}

TEST(GroupTable, RegistryEntryGoesInFrontAndChecksStayWithTheirGroups)
{
    GroupTable table = Ordinary(3, QStringLiteral("101"));
    table.addregistryentry(QStringLiteral("/opt/ERUNT/ERUNT.EXE"), QStringLiteral("/home/ann/Documents"));

    ASSERT_EQ(table.groupcount, 4);
    EXPECT_TRUE(table.IsRegistryEntry(0));
    EXPECT_EQ(Titles(table), u"SABC");
    EXPECT_EQ(table.savedchecks, u"0101");
    const titemrecord &entry = table.groups[0].front();
    EXPECT_EQ(entry.source, u"-FIXED-/opt/ERUNT/ERUNT.EXE");
    EXPECT_EQ(entry.dest, u"/home/ann/Documents/Registry Backup QV");
    EXPECT_FALSE(entry.itemenabled);
    EXPECT_TRUE(entry.keeppreviousversions);
    EXPECT_EQ(table.groups[0].size(), 1u);

    // Once present it is not added again.
    table.addregistryentry(QString(), QStringLiteral("/elsewhere"));
    EXPECT_EQ(table.groupcount, 4);
    EXPECT_EQ(table.savedchecks, u"0101");
}

TEST(GroupTable, RegistryEntryInAnEmptyTable)
{
    GroupTable table;
    table.savedchecks = QStringLiteral("111");
    table.addregistryentry(QString(), QStringLiteral("/docs"));
    EXPECT_EQ(table.groupcount, 1);
    EXPECT_EQ(table.savedchecks, u"0");
    EXPECT_EQ(table.groups[0].front().source, u"-FIXED-");
}

TEST(GroupTable, RegistryEntryFitsInFrontOfAFullTable)
{
    GroupTable table = Ordinary(kMaxGroups, QString());
    table.addregistryentry(QString(), QStringLiteral("/docs"));
    EXPECT_EQ(table.groupcount, kGroupSlots);
    EXPECT_TRUE(table.IsRegistryEntry(0));
    EXPECT_EQ(table.groups[kGroupSlots - 1].front().title, QString(QChar(u'A' + kMaxGroups - 1)));
}

TEST(GroupTable, SwapAndRemoveCarryChecksAlong)
{
    GroupTable table = Ordinary(4, QStringLiteral("1000"));
    table.swapgroups(0, 2);
    EXPECT_EQ(Titles(table), u"CBAD");
    EXPECT_EQ(table.savedchecks, u"0010");

    table.removegroup(1);
    EXPECT_EQ(Titles(table), u"CAD");
    EXPECT_EQ(table.savedchecks, u"010");
    EXPECT_TRUE(table.groups[3].empty());

    table.removegroup(3); // not in use: nothing happens
    table.removegroup(-1);
    EXPECT_EQ(Titles(table), u"CAD");

    table.freegroup(2);
    EXPECT_TRUE(table.groups[2].empty());
    EXPECT_EQ(table.groupcount, 3); // the caller decides what becomes of the slot
}

} // namespace
} // namespace tessel
