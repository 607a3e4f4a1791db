#include "widgets/file_choosers.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tessel {
namespace {

void WhenDialogShows(std::function<void(QFileDialog *)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

TEST(DialogNameFilters, TranslatesPairs)
{
    struct Case
    {
        const char *filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"INI files|*.INI|All files|*.*", {"INI files (*.INI)", "All files (*)"}},
        {"Logs|*.txt;*.log", {"Logs (*.txt *.log)"}},
        {"", {}},
        {"Dangling description", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DialogNameFilters(QString::fromUtf8(c.filter)), c.expected) << c.filter;
}

TEST(FileChoosers, FolderDialogSettings)
{
    QTemporaryDir start;
    const auto fixed = CreateFolderDialog(QStringLiteral("Select folder to backup:"), start.path(), false);
    EXPECT_EQ(fixed->windowTitle(), QStringLiteral("Select folder to backup:"));
    EXPECT_EQ(fixed->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(fixed->testOption(QFileDialog::ReadOnly));
    EXPECT_EQ(fixed->directory().absolutePath(), QDir(start.path()).absolutePath());

    const auto open = CreateFolderDialog(QStringLiteral("Select your backup destination:"), QString(), true);
    EXPECT_FALSE(open->testOption(QFileDialog::ReadOnly));
}

TEST(FileChoosers, PortReturnsTheChoiceOrNothing)
{
    QTemporaryDir start;
    ASSERT_TRUE(QDir(start.path()).mkdir(QStringLiteral("target")));
    const QString target = start.path() + QStringLiteral("/target");
    const auto port = CreateFileChooserPort();

    WhenDialogShows([&target](QFileDialog *dialog) {
        dialog->selectFile(target);
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(port->BrowseForFolder(QStringLiteral("Export backup settings to folder:"), start.path(), false),
              target);

    WhenDialogShows([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(port->BrowseForFolder(QStringLiteral("Export backup settings to folder:"), start.path(), false),
              QString());

    QFile ini(start.path() + QStringLiteral("/backupdata.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    WhenDialogShows([&ini](QFileDialog *dialog) {
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"INI files (*.INI)", "All files (*)"}));
        dialog->selectFile(ini.fileName());
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(port->ChooseFileToOpen(QStringLiteral("Select backup settings data file to import"),
                                     QStringLiteral("INI files|*.INI|All files|*.*"), start.path()),
              ini.fileName());
}

} // namespace
} // namespace tessel
