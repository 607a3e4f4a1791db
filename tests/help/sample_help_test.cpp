#include "help/ansi_text.h"
#include "render_fixture.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

// The program's own help page: every contents marker is found and every jump has somewhere to land.
// With TESSEL_HELP_SNAPSHOT set to a file name, the rendered page is also saved there as a picture.
TEST(SampleHelpPage, RendersWithContentsAndWorkingJumps)
{
    QFile file(tessel::test::SourcePath(QStringLiteral("tests/help/data/sample_help.html")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    test::RenderedDocument doc;
    doc.edit.resize(820, 3400);
    doc.Render(FromAnsi(file.readAll()));

    QStringList contents;
    QStringList anchors;
    QStringList jumps;
    for (const TLinkTableItem &item : doc.links) {
        if (item.entry.kind == kContentsLabel)
            contents.append(item.text);
        else if (item.entry.kind == kAnchorName)
            anchors.append(item.text);
        else if (item.text.startsWith('#'))
            jumps.append(item.text.mid(1));
    }
    EXPECT_EQ(contents, QStringList({"Contents", "Backup groups and items", "Running a backup",
                                     "Unattended runs", "Where the settings are kept", "The backup log"}));
    ASSERT_FALSE(jumps.isEmpty());
    for (const QString &jump : jumps)
        EXPECT_TRUE(anchors.contains(jump, Qt::CaseInsensitive)) << jump.toStdString();
    EXPECT_TRUE(doc.PlainText().contains(QStringLiteral(u"R\u00E9sum\u00E9.odt")));
    EXPECT_EQ(doc.ColorOf("Quorlan's Tessel Backup"), 0x794E1F);

    const QString snapshot = qEnvironmentVariable("TESSEL_HELP_SNAPSHOT");
    if (!snapshot.isEmpty()) {
        EXPECT_TRUE(doc.edit.grab().save(snapshot));
    }
}

} // namespace
} // namespace tessel::help
