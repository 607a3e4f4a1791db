#pragma once

#include "common/clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessel::test {

// A temporary folder for log files, the clock fixed at a known moment and an English (US) locale, so
// every stamp is known; all three are put back afterwards.
class LogFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        previousLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetNow(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9)));
    }
    void TearDown() override
    {
        SetClockForTesting({});
        QLocale::setDefault(previousLocale_);
    }

    static void SetNow(const QDateTime &now)
    {
        SetClockForTesting([now] { return now; });
    }

    QString PathIn(const QString &name) const { return folder.filePath(name); }

    static QByteArray Contents(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<missing>");
        return file.readAll();
    }

    QTemporaryDir folder;

private:
    QLocale previousLocale_;
};

} // namespace tessel::test
