#include "platform/directory_listing.h"
#include "platform/file_copy.h"
#include "platform/file_name_codec.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/wildcard.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::platform {
namespace {

QByteArray Bytes(const QString &path)
{
    return EncodeFileName(path);
}

void WriteFile(const QString &path, const QByteArray &content)
{
    const int fd = ::open(Bytes(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(fd);
}

QStringList Names(const QString &folder)
{
    std::vector<DirectoryEntry> entries;
    EXPECT_EQ(ListDirectory(folder, ListDetail::KindOnly, entries), 0);
    QStringList names;
    for (const auto &entry : entries)
        names.append(entry.name);
    names.sort();
    return names;
}

TEST(Wildcard, MatchesAsUsersWriteThem)
{
    struct Case
    {
        const char *name, *pattern;
        bool matches;
    } cases[] = {
        {"report.txt", "*.*", true},
        {"README", "*.*", true},
        {".hidden", "*.*", true},
        {"report.txt", "*.TXT", true},
        {"report.txt.bak", "*.txt", false},
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
        {"Straße.doc", "STRASSE.doc", false},
        {"Été.doc", "été.*", true},
        {"aXbXc", "a*b*c", true},
        {"abc", "a*b*c*d", false},
        {"x", "", false},
        {"", "*", true},
        {"report.doc", "report.doc", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchesWildcard(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)), c.matches)
            << c.name << " ~ " << c.pattern;
    EXPECT_TRUE(HasWildcard(QStringLiteral("a?")));
    EXPECT_FALSE(HasWildcard(QStringLiteral("plain.doc")));
}

TEST(PackedLocalDateTime, PacksLikeFatAndComparesSigned)
{
    const auto packed = [](int year, int month, int day, int hour, int minute, int second) {
        struct tm local = {};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
        local.tm_isdst = -1;
        return PackedLocalDateTime(timespec{::mktime(&local), 0});
    };
    EXPECT_EQ(packed(1980, 1, 1, 0, 0, 0), qint32(0x00210000));
    EXPECT_EQ(packed(2024, 3, 5, 14, 7, 9), packed(2024, 3, 5, 14, 7, 8)); // two-second steps
    EXPECT_LT(packed(2024, 3, 5, 14, 7, 7), packed(2024, 3, 5, 14, 7, 8));
    EXPECT_LT(packed(2024, 3, 5, 23, 59, 59), packed(2024, 3, 6, 0, 0, 0));
    EXPECT_LT(packed(2044, 1, 1, 0, 0, 0), 0); // the signed comparison of the packed value, as stored
    EXPECT_EQ(packed(1979, 12, 31, 23, 59, 59), -1);
}

TEST(ListDirectory, ReportsKindsWithoutFollowingLinks)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    WriteFile(root + QStringLiteral("/file"), "12345");
    ASSERT_EQ(::mkdir(Bytes(root + QStringLiteral("/folder")).constData(), 0755), 0);
    ASSERT_EQ(::symlink("folder", Bytes(root + QStringLiteral("/link-to-folder")).constData()), 0);
    ASSERT_EQ(::mkfifo(Bytes(root + QStringLiteral("/pipe")).constData(), 0644), 0);
    for (const ListDetail detail : {ListDetail::KindOnly, ListDetail::FullStatus}) {
        std::vector<DirectoryEntry> entries;
        ASSERT_EQ(ListDirectory(root, detail, entries), 0);
        std::map<QString, EntryKind> kinds;
        for (const auto &entry : entries)
            kinds[entry.name] = entry.status.kind;
        EXPECT_EQ(kinds, (std::map<QString, EntryKind>{{QStringLiteral("file"), EntryKind::File},
                                                       {QStringLiteral("folder"), EntryKind::Folder},
                                                       {QStringLiteral("link-to-folder"), EntryKind::Link},
                                                       {QStringLiteral("pipe"), EntryKind::Other}}));
    }
    std::vector<DirectoryEntry> entries;
    EXPECT_EQ(ListDirectory(root + QStringLiteral("/missing"), ListDetail::KindOnly, entries), ENOENT);
    EXPECT_EQ(ListDirectory(root + QStringLiteral("/file"), ListDetail::KindOnly, entries), ENOTDIR);
}

TEST(MakeFolderPath, CreatesParentsAndReportsWhatStoppedIt)
{
    QTemporaryDir dir;
    EXPECT_EQ(MakeFolderPath(dir.path() + QStringLiteral("/a/b/c")), 0);
    EXPECT_TRUE(IsRealFolder(dir.path() + QStringLiteral("/a/b/c")));
    EXPECT_EQ(MakeFolderPath(dir.path() + QStringLiteral("/a/b/c/")), 0);
    WriteFile(dir.path() + QStringLiteral("/f"), "x");
    EXPECT_EQ(MakeFolderPath(dir.path() + QStringLiteral("/f/sub")), ENOTDIR);
}

TEST(CopyFileReplacing, CancelAndRefusalsLeaveTheDestinationAlone)
{
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/source"),
                  destination = dir.path() + QStringLiteral("/copy");
    WriteFile(source, QByteArray(1000, 's'));
    WriteFile(destination, "previous");
    const auto cancel = [](quint64, quint64) { return false; };
    EXPECT_EQ(CopyFileReplacing(source, destination, cancel).status, CopyStatus::Cancelled);
    ASSERT_EQ(::mkfifo(Bytes(dir.path() + QStringLiteral("/pipe")).constData(), 0644), 0);
    EXPECT_EQ(CopyFileReplacing(dir.path() + QStringLiteral("/pipe"), destination, {}).status,
              CopyStatus::Failed);
    ASSERT_EQ(::symlink("source", Bytes(dir.path() + QStringLiteral("/link")).constData()), 0);
    EXPECT_EQ(CopyFileReplacing(dir.path() + QStringLiteral("/link"), destination, {}).error, ELOOP);
    const CopyResult missing = CopyFileReplacing(dir.path() + QStringLiteral("/none"), destination, {});
    EXPECT_EQ(missing.error, ENOENT);

    QFile copy(destination);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("previous"));
    EXPECT_EQ(Names(dir.path()), (QStringList{QStringLiteral("copy"), QStringLiteral("link"),
                                              QStringLiteral("pipe"), QStringLiteral("source")}));
}

TEST(MoveToTrash, GoesToTheTrashEvenWhenTheDataFolderIsMissing)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    ASSERT_FALSE(data.isEmpty());
    QDir(data).removeRecursively(); // Qt 6.4 would otherwise move the file into the current folder
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/doomed.txt");
    WriteFile(file, "x");
    EXPECT_TRUE(MoveToTrash(file));
    EXPECT_FALSE(EntryExists(file));
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/Trash/files/doomed.txt")));
    EXPECT_FALSE(QFile::exists(QDir::currentPath() + QStringLiteral("/doomed.txt")));

    EXPECT_FALSE(MoveToTrash(dir.path())); // folders never go to the trash
    EXPECT_FALSE(MoveToTrash(dir.path() + QStringLiteral("/missing")));
}

} // namespace
} // namespace tessel::platform
