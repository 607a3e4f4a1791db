#include "help/html_color.h"

#include <QString>

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

TEST(ParseHTMLColor, ReadsNamesAndSixDigitHex)
{
    const struct
    {
        const char16_t *text;
        int expected;
    } cases[] = {
        {u" Navy ", 0x800000},
        {u"maroon", 0x000080},
        {u"RED", 0x0000FF},
        {u"white", 0xFFFFFF},
        {u"black", 0x000000},
        {u"olive", 0x008080},
        {u"teal", 0x808000},
        {u"silver", 0xC0C0C0},
        {u"fuchsia", 0xFF00FF},
        {u"aqua", 0xFFFF00},
        {u"lime", 0x00FF00},
        {u"gray", 0x808080},
        {u"#FF8000", 0x0080FF},
        {u"#ff80001", 0x0080FF},
        {u"#0000fF", 0xFF0000},
        {u"#f80", -1},
        {u"#zz0000", -1},
        {u"#12345g", -1},
        {u"#-12345", -1},
        {u"grey", -1},
        {u"rgb(0,0,0)", -1},
        {u"transparent", -1},
        {u"", -1},
        {u"   ", -1},
        {u"navy purple", -1},
        {u"#", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseHTMLColor(c.text), c.expected) << QString::fromUtf16(c.text).toStdString();
}

} // namespace
} // namespace tessel::help
