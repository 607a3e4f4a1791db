#include "help/ansi_text.h"

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

TEST(AnsiText, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

TEST(AnsiText, UsesTheWindows1252Table)
{
    EXPECT_EQ(FromAnsi("\x80\x8C\x99\xE9"), QStringLiteral(u"\u20AC\u0152\u2122\u00E9"));
    EXPECT_EQ(FromAnsi("\x81\x9D"), QStringLiteral(u"\u0081\u009D"));
    EXPECT_EQ(ToAnsi(u"\u20AC\u2026"), QByteArray("\x80\x85"));
}

TEST(AnsiText, SubstitutesWhatTheCodePageLacks)
{
    EXPECT_EQ(ToAnsi(u"\u0151\u0107"), QByteArray("oc"));          // letters with marks keep their base
    EXPECT_EQ(ToAnsi(u"\u4E2D\u0080"), QByteArray("??"));          // no look-alike
    EXPECT_EQ(ToAnsi(QString::fromUtf8("\xF0\x9F\x98\x80")), "?"); // one character, one byte
    EXPECT_EQ(ToAnsi(QString(QChar(0xD800))), "?");                // a lone surrogate
}

} // namespace
} // namespace tessel::help
