#include "help/html_tag.h"
#include "help/link_table.h"
#include "help/tag_values.h"

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

TEST(ParseTag, SplitsNameAndAttributes)
{
    const struct
    {
        const char16_t *text;
        const char *name;
        bool opening;
        QStringList names;
        QStringList values;
    } cases[] = {
        {u"b", "B", true, {}, {}},
        {u"BR/", "BR", false, {}, {}},
        {u"br /", "BR", true, {}, {}},
        {u"a href=\"my file.htm\" name=x", "A", true, {"HREF", "NAME"}, {"my file.htm", "x"}},
        {u"img src='a b.jpg'", "IMG", true, {"SRC"}, {"'a"}},
        {u"td NOWRAP WIDTH=5", "TD", true, {"NOWRAP WIDTH"}, {"5"}},
        {u"td width=5 nowrap", "TD", true, {"WIDTH"}, {"5"}},
        {u"p align = Center", "P", true, {"ALIGN"}, {"Center"}},
        {u"font color=", "FONT", true, {"COLOR"}, {""}},
        {u"a href=\"unterminated", "A", true, {"HREF"}, {"unterminated"}},
        {u"x a=b\"c\"d", "X", true, {"A"}, {"bcd"}},
        {u"p/ align=right", "P", false, {"ALIGN"}, {"right"}},
        {u"a title=\"&amp;\"", "A", true, {"TITLE"}, {"&amp;"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const ParsedTag tag = ParseTag(c.text, true);
        EXPECT_EQ(tag.name, c.name);
        EXPECT_EQ(tag.opening, c.opening);
        EXPECT_EQ(tag.attributeNames, c.names);
        EXPECT_EQ(tag.attributeValues, c.values);
    }
}

TEST(ParseTag, GetAttrFindsTheFirstOfAName)
{
    const ParsedTag tag = ParseTag(u"a href=one HREF=two", true);
    EXPECT_EQ(tag.GetAttr(u"href"), "one");
    EXPECT_EQ(tag.GetAttr(u"name"), "");
}

TEST(ParseTag, HandlesAHugeAttributeList)
{
    QString text = QStringLiteral("p");
    for (int i = 0; i < 20000; ++i)
        text += QStringLiteral(" a%1=\"v\"").arg(i);
    const ParsedTag tag = ParseTag(text, true);
    ASSERT_EQ(tag.attributeNames.size(), 20000);
    EXPECT_EQ(tag.attributeNames.last(), "A19999");
}

TEST(IsWebAddress, AcceptsHttpAndWwwOnly)
{
    EXPECT_TRUE(IsWebAddress(u"http://example.org"));
    EXPECT_TRUE(IsWebAddress(u"  HTTPS://x "));
    EXPECT_TRUE(IsWebAddress(u"www.example.org"));
    EXPECT_TRUE(IsWebAddress(u"see.WWW.x"));
    EXPECT_FALSE(IsWebAddress(u"mailto:a@b.c"));
    EXPECT_FALSE(IsWebAddress(u"#Top"));
    EXPECT_FALSE(IsWebAddress(u"my file.htm"));
    EXPECT_FALSE(IsWebAddress(u"http://a b"));
    EXPECT_FALSE(IsWebAddress(QString(QStringLiteral("http://") + QString(593, u'x'))));
    EXPECT_TRUE(IsWebAddress(QString(QStringLiteral("http://") + QString(592, u'x'))));
}

TEST(GetStyleValue, FindsPropertiesByTheirOwnName)
{
    const QString style = QStringLiteral("background-color: yellow; Color : red ;font-size:12px ");
    EXPECT_EQ(GetStyleValue(style, u"background-color"), "yellow");
    EXPECT_EQ(GetStyleValue(style, u"color"), "red ");
    EXPECT_EQ(GetStyleValue(style, u"font-size"), "12px ");
    EXPECT_EQ(GetStyleValue(style, u"font-family"), "");
    EXPECT_EQ(GetStyleValue(u"background-color: blue", u"color"), "");
    EXPECT_EQ(GetStyleValue(u"color: a\"b", u"color"), "a");
}

TEST(ParseRuleWidth, ReadsPercentAndPixels)
{
    const struct
    {
        const char16_t *text;
        int width;
        bool percentage;
    } cases[] = {
        {u"", 60, true},      {u"50%", 50, true},   {u"100PX", 100, false}, {u"100 PX", 100, false},
        {u"100", 100, false}, {u"WIDE", -1, false}, {u"50 %", -1, true},    {u"150%", 150, true},
    };
    for (const auto &c : cases) {
        const RuleWidth rule = ParseRuleWidth(c.text);
        EXPECT_EQ(rule.width, c.width) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(rule.percentage, c.percentage) << QString::fromUtf16(c.text).toStdString();
    }
}

} // namespace
} // namespace tessel::help
