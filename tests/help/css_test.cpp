#include "help/css.h"

#include "recording_attributes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tessel::help {
namespace {

using test::RecordingAttributes;

QStringList Dump(const TCSS &css)
{
    RecordingAttributes edit;
    css.Debug_OutputAllCSSToRichEdit(edit);
    return edit.lines;
}

QStringList Lines(std::initializer_list<const char *> lines)
{
    QStringList list;
    for (const char *line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

TEST(TCSSParsing, DumpShowsSelectorsAndDeclarationsAsStored)
{
    const struct
    {
        const char *css;
        QStringList dump;
    } cases[] = {
        {"h1 { color: red; font-size: 20px }",
         Lines({"Elements ------------", "0. H1 0", "Properties ----------", "0. COLOR: RED 0",
                "1. FONT-SIZE: 20PX 0", "---------------------"})},
        {"H1, H2 {color:red} P.note{x:1} div p {y:2}",
         Lines({"Elements ------------", "0. H1, H2 0", "1. P.NOTE 1", "2. DIV P 2", "Properties ----------",
                "0. COLOR:RED 0", "1. X:1 1", "2. Y:2 2", "---------------------"})},
        // Only spaces before "{": the "{" is skipped, and the declaration ended by "}" is dropped.
        {"  { color: red }",
         Lines({"Elements ------------", "Properties ----------", "---------------------"})},
        // A line break is trimmed off, not skipped: an empty selector moves the previous one's start.
        {"p {a:1; b:2}\n{c:3}", Lines({"Elements ------------", "0. P 2", "Properties ----------", "0. A:1 0",
                                       "1. B:2 0", "2. C:3 0", "---------------------"})},
        // Empty declarations and a selector without any.
        {"em {;;} b {} i {z:9}", Lines({"Elements ------------", "0. EM 0", "1. B 0", "2. I 0",
                                        "Properties ----------", "0. Z:9 2", "---------------------"})},
        // A stray "{" inside a block drops the declaration before it.
        {"p { a:1 { b:2 }", Lines({"Elements ------------", "0. P 0", "Properties ----------", "0. B:2 0",
                                   "---------------------"})},
        // Declarations before any selector belong to none.
        {"\n{q:1} h2 {r:2}", Lines({"Elements ------------", "0. H2 1", "Properties ----------", "0. Q:1 -1",
                                    "1. R:2 0", "---------------------"})},
        {"/* a */ H1 {color:red} /* b", Lines({"Elements ------------", "0. H1 0", "Properties ----------",
                                               "0. COLOR:RED 0", "---------------------"})},
        {"*/ h3 /*/ {w:1}", Lines({"Elements ------------", "0. */ H3 0", "Properties ----------", "0. W:1 0",
                                   "---------------------"})},
        {"h4 {v:1", Lines({"Elements ------------", "0. H4 0", "Properties ----------", "0. V:1 0",
                           "---------------------"})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.css);
        TCSS css;
        css.LoadCSSFromString(QString::fromUtf8(c.css));
        EXPECT_EQ(Dump(css), c.dump);
    }
}

TEST(TCSSParsing, LoadsAppend)
{
    TCSS css;
    css.LoadCSSFromString(u"p {a:1}");
    css.LoadCSSFromString(u"p {b:2}");
    EXPECT_EQ(css.NumElements(), 2);
    EXPECT_EQ(css.NumProperties(), 2);
    EXPECT_EQ(css.FindSelector(u"", u"p"), 0);
}

TEST(StripCSSComments, RemovesCommentsTheWayTheLoaderDoes)
{
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"a/*x*/b", "ab"},          {"a/*/b", "ab"},
        {"a/**/b/*c", "ab"},        {"*/a/*b*/c", "*/ac"},
        {"//**/*x*/y", "y"}, // deleting the first comment joins a new one
        {"a/*b/*c*/d*/e", "ad*/e"}, {"no comment", "no comment"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StripCSSComments(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

TEST(Declarations, SplitIntoNameAndFirstValue)
{
    EXPECT_EQ(DeclarationName(u" COLOR : RED "), "COLOR");
    EXPECT_EQ(DeclarationValue(u" COLOR : RED "), "RED");
    EXPECT_EQ(DeclarationValue(u"FONT-FAMILY: 'SEGOE UI', ARIAL"), "SEGOE UI");
    EXPECT_EQ(DeclarationValue(u"FONT-FAMILY: \"A B\""), "A B");
    EXPECT_EQ(DeclarationValue(u"X: 'A\""), "A");
    EXPECT_EQ(DeclarationValue(u"X: A:B"), "A:B");
    EXPECT_EQ(DeclarationName(u"NOCOLON"), "");
    EXPECT_EQ(DeclarationValue(u"NOCOLON"), "");
}

struct Applied
{
    QString fontName;
    int fontSize;
    int color;
    FontStyles style;
    ParagraphAlignment alignment;
};

Applied Apply(const char *css, const QString &element, const QString &classValue = {},
              const QString &idValue = {}, FontStyles startStyle = {})
{
    TCSS sheet;
    sheet.LoadCSSFromString(QString::fromUtf8(css));
    RecordingAttributes edit;
    edit.style = startStyle;
    sheet.DoCSS(edit, classValue, element, idValue);
    return {edit.fontName, edit.fontSize, edit.color, edit.style, edit.alignment};
}

TEST(TCSSApplying, SelectorsMatchOnlyWholeAndFirst)
{
    EXPECT_EQ(Apply("H1 { color: red }", "h1").color, 0x0000FF);
    EXPECT_EQ(Apply("H1, H2 { color: red }", "H1").color, 0);
    EXPECT_EQ(Apply("H1, H2 { color: red }", "H2").color, 0);
    const Applied twice = Apply("P { color: red } P { font-size: 20px }", "P");
    EXPECT_EQ(twice.color, 0x0000FF);
    EXPECT_EQ(twice.fontSize, 10);
    EXPECT_EQ(Apply(".note { color: #00ff00 }", "P", "NoTe").color, 0x00FF00);
    EXPECT_EQ(Apply("P.note { color: #00ff00 }", "P", "note").color, 0);
    EXPECT_EQ(Apply("#intro { color: blue }", "P", {}, "Intro").color, 0xFF0000);
}

TEST(TCSSApplying, IdOverridesClassOverridesElement)
{
    const char *css = "p {color: red; font-size: 11px} .c {color: lime; font-family: x} #i {color: blue}";
    const Applied all = Apply(css, "P", "c", "i");
    EXPECT_EQ(all.color, 0xFF0000);
    EXPECT_EQ(all.fontName, "X");
    EXPECT_EQ(all.fontSize, 11);
    EXPECT_EQ(Apply(css, "P", "c").color, 0x00FF00);
}

TEST(ApplyCSSProperty, ChangesOnlyWhatEachRuleNames)
{
    using S = FontStyles;
    const struct
    {
        const char *css;
        S startStyle;
        S style;
        ParagraphAlignment alignment;
        const char *fontName;
    } cases[] = {
        {"p {font-weight: bold}", S(), S(FontStyle::Bold), ParagraphAlignment::Left, "Tahoma"},
        {"p {font-weight: 700}", S(), S(FontStyle::Bold), ParagraphAlignment::Left, "Tahoma"},
        {"p {font-weight: 400}", S(FontStyle::Bold | FontStyle::Italic), S(FontStyle::Italic),
         ParagraphAlignment::Left, "Tahoma"},
        {"p {font-weight: bolder}", S(), S(), ParagraphAlignment::Left, "Tahoma"},
        {"p {font-style: normal}", S(FontStyle::Bold | FontStyle::Underline), S(), ParagraphAlignment::Left,
         "Tahoma"},
        {"p {font-style: oblique; font-style: strikeout}", S(), S(FontStyle::Italic | FontStyle::StrikeOut),
         ParagraphAlignment::Left, "Tahoma"},
        {"p {font-style: underline}", S(FontStyle::Bold), S(FontStyle::Bold | FontStyle::Underline),
         ParagraphAlignment::Left, "Tahoma"},
        {"p {text-decoration: underline}", S(), S(), ParagraphAlignment::Left, "Tahoma"},
        {"p {text-align: center}", S(), S(), ParagraphAlignment::Center, "Tahoma"},
        {"p {text-align: right}", S(), S(), ParagraphAlignment::Right, "Tahoma"},
        {"p {text-align: justify}", S(), S(), ParagraphAlignment::Left, "Tahoma"},
        {"p {font-family: 'Segoe UI', Arial}", S(), S(), ParagraphAlignment::Left, "SEGOE UI"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.css);
        const Applied applied = Apply(c.css, "P", {}, {}, c.startStyle);
        EXPECT_EQ(applied.style, c.style);
        EXPECT_EQ(applied.alignment, c.alignment);
        EXPECT_EQ(applied.fontName, c.fontName);
    }
}

TEST(ApplyFontSize, ReadsPixelsPercentAndPoints)
{
    const struct
    {
        const char *value;
        int start;
        int expected;
    } cases[] = {
        {"12px", 10, 12},  {"12PX", 10, 12},   {"150%", 10, 15}, {"125%", 10, 12}, // 12.5 rounds to even
        {"135%", 10, 14},  {"14", 10, 14},     {" 14", 10, 14},  {"12PT", 10, 10}, {"1.5EM", 10, 10},
        {"12 PX", 10, 10}, {"LARGER", 10, 10}, {"", 10, 10},     {"$10", 10, 16},  {"-3", 10, -3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        RecordingAttributes edit;
        edit.fontSize = c.start;
        ApplyFontSize(edit, QString::fromUtf8(c.value));
        EXPECT_EQ(edit.fontSize, c.expected);
    }
}

TEST(GetValueFromCSS, GivesTheLastNonEmptyValue)
{
    TCSS css;
    css.LoadCSSFromString(u"img {width: 100px; width: 200px; width:} .wide {width: 50%} #wide {width: 70%}");
    EXPECT_EQ(css.GetValueFromCSS("IMG", "WIDTH", {}), "200PX");
    EXPECT_EQ(css.GetValueFromCSS("img", "HEIGHT", {}), "");
    // With a kind, an id selector of the same name wins.
    EXPECT_EQ(css.GetValueFromCSS("wide", "WIDTH", "CLASS"), "70%");
    EXPECT_EQ(css.GetValueFromCSS("narrow", "WIDTH", "CLASS"), "");
}

TEST(LoadCSSFromFile, ReadsExistingFilesAsEightBitText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("help.css");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("h1 { font-family: Caf\xE9 }");
    file.close();
    TCSS css;
    css.LoadCSSFromFile(path);
    css.LoadCSSFromFile(dir.filePath("missing.css"));
    css.LoadCSSFromFile(dir.path()); // a folder is no style sheet
    ASSERT_EQ(css.NumProperties(), 1);
    EXPECT_EQ(css.properties().first().text, QStringLiteral(u"FONT-FAMILY: CAF\u00C9"));

    // A page may name any file; one far larger than a style sheet is not read into memory.
    QFile huge(dir.filePath("huge.css"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("p { color: red }");
    ASSERT_TRUE(huge.resize(qint64(17) << 20));
    huge.close();
    css.LoadCSSFromFile(huge.fileName());
    EXPECT_EQ(css.NumProperties(), 1);
}

} // namespace
} // namespace tessel::help
