#include "platform/file_name_codec.h"

#include <gtest/gtest.h>

using tessel::platform::DecodeFileName;
using tessel::platform::EncodeFileName;

TEST(FileNameCodec, RoundTripsEveryKindOfName)
{
    const QByteArray names[] = {
        "",
        "plain.txt",
        "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80.doc", // é, €, an emoji outside the BMP
        "latin1-\xe9t\xe9.txt",                          // not UTF-8: lone bytes
        "\xff\xfe\x80",                                  // bytes that never start UTF-8
        "trunc\xe2\x82",                                 // a sequence cut short at the end
        "over\xc0\xaflong",                              // an overlong slash
        "surrogate\xed\xb2\x80",                         // UTF-8 of U+DC80 itself
        "beyond\xf4\x90\x80\x80",                        // above U+10FFFF
        "\xef\xbb\xbf"
        "bom-first.txt", // U+FEFF is a character in a name
        "bad\xff\xef\xbb\xbf"
        "after-escape",
    };
    for (const QByteArray &bytes : names) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes);
    }
}

TEST(FileNameCodec, DecodesValidUtf8AsText)
{
    EXPECT_EQ(DecodeFileName(QByteArray("caf\xc3\xa9")), QStringLiteral("café"));
    EXPECT_EQ(DecodeFileName(QByteArray("\xf0\x9f\x98\x80")), QString::fromUtf8("\xf0\x9f\x98\x80"));
}

TEST(FileNameCodec, InvalidBytesBecomeDistinctEscapes)
{
    const QString a = DecodeFileName(QByteArray("x\xe9"));
    const QString b = DecodeFileName(QByteArray("x\xe8"));
    EXPECT_NE(a, b);
    ASSERT_EQ(a.size(), 2);
    EXPECT_EQ(a.at(1).unicode(), 0xDCE9);
}
