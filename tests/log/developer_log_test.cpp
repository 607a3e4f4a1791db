#include "log/developer_log.h"

#include "common/program_folders.h"
#include "log_test_support.h"

#include <QFile>

namespace tessel {
namespace {

using test::LogFixture;

class DeveloperLogTest : public LogFixture
{
protected:
    void SetUp() override
    {
        LogFixture::SetUp();
        SetDataFolder(folder.path());
    }
    void TearDown() override
    {
        SetDataFolder(QString());
        LogFixture::TearDown();
    }

    void Touch(const QString &name) const
    {
        QFile file(PathIn(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

TEST_F(DeveloperLogTest, SummaryIsCopiedOnlyOnADeveloperMachineThatKeepsTheLog)
{
    const QString summary = QStringLiteral("Backup of Group \"Docs\" finished.\r3 files copied.");
    const QString developerLog = DeveloperLogFileName();
    EXPECT_EQ(developerLog, PathIn(QStringLiteral("developer-log.txt")));

    LogRunSummaryForDeveloper(summary); // neither marker nor log
    Touch(QStringLiteral("developer-log.txt"));
    LogRunSummaryForDeveloper(summary); // log but no marker
    EXPECT_EQ(Contents(developerLog), QByteArray());

    ASSERT_TRUE(QFile::remove(developerLog));
    Touch(QStringLiteral("developer-machine"));
    LogRunSummaryForDeveloper(summary); // marker but no log: nothing is created
    EXPECT_FALSE(QFile::exists(developerLog));

    Touch(QStringLiteral("developer-log.txt"));
    LogRunSummaryForDeveloper(summary);
    SetNow(QDateTime(QDate(2026, 3, 6), QTime(8, 30, 0)));
    LogRunSummaryForDeveloper(QStringLiteral("Second run."));
    EXPECT_EQ(Contents(developerLog),
              QByteArrayLiteral("\r\n"
                                "3/5/2026 2:07:09 PM: Backup of Group \"Docs\" finished.\r"
                                "3 files copied.\r\n"
                                "\r\n"
                                "3/6/2026 8:30:00 AM: Second run.\r\n"));
}

} // namespace
} // namespace tessel
