#include "render_fixture.h"

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

using test::BlockView;
using test::RenderedDocument;

struct ExpectedBlock
{
    QString text;
    int firstIndent;
};

void ExpectBlocks(const RenderedDocument &doc, const std::vector<ExpectedBlock> &expected)
{
    const std::vector<BlockView> blocks = doc.Blocks();
    ASSERT_EQ(blocks.size(), expected.size()) << doc.PlainText().toStdString();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].text, expected[i].text) << "block " << i;
        EXPECT_EQ(blocks[i].firstIndent, expected[i].firstIndent) << "block " << i;
    }
}

const QString kBullet = QStringLiteral(u"\u2022  ");

TEST(RenderLists, BulletListMatchesTheWorkedExample)
{
    RenderedDocument doc;
    doc.Render("x<ul><li>one<li>two</ul>");
    ExpectBlocks(doc, {{"x", 0}, {"", 0}, {kBullet + "one", 10}, {"", 0}, {kBullet + "two", 10}, {"", 0}});
}

TEST(RenderLists, ClosedItemsAddAnEmptyParagraphAtTheItemIndent)
{
    RenderedDocument doc;
    doc.Render("x<ul><li>one</li><li>two</li></ul>");
    ExpectBlocks(doc, {{"x", 0},
                       {"", 0},
                       {kBullet + "one", 10},
                       {"", 10},
                       {"", 0},
                       {kBullet + "two", 10},
                       {"", 10},
                       {"", 0}});
}

TEST(RenderLists, NumberedListsCountFromOneEachTime)
{
    RenderedDocument doc;
    doc.Render("<ol><li>a<li>b</ol><ol><li>c</ol>");
    // The second list's first item finds its level still marked as indented; the indent cannot go below 0.
    ExpectBlocks(
        doc,
        {{"", 0}, {"", 0}, {"1. a", 10}, {"", 0}, {"2. b", 10}, {"", 0}, {"", 0}, {"1. c", 10}, {"", 0}});
}

TEST(RenderLists, NestedListsIndentFurther)
{
    RenderedDocument doc;
    doc.Render("<ul><li>a<ul><li>b</ul><li>c</ul><li>x");
    ExpectBlocks(doc, {{"", 0},
                       {"", 0},
                       {kBullet + "a", 10},
                       {"", 10},
                       {kBullet + "b", 20},
                       {"", 10},
                       {"", 0},
                       {kBullet + "c", 10},
                       {"", 0},
                       {kBullet + "x", 10}});
}

TEST(RenderLists, ItemOutsideAnyListGetsABullet)
{
    RenderedDocument doc;
    doc.Render("<li>x");
    ExpectBlocks(doc, {{"", 0}, {kBullet + "x", 10}});
}

TEST(RenderLists, NestingBeyondTheDeepestLevelStaysInBounds)
{
    RenderedDocument doc;
    doc.Render(QString("<ol>").repeated(40) + "<li>a<li>b" + QString("</ol>").repeated(40) + "<li>after");
    const QStringList texts = doc.BlockTexts();
    EXPECT_TRUE(texts.contains("1. a"));
    EXPECT_TRUE(texts.contains("2. b"));
    EXPECT_EQ(texts.last(), kBullet + "after");
    doc.Render(QString("</ul>").repeated(5) + "<li>y");
    EXPECT_EQ(doc.BlockTexts().last(), kBullet + "y");
}

TEST(RenderTables, CellsStandInTheirOwnParagraphs)
{
    RenderedDocument doc;
    doc.Render("x<table><tr><td>a</td><td>b</td></tr></table>");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"x", "", "---------", "", "a", "b", "---------", ""}));
}

TEST(RenderTables, CellsOutsideATableAndHeaders)
{
    RenderedDocument doc;
    doc.Render("<tr><td>a<td>b<th>head</th>cell");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"abheadcell"}));
    EXPECT_EQ(doc.StyleOf("head"), FontStyles(FontStyle::Bold));
    EXPECT_EQ(doc.StyleOf("cell"), FontStyles());

    doc.Render("<style>td {color: red}</style><table><tr><td>red</td></tr></table>after");
    EXPECT_EQ(doc.ColorOf("red"), 0x0000FF);
}

} // namespace
} // namespace tessel::help
