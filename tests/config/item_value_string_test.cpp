#include "config/item_value_string.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(ItemValueString, WritesEveryFieldInOrder)
{
    titemrecord item;
    item.title = QStringLiteral("Documents");
    item.source = QStringLiteral("/home/ann/Documents");
    item.dest = QStringLiteral("/media/backup");
    item.btype = kCopyIfNewer;
    item.itemenabled = true;
    item.recurse = true;
    item.propagatedeletions = dopropagate;
    EXPECT_EQ(itemdatastring(item),
              QStringLiteral(
                  "Title: Documents; ExecuteFile: 0; Source: /home/ann/Documents; Dest: /media/backup; "
                  "Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: 1; PropagateDeletions: 2;"));
}

TEST(ItemValueString, RoundTripsPlainFields)
{
    titemrecord item;
    item.title = QStringLiteral("Mail  archive");
    item.source = QStringLiteral("C:\\Data\\Mail");
    item.dest = QStringLiteral("--verbose /tmp/x");
    item.btype = kPlainCopy;
    item.itemenabled = false;
    item.recurse = false;
    item.keeppreviousversions = true;
    item.propagatedeletions = propagateonce;
    item.executefile = true;
    EXPECT_EQ(ItemRecordFromString(itemdatastring(item)), item);
}

struct ReadCase
{
    const char *name;
    const char *value;
    titemrecord expected;
};

titemrecord Record(const char *title, const char *source, const char *dest, bool enabled = true,
                   bool recurse = true)
{
    titemrecord item;
    item.title = QString::fromUtf8(title);
    item.source = QString::fromUtf8(source);
    item.dest = QString::fromUtf8(dest);
    item.itemenabled = enabled;
    item.recurse = recurse;
    return item;
}

template <typename Change>
titemrecord With(titemrecord item, Change change)
{
    change(item);
    return item;
}

TEST(ItemValueString, ReadsOddValuesAsStored)
{
    const ReadCase cases[] = {
        {"semicolon in title cuts it", "Title: A;B; Source: /s; Dest: /d;", Record("A", "/s", "/d")},
        {"key name inside title feeds that key", "Title: Copy to Dest: here; Source: /s; Dest: /d;",
         Record("Copy to Dest: here", "/s", "here")},
        {"drive colon kept", "Title: T; Source: C:\\Data; Dest: E:\\Backup;",
         Record("T", "C:\\Data", "E:\\Backup")},
        {"blanks and colons after key skipped", "Title: :: T ; Source:/s;", Record("T", "/s", "")},
        {"missing keys take defaults", "Title: Only", Record("Only", "", "")},
        {"empty field", "Title: ; Source: /s;", Record("", "/s", "")},
        {"no semicolon runs to end", "Source: /s  ", Record("", "/s", "")},
        {"key case matters", "title: x; SOURCE: y;", Record("", "", "")},
        {"disabled and flat", "Title: T; Enabled: 0; Recurse: 0;", Record("T", "", "", false, false)},
        {"enabled anything but 0", "Title: T; Enabled: no; Recurse: 2;", Record("T", "", "")},
        {"propagate 7", "Title: T; PropagateDeletions: 7;",
         With(Record("T", "", ""), [](titemrecord &r) { r.propagatedeletions = dopropagate; })},
        {"propagate 1", "Title: T; PropagateDeletions: 1;",
         With(Record("T", "", ""), [](titemrecord &r) { r.propagatedeletions = propagateonce; })},
        {"copy type other than 1 is plain", "Title: T; CopyType: 2;", Record("T", "", "")},
        {"copy type 1 with control characters around", "Title: T; CopyType: \t1\t;",
         With(Record("T", "", ""), [](titemrecord &r) { r.btype = kCopyIfNewer; })},
        {"keep versions any non-zero text", "Title: T; KeepPreviousVersions: yes;",
         With(Record("T", "", ""), [](titemrecord &r) { r.keeppreviousversions = true; })},
        {"execute only for 1", "Title: T; ExecuteFile: 2;", Record("T", "", "")},
        {"fields in any order", "Dest: /d; Title: T; ExecuteFile: 1;",
         With(Record("T", "", "/d"), [](titemrecord &r) { r.executefile = true; })},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ItemRecordFromString(QString::fromUtf8(c.value)), c.expected);
    }
}

TEST(ItemValueString, FieldLookupFindsFirstOccurrence)
{
    EXPECT_EQ(getitemfield(QStringLiteral("Dest"), QStringLiteral("Title: a Dest: b; Dest: c;")), u"b");
    EXPECT_EQ(getitemfield(QStringLiteral("Dest"), QStringLiteral("Dest:")), QString());
    EXPECT_EQ(getitemfield(QStringLiteral("Dest"), QStringLiteral("Dest: ::  ")), QString());
    EXPECT_EQ(getitemfield(QStringLiteral("Dest"), QString()), QString());
}

} // namespace
} // namespace tessel
