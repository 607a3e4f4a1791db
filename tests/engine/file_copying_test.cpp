#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::test {
namespace {

class FileCopying : public ::testing::Test
{
protected:
    void TearDown() override { platform::SetFileFaultsForTesting({}); }

    QString Source(const QString &name = QStringLiteral("f.bin")) const
    {
        return tree.path(QStringLiteral("src/") + name);
    }
    QString Destination(const QString &name = QStringLiteral("f.bin")) const
    {
        return tree.path(QStringLiteral("out/") + name);
    }
    // Nothing but the named files: no temporary file left behind.
    void ExpectDestinationHolds(const Tree &expected)
    {
        EXPECT_EQ(ReadTree(tree.path(QStringLiteral("out"))), expected);
    }

    TreeBuilder tree;
    EngineHarness h;
};

TEST_F(FileCopying, CarriesContentTimeAndPermissions)
{
    tree.file(QStringLiteral("src/f.bin"), QByteArray(100000, 'x')).folder(QStringLiteral("out"));
    ASSERT_EQ(::chmod(platform::EncodeFileName(Source()).constData(), 04751), 0);
    const timespec times[2] = {{1700000000, 123456789}, {1700000000, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, platform::EncodeFileName(Source()).constData(), times, 0), 0);

    h.engine.copythefile(Source(), Destination(), 100000);

    struct stat copy;
    ASSERT_EQ(::stat(platform::EncodeFileName(Destination()).constData(), &copy), 0);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1700000000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 987654321);
    EXPECT_EQ(copy.st_mode & 07777, 0751u); // the set-user bit never travels with a copy
    ExpectDestinationHolds({{QStringLiteral("f.bin"), Node{NodeKind::File, QByteArray(100000, 'x'), 0}}});
    EXPECT_EQ(h.counters.filescopied, 1u);
    EXPECT_EQ(h.LogTexts(), QStringList{QStringLiteral("Copied ") + Source()});
}

TEST_F(FileCopying, ReadOnlyDestinationIsReplaced)
{
    tree.file(QStringLiteral("src/f.bin"), "new").file(QStringLiteral("out/f.bin"), "old");
    ASSERT_EQ(::chmod(platform::EncodeFileName(Destination()).constData(), 0444), 0);
    h.engine.copythefile(Source(), Destination(), 3);
    ExpectDestinationHolds({{QStringLiteral("f.bin"), Node{NodeKind::File, "new", 0}}});
    EXPECT_EQ(h.counters.filescopied, 1u);
    EXPECT_EQ(h.counters.filesfailed, 0u);
}

TEST_F(FileCopying, LargeFilesAreNamedWhileTheyCopy)
{
    for (const quint64 size : {quint64(51200), quint64(51201)}) {
        SCOPED_TRACE(size);
        EngineHarness fresh;
        tree.file(QStringLiteral("src/f.bin"), QByteArray(qsizetype(size), 'x'))
            .folder(QStringLiteral("out"));
        fresh.engine.copythefile(Source(), Destination(), size);
        const bool named = fresh.view.labelHistory[engine::RunLabel::filelabel].contains(Source());
        EXPECT_EQ(named, size > 51200);
        EXPECT_EQ(
            fresh.view.labelHistory[engine::RunLabel::copyinglabel].contains(QStringLiteral("Copying: ")),
            size > 51200);
        if (named) {
            EXPECT_EQ(fresh.view.hints[engine::RunLabel::filelabel], Source());
        }
    }
}

TEST_F(FileCopying, StopDuringACopyKeepsTheOldCopyAndCountsNothing)
{
    tree.file(QStringLiteral("src/f.bin"), QByteArray(300000, 'n'))
        .file(QStringLiteral("out/f.bin"), "old copy");
    h.view.onPump = [this] {
        if (!h.view.progress.empty() && h.view.progress.back() > 0)
            h.counters.stoprequested = true; // pressed once the copy has made progress
    };
    h.engine.copythefile(Source(), Destination(), 300000);
    EXPECT_TRUE(h.counters.stoprequested);
    ExpectDestinationHolds({{QStringLiteral("f.bin"), Node{NodeKind::File, "old copy", 0}}});
    EXPECT_EQ(h.counters.filescopied + h.counters.filesfailed, 0u);
    EXPECT_TRUE(h.counters.failedentries.isEmpty());
}

struct FailureCase
{
    const char *name;
    qint64 freeBytes; // what the destination's file system reports; -1 unknown
    bool lowSpace;
};

TEST_F(FileCopying, FailureHalfWayKeepsTheOldCopyAndInfersLowSpace)
{
    const FailureCase cases[] = {
        {"less free than the file", 10, true},
        {"as much free as the file", 9 << 20, false},
        {"free space unknown", -1, false},
    };
    tree.file(QStringLiteral("src/f.bin"), QByteArray(9 << 20, 'n')); // two chunks: fails after the first
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.name);
        tree.file(QStringLiteral("out/f.bin"), "old copy");
        h.counters = {};
        platform::FileFaults faults;
        faults.beforeCopyChunk = [](const QString &, quint64 written) { return written > 0 ? ENOSPC : 0; };
        faults.freeBytes = [&c](const QString &) { return std::optional<qint64>(c.freeBytes); };
        platform::SetFileFaultsForTesting(faults);

        h.engine.copythefile(Source(), Destination(), 9 << 20);

        ExpectDestinationHolds({{QStringLiteral("f.bin"), Node{NodeKind::File, "old copy", 0}}});
        EXPECT_EQ(h.counters.filesfailed, 1u);
        EXPECT_EQ(h.counters.filescopied, 0u);
        EXPECT_EQ(h.counters.failedentries, QStringList{QStringLiteral("File: ") + Source() +
                                                        QStringLiteral("\r    - [No space left on device]")});
        EXPECT_EQ(h.counters.lowdiskfile, c.lowSpace);
        EXPECT_EQ(h.counters.lowdiskrun, c.lowSpace);
    }
    EXPECT_TRUE(h.LogTexts().contains(QStringLiteral("Failed to copy ") + Source() +
                                      QStringLiteral("    - [No space left on device]")));
}

TEST_F(FileCopying, LowSpaceEndsTheFolderButNotItsSubfolders)
{
    tree.file(QStringLiteral("src/a"), "1")
        .file(QStringLiteral("src/b"), "2")
        .file(QStringLiteral("src/c"), "3");
    tree.file(QStringLiteral("src/Sub/d"), "4");
    const QString fullFolder = tree.path(QStringLiteral("out/src/"));
    platform::FileFaults faults;
    faults.beforeCopyChunk = [fullFolder](const QString &destination, quint64) {
        return destination.startsWith(fullFolder) && !destination.contains(QLatin1String("/Sub/")) ? ENOSPC
                                                                                                   : 0;
    };
    faults.freeBytes = [](const QString &) { return std::optional<qint64>(0); };
    platform::SetFileFaultsForTesting(faults);

    h.engine.process(tree.path(QStringLiteral("src")), tree.path(QStringLiteral("out")), 0, true, 0, false,
                     false);

    EXPECT_EQ(h.counters.filesfailed, 1u);    // the first file of the full folder ...
    EXPECT_EQ(h.counters.filesprocessed, 2u); // ... and no other of it, then the subfolder's file
    EXPECT_EQ(h.counters.filescopied, 1u);
    EXPECT_TRUE(h.counters.lowdiskrun);
    EXPECT_EQ(ReadTree(tree.path(QStringLiteral("out/src/Sub"))),
              (Tree{{QStringLiteral("d"), Node{NodeKind::File, "4", 0}}}));
}

TEST_F(FileCopying, ReallyFullFileSystem)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString mountPoint = tree.path(QStringLiteral("small"));
    tree.folder(QStringLiteral("small"));
    if (::mount("tmpfs", platform::EncodeFileName(mountPoint).constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{platform::EncodeFileName(mountPoint)};

    tree.file(QStringLiteral("src/big"), QByteArray(1 << 20, 'b'))
        .file(QStringLiteral("src/small1"), "s")
        .file(QStringLiteral("src/Sub/small2"), "t");
    h.engine.process(tree.path(QStringLiteral("src")), mountPoint, 0, true, 0, false, false);

    EXPECT_TRUE(h.counters.lowdiskrun);
    EXPECT_EQ(h.counters.filesfailed, 1u);
    const Tree result = ReadTree(mountPoint);
    EXPECT_EQ(result.count(QStringLiteral("src/big")), 0u); // no truncated copy under its name
    EXPECT_EQ(result.count(QStringLiteral("src/Sub/small2")), 1u);
    for (const auto &[path, node] : result)
        EXPECT_FALSE(path.contains(QLatin1String(".tessel-partial-"))) << path.toStdString();
}

} // namespace
} // namespace tessel::test
