#include "common/paths.h"

#include "platform/file_name_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

class PathsTest : public ::testing::Test
{
protected:
    QString Path(const QString &relative) const { return dir_.path() + QLatin1Char('/') + relative; }

    void WriteFile(const QString &relative, const QByteArray &bytes = "x") const
    {
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void MakeFolder(const QString &relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }

    QTemporaryDir dir_;
};

TEST(PathJoining, TrailingSeparatorRules)
{
    struct Case
    {
        const char *path;
        const char *added;
        const char *stripped;
    };
    const Case cases[] = {
        {"", "", ""},
        {"/data", "/data/", "/data"},
        {"/data/", "/data/", "/data"},
        {"/data//", "/data//", "/data/"}, // only one separator goes
        {"/", "/", ""},
        {"C:/Data", "C:/Data/", "C:/Data"},
        {"relative", "relative/", "relative"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(AddBackslash(QString::fromUtf8(c.path)), QString::fromUtf8(c.added));
        EXPECT_EQ(StripBackslash(QString::fromUtf8(c.path)), QString::fromUtf8(c.stripped));
    }
}

TEST(PathJoining, JoinPathKeepsBothParts)
{
    EXPECT_EQ(JoinPath(QString(), QStringLiteral("x.ini")), QStringLiteral("x.ini"));
    EXPECT_EQ(JoinPath(QStringLiteral("/home/a"), QStringLiteral("x.ini")), QStringLiteral("/home/a/x.ini"));
    EXPECT_EQ(JoinPath(QStringLiteral("/home/a/"), QStringLiteral("x.ini")), QStringLiteral("/home/a/x.ini"));
    // Nothing is removed from the name, not even a leading separator.
    EXPECT_EQ(JoinPath(QStringLiteral("/home/a/"), QStringLiteral("/x")), QStringLiteral("/home/a//x"));
}

TEST_F(PathsTest, FolderExistsOnlyForFolders)
{
    MakeFolder(QStringLiteral("sub"));
    WriteFile(QStringLiteral("file.txt"));
    ASSERT_EQ(::symlink(Path(QStringLiteral("sub")).toUtf8().constData(),
                        Path(QStringLiteral("link")).toUtf8().constData()),
              0);
    EXPECT_TRUE(FolderExists(Path(QStringLiteral("sub"))));
    EXPECT_TRUE(FolderExists(Path(QStringLiteral("sub/"))));
    EXPECT_TRUE(FolderExists(Path(QStringLiteral("link"))));
    EXPECT_TRUE(FolderExists(QStringLiteral("/")));
    EXPECT_FALSE(FolderExists(Path(QStringLiteral("file.txt"))));
    EXPECT_FALSE(FolderExists(Path(QStringLiteral("missing"))));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST_F(PathsTest, FolderExistsWithNameThatIsNotUtf8)
{
    const QString name = platform::DecodeFileName(QByteArray("caf\xe9"));
    ASSERT_EQ(::mkdir(platform::EncodeFileName(Path(name)).constData(), 0700), 0);
    EXPECT_TRUE(FolderExists(Path(name)));
    EXPECT_FALSE(FolderExists(Path(QStringLiteral("caf\u00e9"))));
    // QTemporaryDir cannot name it to remove it.
    ::rmdir(platform::EncodeFileName(Path(name)).constData());
}

TEST_F(PathsTest, FileSizeOfFilesAndPatterns)
{
    WriteFile(QStringLiteral("five.TXT"), "12345");
    WriteFile(QStringLiteral("star*name"), "123");
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("five.TXT"))), 5);
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("missing.txt"))), -1);
    EXPECT_EQ(FileSizeOf(QString()), -1);
    // Patterns match without regard to case; a real name holding "*" is taken as it is.
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("*.txt"))), 5);
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("f?ve.txt"))), 5);
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("star*name"))), 3);
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("*.doc"))), -1);
    EXPECT_EQ(FileSizeOf(Path(QStringLiteral("nofolder/*.txt"))), -1);
}

TEST_F(PathsTest, FileSizeOfBeyondFourGigabytes)
{
    // A sparse file takes no disk space but reports its full size.
    const qint64 fiveGigabytes = 5LL * 1024 * 1024 * 1024;
    const QString name = Path(QStringLiteral("big.bin"));
    const int fd = ::open(name.toUtf8().constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, fiveGigabytes), 0);
    ::close(fd);
    EXPECT_EQ(FileSizeOf(name), fiveGigabytes);
}

TEST_F(PathsTest, FileDateOfIsTheModificationTime)
{
    WriteFile(QStringLiteral("dated.txt"));
    const QDateTime when(QDate(2023, 7, 14), QTime(9, 30, 15, 250));
    timespec times[2];
    times[0].tv_sec = when.toSecsSinceEpoch();
    times[0].tv_nsec = 250000000;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, Path(QStringLiteral("dated.txt")).toUtf8().constData(), times, 0), 0);
    EXPECT_EQ(FileDateOf(Path(QStringLiteral("dated.txt"))), when);
    EXPECT_FALSE(FileDateOf(Path(QStringLiteral("missing"))).isValid());
}

TEST_F(PathsTest, UniqueFileNameCountsPastTakenNames)
{
    MakeFolder(QStringLiteral("logs.d"));
    const QString log = Path(QStringLiteral("logs.d/Debuglog.txt"));
    EXPECT_EQ(UniqueFileName(log, QString(), 4, true), Path(QStringLiteral("logs.d/Debuglog_0000.txt")));

    WriteFile(QStringLiteral("logs.d/Debuglog_0000.txt"));
    EXPECT_EQ(UniqueFileName(log, QString(), 4, true), Path(QStringLiteral("logs.d/Debuglog_0001.txt")));

    // A folder occupying a candidate name makes it just as unusable as a file.
    MakeFolder(QStringLiteral("logs.d/Debuglog_0001.txt"));
    EXPECT_EQ(UniqueFileName(log, QString(), 4, true), Path(QStringLiteral("logs.d/Debuglog_0002.txt")));
}

TEST_F(PathsTest, UniqueFileNameShapes)
{
    MakeFolder(QStringLiteral("a.b"));
    struct Case
    {
        const char *name;
        const char *infix;
        int digits;
        bool beforeExtension;
        const char *expected;
    };
    const Case cases[] = {
        // The dot of a folder is no extension.
        {"a.b/noext", "", 4, true, "a.b/noext_0000"},
        {"a.b/report.txt", "", 4, false, "a.b/report.txt_0000"},
        {"a.b/report.txt", "-copy", 2, true, "a.b/report-copy_00.txt"},
        {"a.b/archive.tar.gz", "", 3, true, "a.b/archive.tar_000.gz"},
        {"a.b/x.txt", "", 0, true, "a.b/x_0.txt"},
        {"a.b/x.txt", "", -4, true, "a.b/x_0.txt"}, // no padding on the wrong side
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UniqueFileName(Path(QString::fromUtf8(c.name)), QString::fromUtf8(c.infix), c.digits,
                                 c.beforeExtension),
                  Path(QString::fromUtf8(c.expected)));
    }
}

TEST_F(PathsTest, UniqueFileNameWidensPastItsDigits)
{
    MakeFolder(QStringLiteral("n"));
    for (int i = 0; i < 10; ++i)
        WriteFile(QStringLiteral("n/f_%1").arg(i));
    EXPECT_EQ(UniqueFileName(Path(QStringLiteral("n/f")), QString(), 1, true),
              Path(QStringLiteral("n/f_10")));
}

TEST_F(PathsTest, ReadFileToStringReturnsEveryByte)
{
    QByteArray bytes("line\r\n\0\xff\xfe tail", 14);
    bytes += QByteArray(200000, 'z'); // more than one read
    WriteFile(QStringLiteral("data.bin"), bytes);
    WriteFile(QStringLiteral("empty"), QByteArray());

    const auto read = ReadFileToString(Path(QStringLiteral("data.bin")));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, bytes);

    const auto empty = ReadFileToString(Path(QStringLiteral("empty")));
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST_F(PathsTest, ReadFileToStringReportsWhatWentWrong)
{
    QString error;
    EXPECT_FALSE(ReadFileToString(Path(QStringLiteral("missing")), &error).has_value());
    EXPECT_EQ(error, QStringLiteral("No such file or directory"));

    MakeFolder(QStringLiteral("folder"));
    error.clear();
    EXPECT_FALSE(ReadFileToString(Path(QStringLiteral("folder")), &error).has_value());
    EXPECT_EQ(error, QStringLiteral("Is a directory"));

    EXPECT_FALSE(ReadFileToString(Path(QStringLiteral("missing"))).has_value());

    // A pipe or device in the file's place must not hang the reader or fill the memory.
    ASSERT_EQ(::mkfifo(Path(QStringLiteral("pipe")).toUtf8().constData(), 0600), 0);
    for (const QString &name : {Path(QStringLiteral("pipe")), QStringLiteral("/dev/zero")}) {
        error.clear();
        EXPECT_FALSE(ReadFileToString(name, &error).has_value()) << name.toStdString();
        EXPECT_EQ(error, QStringLiteral("Not a regular file"));
    }
}

TEST_F(PathsTest, ReadFileToStringWithNameThatIsNotUtf8)
{
    const QString name = Path(platform::DecodeFileName(QByteArray("r\xe9sum\xe9.txt")));
    const int fd = ::open(platform::EncodeFileName(name).constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "ok", 2), 2);
    ::close(fd);
    const auto read = ReadFileToString(name);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, QByteArray("ok"));
    ::unlink(platform::EncodeFileName(name).constData());
}

} // namespace
} // namespace tessel
