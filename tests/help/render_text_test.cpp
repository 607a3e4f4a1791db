#include "render_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

using test::RenderedDocument;
using S = FontStyles;

constexpr int kRed = 0x0000FF;

TEST(RenderText, WhiteSpaceShrinksWithinARunAndLineBreaksJoinWords)
{
    const struct
    {
        const char *html;
        QStringList blocks;
    } cases[] = {
        {"a  <b>b</b>  c", {"a b c"}},
        {"a <b> b</b>", {"a  b"}},
        {"one\r\ntwo", {"onetwo"}},
        {"one \n two", {"one  two"}},
        {"tab\t\tbed", {"tab bed"}},
        {"<pre>a  b\r\n\tc</pre>d", {"", "a  b", " c", "d"}},
        {"x<div>y</div>z", {"xyz"}},
        {"<title>Shown</title>", {"Shown"}},
        {"<html><body>Body</body></html>", {"Body"}},
        {"\xC3\xAF\xC2\xBB\xC2\xBFStart", {"Start"}}, // a byte-order mark read as 8-bit text
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.html);
        RenderedDocument doc;
        doc.Render(QString::fromUtf8(c.html));
        EXPECT_EQ(doc.BlockTexts(), c.blocks);
    }
}

TEST(RenderText, TagsCommentsAndUnfinishedMarkup)
{
    const struct
    {
        const char *html;
        QStringList blocks;
    } cases[] = {
        {"a<!---->b", {"ab"}},
        {"a<!-- <b>x</b> -->b", {"ab"}},
        {"a<!-- x>b", {"ab"}},   // no "-->": an ordinary tag named "!--"
        {"a<!-->b-->c", {"ac"}}, // "-->" must come after the opening dashes
        {"a < b", {"a "}},       // no ">" later: rendering stops
        {"a <b>b<!-- never closed", {"a b"}},
        {"one<BR/>two<br>three", {"one", "two", "three"}},
        {"x<p>one<P/>two", {"x", "one", "two"}}, // "P/" is a closing P
        {"x<p>one<P />two", {"x", "one", "", "two"}},
        {"x<", {"x"}},
        {"x</", {"x"}},
        {"x<>y</>z", {"xyz"}},
        {"&lt;b&gt; &amp;amp; caf&eacute; &#8364;", {QStringLiteral(u"<b> &amp; caf\u00E9 \u00AC")}},
        {"before&#0;after<b>bold</b>", {"beforebold"}},
        {"before&#x;after", {"before"}},
        {"\xE4\xB8\xAD&euro;", {QStringLiteral(u"?\u20AC")}}, // a character the code page lacks
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.html);
        RenderedDocument doc;
        doc.Render(QString::fromUtf8(c.html));
        EXPECT_EQ(doc.BlockTexts(), c.blocks);
    }
}

TEST(RenderText, StyleTagsAddAndRemoveAttributes)
{
    RenderedDocument doc;
    doc.Render(
        "< b>bold</ b> <i>ital<u>both</u></i> <code>mono</code> <cite>cited</cite> <q>quoted</q> plain");
    EXPECT_EQ(doc.StyleOf("bold"), S(FontStyle::Bold));
    EXPECT_EQ(doc.StyleOf("ital"), S(FontStyle::Italic));
    EXPECT_EQ(doc.StyleOf("both"), FontStyle::Italic | FontStyle::Underline);
    EXPECT_EQ(doc.FontOf("mono"), "Courier New");
    EXPECT_EQ(doc.SizeOf("mono"), 9);
    EXPECT_EQ(doc.FontOf("plain"), "Tahoma");
    EXPECT_EQ(doc.SizeOf("plain"), 10);
    EXPECT_EQ(doc.StyleOf("cited"), S(FontStyle::Italic));
    EXPECT_EQ(doc.StyleOf("quoted"), S(FontStyle::Italic));
    EXPECT_EQ(doc.StyleOf("plain"), S());
}

TEST(RenderText, FontTagSizesColoursAndFaces)
{
    const struct
    {
        const char *html;
        int size;
        int color;
        const char *font;
    } cases[] = {
        {"<font size=+1>word</font>", 13, 0, "Tahoma"},
        {"<font size=-2>word</font>", 4, 0, "Tahoma"},
        {"<font size=7>word</font>", 27, 0, "Tahoma"},
        {"<font size=1>word</font>", 4, 0, "Tahoma"},
        {"<font size=8>word</font>", 10, 0, "Tahoma"},
        {"<font size=big>word</font>", 10, 0, "Tahoma"},
        {"<font size=+999999999>word</font>", 1638, 0, "Tahoma"},
        {"<font color=red>word</font>", 10, kRed, "Tahoma"},
        {"<font color=#00ff00>word</font>", 10, 0x00FF00, "Tahoma"},
        {"<font color=grey>word</font>", 10, 0, "Tahoma"},
        {"<font face=\"Arial, Helvetica\">word</font>", 10, 0, "Arial, Helvetica"},
        {"<font style=\"font-size: 12px; color: red\">word</font>", 12, kRed, "Tahoma"},
        {"<font style=\"font-size: 12px ;\">word</font>", 10, 0, "Tahoma"},
        {"<font style=\"font-family: Courier New\">word</font>", 10, 0, "Courier New"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.html);
        RenderedDocument doc;
        doc.Render(QString::fromUtf8(c.html) + "after");
        EXPECT_EQ(doc.SizeOf("word"), c.size);
        EXPECT_EQ(doc.ColorOf("word"), c.color);
        EXPECT_EQ(doc.FontOf("word"), c.font);
        EXPECT_EQ(doc.SizeOf("after"), 10);
        EXPECT_EQ(doc.ColorOf("after"), 0);
        EXPECT_EQ(doc.FontOf("after"), "Tahoma");
    }
}

TEST(RenderText, NestedFontTagsRestoreOnlyOnce)
{
    RenderedDocument doc;
    doc.Render("<font color=red>aaa<font color=blue>bbb</font>ccc</font>ddd");
    EXPECT_EQ(doc.ColorOf("aaa"), kRed);
    EXPECT_EQ(doc.ColorOf("bbb"), 0xFF0000);
    EXPECT_EQ(doc.ColorOf("ccc"), kRed);
    EXPECT_EQ(doc.ColorOf("ddd"), kRed);
}

TEST(RenderText, SpanStyleSetsBackgroundAndColour)
{
    RenderedDocument doc;
    doc.Render("<span style=\"background-color: yellow; color: red\">marked</span> rest "
               "<span style=\"font-style: strikeout\">gone</span> <span style='font-style: "
               "italic'>quote</span> <span style=\"font-style: normal\">same</span>");
    const QTextCharFormat marked = doc.FormatOf("marked");
    EXPECT_EQ(RichEdit::FromQColor(marked.background().color()), 0x00FFFF);
    EXPECT_EQ(doc.ColorOf("marked"), kRed);
    EXPECT_EQ(doc.ColorOf("rest"), 0);
    // Every later restore puts back the background read before the span: the window colour.
    EXPECT_EQ(RichEdit::FromQColor(doc.FormatOf("rest").background().color()), 0xFFFFFF);
    EXPECT_EQ(doc.StyleOf("gone"), S(FontStyle::StrikeOut));
    EXPECT_EQ(doc.StyleOf("quote"), S()); // single quotes do not delimit a value
    EXPECT_EQ(doc.StyleOf("same"), S());
}

TEST(RenderText, ParagraphsAndHeadings)
{
    RenderedDocument doc;
    doc.Render(
        "<p>one</p><p align=center>two</p><p align=right>three<p>four"
        "<h1>Title</h1>after<h2>Sub</h2><h3>Third</h3><h4 align=right>Four</h4><h5>Five</h5><h6>Six</h6>");
    const std::vector<test::BlockView> blocks = doc.Blocks();
    QStringList texts;
    for (const auto &b : blocks)
        texts.append(b.text);
    EXPECT_EQ(texts,
              QStringList({"",      "one", "",    "two", "", "three", "", "four", "",     "", "Title",
                           "after", "",    "Sub", "",    "", "Third", "", "",     "Four", "", "FiveSix"}));
    EXPECT_EQ(blocks[3].alignment, ParagraphAlignment::Center);
    EXPECT_EQ(blocks[5].alignment, ParagraphAlignment::Right);
    EXPECT_EQ(blocks[7].alignment, ParagraphAlignment::Left);
    EXPECT_EQ(blocks[19].alignment, ParagraphAlignment::Left); // the closing tag restores it
    EXPECT_EQ(doc.SizeOf("Title"), 22);
    EXPECT_EQ(doc.StyleOf("Title"), S(FontStyle::Bold));
    EXPECT_EQ(doc.SizeOf("after"), 10);
    EXPECT_EQ(doc.StyleOf("after"), S());
    EXPECT_EQ(doc.SizeOf("Sub"), 17);
    EXPECT_EQ(doc.StyleOf("Sub"), S());
    EXPECT_EQ(doc.StyleOf("Third"), FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(doc.SizeOf("Third"), 15);
    EXPECT_EQ(doc.SizeOf("Four"), 12);
    EXPECT_EQ(doc.SizeOf("Five"), 11);
    EXPECT_EQ(doc.SizeOf("Six"), 10);
    EXPECT_EQ(doc.StyleOf("Six"), S());

    doc.Render("<h5 align=center>Mid");
    EXPECT_EQ(doc.Blocks().back().alignment, ParagraphAlignment::Center);
}

TEST(RenderText, StyleRulesApplyAfterTheirBlock)
{
    RenderedDocument doc;
    doc.Render(
        "<h1>early</h1><style>h1 { color: red } p { text-align: center; color: blue } .n {font-size: 150%}"
        "</style><h1>late</h1><p>para</p><p class=N>note</p><span id=x class=n>big</span>");
    EXPECT_EQ(doc.ColorOf("early"), 0);
    EXPECT_EQ(doc.ColorOf("late"), kRed);
    EXPECT_EQ(doc.ColorOf("para"), 0xFF0000);
    EXPECT_EQ(doc.SizeOf("big"), 15);
    for (const auto &block : doc.Blocks())
        EXPECT_EQ(block.alignment, ParagraphAlignment::Left) << block.text.toStdString();

    // On headings the rules come after ALIGN, so their alignment holds.
    doc.Render("<style>h2 {text-align: center}</style><h2 align=right>Mid</h2>");
    EXPECT_EQ(doc.Blocks()[1].text, "Mid");
    EXPECT_EQ(doc.Blocks()[1].alignment, ParagraphAlignment::Center);
}

TEST(RenderText, HeadHidesItsTextAndStyle)
{
    RenderedDocument doc;
    doc.Render("<head><title>Hidden</title><style>span {color: red}</style></head><span>one</span>"
               "<style>cite {color: red}</style><cite>two</cite><script>var x = 1;</script>end");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"onetwoend"}));
    EXPECT_EQ(doc.ColorOf("one"), 0);
    EXPECT_EQ(doc.ColorOf("two"), kRed);
}

TEST(RenderText, LinkedStyleSheetsComeFromTheNameOrTheFolder)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("help.css"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("span { color: red }");
    file.close();
    RenderedDocument doc;
    doc.Render("<link rel=stylesheet href=help.css><span>folder</span>", true, dir.path() + '/');
    EXPECT_EQ(doc.ColorOf("folder"), kRed);
    doc.Render("<link rel=stylesheet href=\"" + dir.filePath("help.css") + "\"><span>named</span>");
    EXPECT_EQ(doc.ColorOf("named"), kRed);
    doc.Render("<link rel=alternate href=help.css><span>other</span>", true, dir.path());
    EXPECT_EQ(doc.ColorOf("other"), 0);
}

TEST(RenderText, CenterAndBlockquoteChangeTheParagraph)
{
    RenderedDocument doc;
    doc.Render("<center>mid</center>left<blockquote>quote</blockquote>out");
    const std::vector<test::BlockView> blocks = doc.Blocks();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].text, "midleft");
    EXPECT_EQ(blocks[0].alignment, ParagraphAlignment::Left); // the closing tag realigns the same paragraph
    EXPECT_EQ(blocks[1].text, "quote");
    EXPECT_EQ(blocks[1].firstIndent, 30);
    EXPECT_EQ(blocks[1].rightIndent, 30);
    EXPECT_EQ(blocks[2].text, "out");
    EXPECT_EQ(blocks[2].firstIndent, 0);
    EXPECT_EQ(blocks[2].rightIndent, 0);
}

int UnderscoresFor(RenderedDocument &doc, const char *html)
{
    doc.Render(QString::fromUtf8(html));
    for (const QString &text : doc.BlockTexts()) {
        if (text.startsWith('_'))
            return int(text.size());
    }
    return 0;
}

TEST(RenderText, RulesCoverAShareOfTheWidth)
{
    RenderedDocument doc;
    int clientWidth = 0;
    int underscore = 0;
    {
        RichEdit display(&doc.edit);
        clientWidth = display.ClientWidth();
        underscore = display.UnderscoreWidth();
    }
    ASSERT_GT(clientWidth, 300);
    const int full = clientWidth / underscore + 1;
    EXPECT_EQ(UnderscoresFor(doc, "<hr>"), int(std::lround(full * 0.6)));
    EXPECT_EQ(UnderscoresFor(doc, "<hr width=100%>"), full);
    EXPECT_EQ(UnderscoresFor(doc, "<hr width=250%>"), full);
    EXPECT_EQ(UnderscoresFor(doc, "<hr width=100px>"), 100 / underscore + 1);
    EXPECT_EQ(UnderscoresFor(doc, "<hr width=100000>"), full);
    EXPECT_EQ(UnderscoresFor(doc, "<hr width=wide>"), 1);

    doc.Render("<b><font color=red size=5>x<hr align=center>y</font></b>");
    const std::vector<test::BlockView> blocks = doc.Blocks();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].alignment, ParagraphAlignment::Center);
    EXPECT_EQ(blocks[1].alignment, ParagraphAlignment::Center);
    EXPECT_EQ(blocks[2].alignment, ParagraphAlignment::Left);
    const QTextCharFormat rule = doc.FormatOf("_");
    EXPECT_EQ(rule.fontPointSize(), 10);
    EXPECT_EQ(RichEdit::FromQColor(rule.foreground().color()), 0);
    EXPECT_EQ(doc.StyleOf("_"), S());
    EXPECT_EQ(doc.ColorOf("y"), kRed);
    EXPECT_EQ(doc.SizeOf("y"), 14);
}

TEST(RenderText, AppendsAtTheCaretWithoutClearing)
{
    RenderedDocument doc;
    doc.Render("<b>first");
    doc.Render("second", false);
    EXPECT_EQ(doc.BlockTexts(), QStringList({"firstsecond"}));
    EXPECT_EQ(doc.StyleOf("second"), S(FontStyle::Bold)); // the insertion attributes carry over
    doc.Render("third");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"third"}));
    EXPECT_EQ(doc.StyleOf("third"), S());
}

} // namespace
} // namespace tessel::help
