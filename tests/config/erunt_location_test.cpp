#include "config/erunt_location.h"

#include "settings_test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(EruntLocation, LaterPlacesWin)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString install = dir.filePath(QStringLiteral("opt/ERUNT"));
    ASSERT_TRUE(QDir().mkpath(program + QStringLiteral("/erunt")));
    ASSERT_TRUE(QDir().mkpath(install));

    EXPECT_EQ(FindErunt(program, install), QString());
    test::WriteBytes(program + QStringLiteral("/ERUNT.EXE"), "x");
    EXPECT_EQ(FindErunt(program, install), program + QStringLiteral("/ERUNT.EXE"));
    test::WriteBytes(program + QStringLiteral("/erunt/ERUNT.EXE"), "x");
    EXPECT_EQ(FindErunt(program, install), program + QStringLiteral("/erunt/ERUNT.EXE"));
    test::WriteBytes(install + QStringLiteral("/ERUNT.EXE"), "x");
    EXPECT_EQ(FindErunt(program + QStringLiteral("/"), install), install + QStringLiteral("/ERUNT.EXE"));
}

TEST(EruntLocation, FoldersAndWrongCaseDoNotCount)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("ERUNT.EXE"))));
    test::WriteBytes(dir.filePath(QStringLiteral("erunt.exe")), "x");
    EXPECT_EQ(FindErunt(dir.path(), QString()), QString());
    // Without a program folder nothing is looked up relative to the current folder.
    EXPECT_EQ(FindErunt(QString(), QString()), QString());
}

} // namespace
} // namespace tessel
