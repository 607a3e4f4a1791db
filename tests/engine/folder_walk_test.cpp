#include "common/clock.h"
#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tessel::test {
namespace {

using engine::timestampedfolder;

// Every file holds its own path below Docs, so a misplaced file shows at once.
void BuildDocs(TreeBuilder &tree)
{
    for (const char *name : {"top.txt", "top.doc", "A/a.txt", "A/A1/deep.txt", "B/b.doc"})
        tree.file(QStringLiteral("src/Docs/") + QLatin1String(name), QByteArray(name));
}

Tree Files(std::initializer_list<const char *> files, std::initializer_list<const char *> folders = {})
{
    Tree tree;
    for (const char *name : files) {
        const QString path = QString::fromUtf8(name);
        const qsizetype cut = path.indexOf(QLatin1Char('=')); // "place=content" when they differ
        tree[cut < 0 ? path : path.left(cut)] =
            Node{NodeKind::File, cut < 0 ? QByteArray(name) : path.mid(cut + 1).toUtf8(), 0};
    }
    for (const char *name : folders)
        tree[QString::fromUtf8(name)] = Node{NodeKind::Folder, {}, 0};
    return tree;
}

class FolderWalk : public ::testing::Test
{
protected:
    void TearDown() override
    {
        platform::SetFileFaultsForTesting({});
        SetClockForTesting({});
    }
    TreeBuilder tree;
    EngineHarness h;
};

struct SourceCase
{
    const char *name;
    const char *source; // below the tree's root
    bool recurse;
    bool destinationExists;
    Tree expected; // below dest
    quint64 copied;
};

TEST_F(FolderWalk, SourceKindsDecideWhatGoesWhere)
{
    const SourceCase cases[] = {
        {"folder", "src/Docs", true, true,
         Files({"Docs/top.txt=top.txt", "Docs/top.doc=top.doc", "Docs/A/a.txt=A/a.txt",
                "Docs/A/A1/deep.txt=A/A1/deep.txt", "Docs/B/b.doc=B/b.doc"},
               {"Docs", "Docs/A", "Docs/A/A1", "Docs/B"}),
         5},
        {"folder without subfolders", "src/Docs", false, true,
         Files({"Docs/top.txt=top.txt", "Docs/top.doc=top.doc"}, {"Docs"}), 2},
        {"trailing slash copies straight into dest", "src/Docs/", true, true,
         Files({"top.txt", "top.doc", "A/a.txt", "A/A1/deep.txt", "B/b.doc"}, {"A", "A/A1", "B"}), 5},
        {"wildcard", "src/Docs/*.txt", false, true, Files({"top.txt"}), 1},
        {"wildcard with subfolders, any case", "src/Docs/*.TXT", true, true,
         Files({"top.txt", "A/a.txt", "A/A1/deep.txt"}, {"A", "A/A1", "B"}), 3},
        {"question mark", "src/Docs/top.?oc", false, true, Files({"top.doc"}), 1},
        {"single file ignores subfolders", "src/Docs/top.doc", true, true, Files({"top.doc"}), 1},
        {"missing file in an existing folder", "src/Docs/none.txt", true, true, Tree{}, 0},
        {"missing folder does nothing", "src/Nope/none.txt", true, false, Tree{}, 0},
    };
    BuildDocs(tree);
    for (const SourceCase &c : cases) {
        SCOPED_TRACE(c.name);
        TreeBuilder destination;
        const QString dest = destination.path(QStringLiteral("out"));
        h.counters = {};
        h.engine.process(tree.path(QString::fromUtf8(c.source)), dest, 0, c.recurse, 0, false, false);
        EXPECT_EQ(platform::IsRealFolder(dest), c.destinationExists);
        EXPECT_EQ(ReadTree(dest), c.expected);
        EXPECT_EQ(h.counters.filescopied, c.copied);
        EXPECT_EQ(h.counters.filesprocessed, c.copied);
        EXPECT_EQ(h.counters.filesfailed + h.counters.foldersfailed, 0u);
    }
}

TEST_F(FolderWalk, WalksBreadthFirst)
{
    BuildDocs(tree);
    const QString dest = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src/Docs")), dest, 0, true, 0, false, false);
    QStringList copied;
    for (const QString &text : h.LogTexts())
        if (text.startsWith(QLatin1String("Copied ")) && !text.contains(QLatin1Char('"')))
            copied.append(text.mid(text.indexOf(QLatin1String("/Docs/")) + 6));
    // The ditto form hides repeated folders, so the full paths name each folder's first file.
    EXPECT_EQ(copied.size(), 4);
    EXPECT_EQ(copied.last(), QStringLiteral("A/A1/deep.txt"));
    EXPECT_TRUE(copied.first().startsWith(QLatin1String("top.")));
}

struct AgeCase
{
    const char *name;
    int destinationSecondsAfterSource; // INT_MIN: no destination copy
    bool copied;
};

TEST_F(FolderWalk, CopyOnlyIfNewerComparesPackedAges)
{
    // Packed ages count whole two-second steps: 14:07:09 packs like the source's 14:07:08, while 14:07:07
    // falls into the step before.
    const AgeCase cases[] = {
        {"no destination copy", INT_MIN, true},
        {"equal times", 0, false},
        {"destination one second later", 1, false},
        {"destination one second earlier, same packed age", -1, true},
        {"destination two seconds earlier", -2, true},
        {"destination newer", 3600, false},
        {"destination a day older", -86400, true},
    };
    for (const AgeCase &c : cases) {
        SCOPED_TRACE(c.name);
        TreeBuilder t;
        t.file(QStringLiteral("src/f.txt"), "new", FixedTime());
        if (c.destinationSecondsAfterSource != INT_MIN)
            t.file(QStringLiteral("out/src/f.txt"), "old", FixedTime(0, c.destinationSecondsAfterSource));
        h.counters = {};
        h.engine.process(t.path(QStringLiteral("src")), t.path(QStringLiteral("out")), 1, true, 0, false,
                         false);
        EXPECT_EQ(h.counters.filescopied, c.copied ? 1u : 0u);
        EXPECT_EQ(h.counters.filesskipped, c.copied ? 0u : 1u);
        EXPECT_EQ(h.counters.filesprocessed, 1u);
        EXPECT_EQ(ReadTree(t.path(QStringLiteral("out/src")))[QStringLiteral("f.txt")].content,
                  c.copied ? QByteArray("new") : QByteArray("old"));
    }
}

TEST_F(FolderWalk, PlainCopyWithTimestampFillsANewTreeEveryRun)
{
    BuildDocs(tree);
    const QString out = tree.path(QStringLiteral("out"));
    SetClockForTesting([] { return FixedTime(0, 1); });
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 0, true, 2, true, false);
    SetClockForTesting([] { return FixedTime(0, 62); });
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 0, true, 2, true, false);
    const Tree result = ReadTree(out);
    const Tree expected = ReadTree(tree.path(QStringLiteral("src/Docs")));
    for (const char *stamp : {"Docs - QV - 2024-03-05 14-07-09", "Docs - QV - 2024-03-05 14-08-10"}) {
        EXPECT_EQ(result.at(QString::fromUtf8(stamp)).kind, NodeKind::Folder);
        EXPECT_EQ(ReadTree(out + QLatin1Char('/') + QString::fromUtf8(stamp)), expected);
    }
    EXPECT_EQ(h.counters.filescopied, 10u);
}

TEST_F(FolderWalk, CopyIfNewerWithTimestampPutsNewerVersionsInAStampedSibling)
{
    BuildDocs(tree);
    const QString out = tree.path(QStringLiteral("out"));
    SetClockForTesting([] { return FixedTime(1); });
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 1, true, 0, true, false);
    tree.file(QStringLiteral("src/Docs/A/a.txt"), "changed", FixedTime(1));
    tree.file(QStringLiteral("src/Docs/A/new.txt"), "new", FixedTime(1));
    h.counters = {};
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 1, true, 0, true, false);

    // The changed file goes beside, at the same relative path; a file new to the plain tree goes into it.
    EXPECT_EQ(ReadTree(out + QStringLiteral("/Docs - QV - 2024-03-06 14-07-08")),
              Files({"A/a.txt=changed"}, {"A"}));
    const Tree plain = ReadTree(out + QStringLiteral("/Docs"));
    EXPECT_EQ(plain.at(QStringLiteral("A/a.txt")).content, QByteArray("A/a.txt"));
    EXPECT_EQ(plain.at(QStringLiteral("A/new.txt")).content, QByteArray("new"));
    EXPECT_EQ(h.counters.filescopied, 2u);
    EXPECT_EQ(h.counters.filesskipped, 4u);
}

TEST_F(FolderWalk, ForcedTimestampCopiesEverythingIntoAStampedRoot)
{
    BuildDocs(tree);
    const QString out = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 1, true, 0, false, false);
    SetClockForTesting([] { return FixedTime(2); });
    h.counters = {};
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 1, true, 0, true, true);
    EXPECT_EQ(ReadTree(out + QStringLiteral("/Docs - QV - 2024-03-07 14-07-08")),
              ReadTree(tree.path(QStringLiteral("src/Docs"))));
    EXPECT_EQ(h.counters.filescopied, 5u);
}

TEST_F(FolderWalk, LatestOnlyEntersOnlyRecentlyChangedBranches)
{
    const QDateTime now = FixedTime(10);
    SetClockForTesting([now] { return now; });
    const QDateTime recent = now.addSecs(-3600), old = now.addDays(-3);
    tree.file(QStringLiteral("src/recent.txt"), "r", recent)
        .file(QStringLiteral("src/old.txt"), "o", old)
        .file(QStringLiteral("src/Old/recent-in-old.txt"), "x", recent)
        .file(QStringLiteral("src/New/Sub/recent-deep.txt"), "d", recent)
        .file(QStringLiteral("src/New/Sub/old-deep.txt"), "d", old)
        .setFolderTime(QStringLiteral("src/Old"), old)
        .setFolderTime(QStringLiteral("src/New/Sub"), old) // entered anyway: New changed
        .setFolderTime(QStringLiteral("src/New"), recent);
    h.counters.latestonly = true;
    const QString out = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src")), out, 0, true, 2, false, false);
    EXPECT_EQ(ReadTree(out), Files({"src/recent.txt=r", "src/New/Sub/recent-deep.txt=d"},
                                   {"src", "src/New", "src/New/Sub"}));
    EXPECT_EQ(h.counters.filesprocessed, 2u); // passed-over files are not counted anywhere
    EXPECT_EQ(h.counters.filesskipped, 0u);
}

TEST_F(FolderWalk, DestinationFolderThatCannotBeMadeIsListedOnce)
{
    BuildDocs(tree);
    tree.file(QStringLiteral("blocker"), "a file where a folder should go");
    const QString dest = tree.path(QStringLiteral("blocker/out"));
    h.engine.process(tree.path(QStringLiteral("src/Docs")), dest, 0, false, 0, false, false);
    h.engine.process(tree.path(QStringLiteral("src/Docs")), tree.path(QStringLiteral("blocker/OUT")), 0,
                     false, 0, false, false);
    EXPECT_EQ(h.counters.foldersfailed, 2u);
    EXPECT_EQ(h.counters.failedentries,
              QStringList{QStringLiteral("Folder: ") + dest + QStringLiteral("/Docs")});
    EXPECT_EQ(h.counters.filesprocessed, 0u);
}

TEST_F(FolderWalk, UnlistableSourceFolderIsAFailureNotAnEmptyFolder)
{
    BuildDocs(tree);
    const QString out = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 0, true, 0, false, false);
    const Tree before = ReadTree(out);
    const QString unlistable = tree.path(QStringLiteral("src/Docs/A/"));
    platform::FileFaults faults;
    faults.listFolder = [unlistable](const QString &folder) { return folder == unlistable ? EACCES : 0; };
    platform::SetFileFaultsForTesting(faults);
    h.counters = {};
    h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 0, true, 2, false, false);
    EXPECT_EQ(ReadTree(out), before); // its destination copy is not mirrored away
    EXPECT_EQ(h.counters.foldersfailed, 1u);
    EXPECT_EQ(h.counters.failedentries,
              QStringList{QStringLiteral("Folder: ") + tree.path(QStringLiteral("src/Docs/A")) +
                          QStringLiteral("    - [Permission denied]")});
    EXPECT_EQ(h.counters.filescopied, 3u); // the rest of the tree still goes
}

TEST_F(FolderWalk, LinksAreRecreatedNeverFollowed)
{
    tree.file(QStringLiteral("src/Docs/a.txt"), "a")
        .link(QStringLiteral("src/Docs/loop"), "..")
        .link(QStringLiteral("src/Docs/to-file"), "a.txt")
        .link(QStringLiteral("src/Docs/dangling"), "nowhere");
    const QString out = tree.path(QStringLiteral("out"));
    for (int run = 0; run < 2; ++run) {
        h.counters = {};
        h.engine.process(tree.path(QStringLiteral("src/Docs")), out, 1, true, 0, false, false);
    }
    Tree expected = Files({"Docs/a.txt=a"}, {"Docs"});
    expected[QStringLiteral("Docs/loop")] = Node{NodeKind::Link, "..", 0};
    expected[QStringLiteral("Docs/to-file")] = Node{NodeKind::Link, "a.txt", 0};
    expected[QStringLiteral("Docs/dangling")] = Node{NodeKind::Link, "nowhere", 0};
    EXPECT_EQ(ReadTree(out), expected);
    EXPECT_EQ(h.counters.filesskipped, 4u); // the second run found the links' copies as new as they are
}

TEST_F(FolderWalk, FifoIsPassedOverWithoutCount)
{
    tree.file(QStringLiteral("src/a.txt"), "a").fifo(QStringLiteral("src/pipe"));
    const QString out = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src")), out, 0, true, 0, false, false);
    EXPECT_EQ(ReadTree(out), Files({"src/a.txt=a"}, {"src"}));
    EXPECT_EQ(h.counters.filesprocessed, 1u);
    EXPECT_TRUE(h.LogTexts().contains(QStringLiteral("Passed over ") + tree.path(QStringLiteral("src/pipe")) +
                                      QStringLiteral("    - [not a regular file]")));
}

TEST_F(FolderWalk, NamesThatAreNotUtf8AreCopiedExactly)
{
    const QString odd = platform::DecodeFileName(QByteArray("caf\xe9-\xff.txt"));
    tree.file(QStringLiteral("src/") + odd, "bytes");
    const QString out = tree.path(QStringLiteral("out"));
    h.engine.process(tree.path(QStringLiteral("src")), out, 0, true, 0, false, false);
    EXPECT_EQ(ReadTree(out), (Tree{{QStringLiteral("src"), Node{NodeKind::Folder, {}, 0}},
                                   {QStringLiteral("src/") + odd, Node{NodeKind::File, "bytes", 0}}}));
}

TEST_F(FolderWalk, FilesLabelEvery33Files)
{
    for (int i = 0; i < 70; ++i)
        tree.file(QStringLiteral("src/f%1").arg(i), "x");
    h.engine.process(tree.path(QStringLiteral("src")), tree.path(QStringLiteral("out")), 0, false, 0, false,
                     false);
    EXPECT_EQ(h.view.numFilesShown, (std::vector<quint64>{33, 66}));
    EXPECT_EQ(h.view.labels[engine::RunLabel::copyinglabel], QStringLiteral("Comparing"));
}

TEST_F(FolderWalk, StopEndsTheWalkAfterTheCurrentFile)
{
    BuildDocs(tree);
    int pumps = 0;
    h.view.onPump = [&] {
        if (++pumps == 1)
            h.counters.stoprequested = true;
    };
    h.engine.process(tree.path(QStringLiteral("src/Docs")), tree.path(QStringLiteral("out")), 0, true, 0,
                     false, false);
    EXPECT_EQ(h.counters.filesprocessed, 1u);
    EXPECT_EQ(h.counters.filescopied, 0u); // stopped before its copy could count
    EXPECT_EQ(h.view.quitCaption, QStringLiteral("&Quit"));
}

TEST(Timestampedfolder, PlacesFoldersInTheStampedTree)
{
    const QString suffix = QStringLiteral(" - QV - 2024-01-31 14-05-09");
    struct Case
    {
        const char *folder, *root, *expected;
    } cases[] = {
        {"/b/Docs/Letters", "/b/Docs", "/b/Docs - QV - 2024-01-31 14-05-09/Letters"},
        {"/b/Docs/Letters", "/b/Docs/", "/b/Docs - QV - 2024-01-31 14-05-09/Letters"},
        {"/b/Docs", " /b/Docs ", "/b/Docs - QV - 2024-01-31 14-05-09"},
        {"/b/Other", "/b/Docs", "/b/Other"},
        {"/b/docs/x", "/b/Docs", "/b/docs/x"}, // case matters here
        {"/b/Docs/x", "", "/b/Docs/x"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(timestampedfolder(QString::fromUtf8(c.folder), QString::fromUtf8(c.root), suffix),
                  QString::fromUtf8(c.expected))
            << c.folder << " under " << c.root;
}

} // namespace
} // namespace tessel::test
