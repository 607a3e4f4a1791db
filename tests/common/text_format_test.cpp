#include "common/text_format.h"

#include "common/clock.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

namespace tessel {
namespace {

int CharacterCount(const QString &text)
{
    return int(text.size());
}

TEST(DateTimeStamp, FormatsTheClocksTime)
{
    struct Case
    {
        QDateTime now;
        const char *expected;
    };
    const Case cases[] = {
        {QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), "2024-03-05 14-07-09"},
        {QDateTime(QDate(2025, 1, 1), QTime(0, 0, 1)), "2025-01-01 00-00-01"},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)), "1999-12-31 23-59-59"},
    };
    for (const Case &c : cases) {
        SetClockForTesting([&c] { return c.now; });
        EXPECT_EQ(DateTimeStamp(), QString::fromUtf8(c.expected));
    }
    SetClockForTesting({});
}

TEST(DateTimeStamp, IgnoresTheUsersLocale)
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(DateTimeStamp(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))),
              QStringLiteral("2024-03-05 14-07-09"));
    QLocale::setDefault(QLocale::c());
}

class FormatNumberTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(FormatNumberTest, GroupsThousandsInTheUsersLocale)
{
    struct Case
    {
        double value;
        int decimals;
        const char *expected;
    };
    const Case cases[] = {
        {0, 0, "0"},
        {0, 2, "0"},
        {-0.0, 0, "0"},
        {7, 0, "7"},
        {999, 0, "999"},
        {1000, 0, "1,000"},
        {1234567, 0, "1,234,567"},
        {-1234, 0, "-1,234"},
        {1234.5, 2, "1,234.50"},
        {2.6, 0, "3"},
        {18446744073709551615.0, 0, "18,446,744,073,709,551,616"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatNumber(c.value, c.decimals), QString::fromUtf8(c.expected));
    }
}

TEST_F(FormatNumberTest, FollowsAnotherLocalesSeparators)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatNumber(1234567, 0), QStringLiteral("1.234.567"));
    EXPECT_EQ(FormatNumber(1234.5, 1), QStringLiteral("1.234,5"));
}

TEST(ShortenPath, WorkedExampleSteps)
{
    const QString path = QStringLiteral("C:/Users/alice/Documents/Projects/2024/report/final/summary.docx");
    QStringList measured;
    const auto recordingWidth = [&measured](const QString &text) {
        measured << text;
        return int(text.size());
    };

    EXPECT_EQ(ShortenPath(path, recordingWidth, 40), QStringLiteral("C:/Users/alice/.../final/summary.docx"));
    const QStringList steps40 = {
        path,
        QStringLiteral("C:/Users/alice/Documents/.../2024/report/final/summary.docx"),
        QStringLiteral("C:/Users/alice/.../2024/report/final/summary.docx"),
        QStringLiteral("C:/Users/alice/.../.../report/final/summary.docx"),
        QStringLiteral("C:/Users/alice/.../report/final/summary.docx"),
        QStringLiteral("C:/Users/alice/.../final/summary.docx"),
    };
    EXPECT_EQ(measured, steps40);

    measured.clear();
    EXPECT_EQ(ShortenPath(path, recordingWidth, 20), QStringLiteral("C:/../summary.docx"));
    // Every shape the shortening passes through on the way to 20 characters, in this order.
    const QStringList milestones20 = {
        QStringLiteral("C:/Users/alice/.../final/summary.docx"),
        QStringLiteral("C:/Users/.../final/summary.docx"),
        QStringLiteral("C:/Users/.../summary.docx"),
        QStringLiteral("C:/summary.docx"),
    };
    qsizetype from = 0;
    for (const QString &milestone : milestones20) {
        const qsizetype at = measured.indexOf(milestone, from);
        EXPECT_GE(at, from) << milestone.toStdString();
        from = at + 1;
    }
}

TEST(ShortenPath, Outcomes)
{
    struct Case
    {
        const char *path;
        int maxWidth;
        const char *expected;
    };
    const Case cases[] = {
        // Already fits: unchanged.
        {"/home/alice/notes.txt", 40, "/home/alice/notes.txt"},
        {"C:/Users/alice/Documents/Projects/2024/report/final/summary.docx", 200,
         "C:/Users/alice/Documents/Projects/2024/report/final/summary.docx"},
        // Linux paths lose their middle folders first.
        {"/home/alice/Documents/Projects/2024/report/final/summary.docx", 40,
         "/home/alice/.../final/summary.docx"},
        {"/home/alice/Documents/Projects/2024/report/final/summary.docx", 20, "/../summary.docx"},
        // Nothing left to elide: the bare file name, however long.
        {"C:/Users/alice/Documents/Projects/2024/report/final/summary.docx", 5, "summary.docx"},
        {"/home/alice/a-very-long-file-name.txt", 10, "a-very-long-file-name.txt"},
        // No folder at all.
        {"summary.docx", 3, "summary.docx"},
        {"", 0, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ShortenPath(QString::fromUtf8(c.path), CharacterCount, c.maxWidth),
                  QString::fromUtf8(c.expected));
    }
}

TEST(ShortenPath, EndsForEveryWidthAndKeepsTheFileName)
{
    const QStringList paths = {
        QStringLiteral("/a/b/c/d/e/f/g/h/i/j/k/l/m/n/o/p.txt"),
        QStringLiteral("C:/a/bb/.../ccc/d/.../e.txt"),
        QStringLiteral("//server/share/x/y/z.bin"),
        QStringLiteral("..../...../x/.y"),
        QStringLiteral("C:/"),
        QStringLiteral("C:x/y"),
        QStringLiteral("/"),
    };
    for (const QString &path : paths) {
        const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        for (int width = -1; width <= path.size() + 1; ++width) {
            const QString shortened = ShortenPath(path, CharacterCount, width);
            EXPECT_TRUE(shortened.endsWith(fileName)) << path.toStdString() << " at " << width;
            if (path.size() <= width) {
                EXPECT_EQ(shortened, path);
            }
        }
    }
}

} // namespace
} // namespace tessel
