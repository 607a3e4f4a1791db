#include "help/text_reading.h"

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

TEST(TryReadWholeNumber, AcceptsOnlyACompleteNumber)
{
    const struct
    {
        const char16_t *text;
        bool ok;
        int value;
    } cases[] = {
        {u"12", true, 12},
        {u"  12", true, 12},
        {u"-7", true, -7},
        {u"+7", true, 7},
        {u"$1F", true, 31},
        {u"x10", true, 16},
        {u"0x10", true, 16},
        {u"-$10", true, -16},
        {u"2147483647", true, 2147483647},
        {u"-2147483648", true, -2147483647 - 1},
        {u"2147483648", false, 0},
        {u"$FFFFFFFF", true, -1},
        {u"12 ", false, 0},
        {u"12PT", false, 0},
        {u"", false, 0},
        {u"-", false, 0},
        {u"0x", false, 0},
        {u"1.5", false, 0},
    };
    for (const auto &c : cases) {
        int value = 0;
        EXPECT_EQ(TryReadWholeNumber(c.text, value), c.ok) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(value, c.value) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(LeadingNumberValue, UsesTheValidLeadingDigits)
{
    EXPECT_EQ(LeadingNumberValue("65a"), 65);
    EXPECT_EQ(LeadingNumberValue("zz"), 0);
    EXPECT_EQ(LeadingNumberValue(""), 0);
    EXPECT_EQ(LeadingNumberValue("$4g"), 4);
    EXPECT_EQ(LeadingNumberValue("-1"), -1);
    EXPECT_EQ(LeadingNumberValue("\xB2"), 0); // a superscript digit is no digit
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(25, 10), 2);
    EXPECT_EQ(RoundHalfEven(35, 10), 4);
    EXPECT_EQ(RoundHalfEven(26, 10), 3);
    EXPECT_EQ(RoundHalfEven(-25, 10), -2);
    EXPECT_EQ(RoundHalfEven(-26, 10), -3);
    EXPECT_EQ(RoundHalfEven(1500, 100), 15);
}

} // namespace
} // namespace tessel::help
