#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"
#include "support/engine_harness.h"
#include "support/test_environment.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tessel::test {
namespace {

Node File(const char *content)
{
    return Node{NodeKind::File, content, 0};
}
Node Folder()
{
    return Node{NodeKind::Folder, {}, 0};
}

QString TrashFiles()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash/files");
}

// A source Docs and its earlier copy under out/Docs, which holds what the source has since lost.
class DeletionPropagation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.file(QStringLiteral("src/Docs/keep.txt"), "keep")
            .file(QStringLiteral("src/Docs/Report.doc"), "report")
            .file(QStringLiteral("src/Docs/A/a.txt"), "a");
        tree.file(QStringLiteral("out/Docs/keep.txt"), "keep")
            .file(QStringLiteral("out/Docs/REPORT.DOC"), "old report") // differs only in case: stays
            .file(QStringLiteral("out/Docs/gone.txt"), "gone")
            .file(QStringLiteral("out/Docs/A/a.txt"), "a")
            .file(QStringLiteral("out/Docs/A/gone-too.txt"), "gone too")
            .file(QStringLiteral("out/Docs/Old/x.txt"), "x")
            .file(QStringLiteral("out/Docs/Old/Deeper/y.txt"), "y")
            .folder(QStringLiteral("out/Docs/Old/.git/objects"));
    }
    void TearDown() override { platform::SetFileFaultsForTesting({}); }
    void Run(quint8 copytype, bool recurse, quint8 propagate, bool keepprev = false,
             const char *source = "src/Docs")
    {
        h.engine.process(tree.path(QString::fromUtf8(source)), tree.path(QStringLiteral("out")), copytype,
                         recurse, propagate, keepprev, false);
    }
    Tree Out() const { return ReadTree(tree.path(QStringLiteral("out/Docs"))); }

    TreeBuilder tree;
    EngineHarness h;
};

TEST_F(DeletionPropagation, MirrorsTheSourceIntoTheTrash)
{
    ASSERT_EQ(
        ::chmod(platform::EncodeFileName(tree.path(QStringLiteral("out/Docs/gone.txt"))).constData(), 0444),
        0);
    Run(1, true, 2);
    EXPECT_EQ(Out(), (Tree{{QStringLiteral("keep.txt"), File("keep")},
                           {QStringLiteral("REPORT.DOC"), File("old report")},
                           {QStringLiteral("Report.doc"), File("report")},
                           {QStringLiteral("A"), Folder()},
                           {QStringLiteral("A/a.txt"), File("a")}}));
    EXPECT_EQ(h.counters.filesdeleted, 4u);   // gone.txt, gone-too.txt, x.txt, y.txt
    EXPECT_EQ(h.counters.foldersdeleted, 4u); // Old, Deeper, .git, objects
    const Tree trash = ReadTree(TrashFiles());
    for (const char *name : {"gone.txt", "gone-too.txt", "x.txt", "y.txt"})
        EXPECT_EQ(trash.count(QString::fromUtf8(name)), 1u) << name;
    // A second run has nothing left to delete.
    h.counters = {};
    Run(1, true, 2);
    EXPECT_EQ(h.counters.filesdeleted + h.counters.foldersdeleted, 0u);
}

TEST_F(DeletionPropagation, VerboseLinesNameRemovedFolders)
{
    Run(1, true, 1);
    const QStringList texts = h.LogTexts();
    // Only a folder that was empty when first tried gets its own line.
    const QString line = QStringLiteral("Deleted folder ") + tree.path(QStringLiteral("out/Docs/Old"));
    EXPECT_TRUE(texts.contains(line + QStringLiteral("/.git/objects")));
    EXPECT_FALSE(texts.contains(line));
    // Deleted at the first attempt: no "Deleted " line for the file.
    EXPECT_FALSE(texts.contains(QStringLiteral("Deleted ") + tree.path(QStringLiteral("out/Docs/gone.txt"))));
}

struct NoDeletionCase
{
    const char *name;
    quint8 copytype;
    bool recurse;
    quint8 propagate;
    bool keepprev;
    bool latestonly;
    const char *source;
    quint64 filesdeleted;
};

TEST_F(DeletionPropagation, WhenNothingOrOnlyFilesAreDeleted)
{
    const NoDeletionCase cases[] = {
        {"propagation off", 1, true, 0, false, false, "src/Docs", 0},
        {"destination timestamp", 1, true, 2, true, false, "src/Docs", 0},
        {"latest-only run", 1, true, 2, false, true, "src/Docs", 0},
        {"wildcard source", 1, true, 2, false, false, "src/Docs/*.*", 0},
        {"without subfolders only files go", 1, false, 2, false, false, "src/Docs", 1},
    };
    for (const NoDeletionCase &c : cases) {
        SCOPED_TRACE(c.name);
        h.counters = {};
        h.counters.latestonly = c.latestonly;
        Run(c.copytype, c.recurse, c.propagate, c.keepprev, c.source);
        EXPECT_EQ(h.counters.filesdeleted, c.filesdeleted);
        EXPECT_EQ(h.counters.foldersdeleted, 0u);
        EXPECT_EQ(ReadTree(tree.path(QStringLiteral("out/Docs"))).count(QStringLiteral("Old/Deeper/y.txt")),
                  1u);
    }
}

TEST_F(DeletionPropagation, LinksAreRemovedAsLinksNeverThrough)
{
    TreeBuilder outside;
    outside.file(QStringLiteral("precious/letter.txt"), "keep me");
    const QByteArray target = platform::EncodeFileName(outside.path(QStringLiteral("precious")));
    tree.link(QStringLiteral("out/Docs/to-precious"), target)
        .link(QStringLiteral("out/Docs/Old/also"), target);
    Run(1, true, 2);
    EXPECT_EQ(ReadTree(outside.root()), (Tree{{QStringLiteral("precious"), Folder()},
                                              {QStringLiteral("precious/letter.txt"), File("keep me")}}));
    EXPECT_EQ(Out().count(QStringLiteral("to-precious")), 0u);
    EXPECT_EQ(Out().count(QStringLiteral("Old")), 0u);
}

TEST_F(DeletionPropagation, EmptySourceRootDeletesNothing)
{
    TreeBuilder empty;
    empty.folder(QStringLiteral("Docs"));
    const Tree before = Out();
    h.engine.process(empty.path(QStringLiteral("Docs")), tree.path(QStringLiteral("out")), 1, true, 2, false,
                     false);
    EXPECT_EQ(Out(), before);
    EXPECT_EQ(h.counters.foldersfailed, 1u);
    EXPECT_EQ(h.counters.failedentries,
              QStringList{QStringLiteral("Folder: ") + empty.path(QStringLiteral("Docs")) +
                          QStringLiteral("    - [the source folder is empty; nothing was deleted]")});
}

TEST_F(DeletionPropagation, EmptySubfolderIsMirroredAsUsual)
{
    tree.folder(QStringLiteral("src/Docs/Empty")).file(QStringLiteral("out/Docs/Empty/stale.txt"), "stale");
    Run(1, true, 2);
    EXPECT_EQ(ReadTree(tree.path(QStringLiteral("out/Docs/Empty"))), Tree{});
    EXPECT_EQ(h.counters.foldersfailed, 0u);
}

TEST_F(DeletionPropagation, StopInTheMiddleLeavesTheRest)
{
    for (int i = 0; i < 30; ++i)
        tree.file(QStringLiteral("out/Docs/Old/many%1.txt").arg(i), "m");
    h.view.onPump = [this] {
        if (h.counters.filesdeleted == 5)
            h.counters.stoprequested = true;
    };
    Run(1, true, 2);
    EXPECT_GE(h.counters.filesdeleted, 5u);
    EXPECT_LT(h.counters.filesdeleted, 10u);
    EXPECT_EQ(h.counters.foldersdeleted, 0u);
    EXPECT_EQ(Out().count(QStringLiteral("Old")), 1u);
    EXPECT_EQ(h.counters.filescopied, 0u);
}

TEST_F(DeletionPropagation, ReadOnlyFoldersInsideADeletedTreeGoToo)
{
    ASSERT_EQ(
        ::chmod(platform::EncodeFileName(tree.path(QStringLiteral("out/Docs/Old/Deeper"))).constData(), 0555),
        0);
    Run(1, true, 2);
    EXPECT_EQ(Out().count(QStringLiteral("Old")), 0u);
}

TEST_F(DeletionPropagation, ManyNamesInOneFolder)
{
    // The lookup is hashed; this shows it gives the same answers as a search through the list would.
    for (int i = 0; i < 600; ++i) {
        tree.file(QStringLiteral("src/Docs/Big/n%1").arg(i), "s");
        tree.file(QStringLiteral("out/Docs/Big/N%1").arg(i), "s");
        if (i % 100 == 0)
            tree.file(QStringLiteral("out/Docs/Big/extra%1").arg(i), "e");
    }
    Run(1, true, 2);
    int upperCaseKept = 0;
    for (const auto &[name, node] : ReadTree(tree.path(QStringLiteral("out/Docs/Big"))))
        upperCaseKept += name.startsWith(QLatin1Char('N'));
    EXPECT_EQ(upperCaseKept, 600);
    EXPECT_EQ(h.counters.filesdeleted, 4u + 6u);
    EXPECT_TRUE(h.view.labelHistory[engine::RunLabel::filelabel].contains(QStringLiteral(".")));
}

} // namespace
} // namespace tessel::test
