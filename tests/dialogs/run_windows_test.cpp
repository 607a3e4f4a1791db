#include "dialogs/pause_form.h"
#include "dialogs/report_form.h"
#include "dialogs/results_form.h"
#include "engine/runs_summary.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessel::dialogs {
namespace {

using engine::backuptype;
using engine::truncounters;

class RunWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// Runs `action` on the modal window as soon as it is up, then closes it with its default button.
template <typename Form, typename Action>
void WhenModalShows(Action action)
{
    QTimer::singleShot(0, [action] {
        auto *form = qobject_cast<Form *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        action(*form);
        form->accept();
    });
}

TEST_F(RunWindowsTest, ResultsWindowShowsEachCountWithItsOwnPlural)
{
    truncounters counters;
    counters.filescopied = 1;
    counters.filesskipped = 1234;
    counters.filesfailed = 0;
    counters.foldersdeleted = 3;
    counters.filesdeleted = 1;
    Tresultsform form;
    form.Fill(engine::BuildResultsWindowText(backuptype::backupgroup, QStringLiteral("My Docs"), counters));

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Backup Results"));
    EXPECT_EQ(form.typelabel->text(), QStringLiteral("Backed up group"));
    EXPECT_FALSE(form.TypeLabelMovedDown());
    EXPECT_EQ(form.categorylabel->text(), QStringLiteral("\"My Docs\""));
    const std::pair<QLabel *, QString> expected[] = {
        {form.Label1, "1"},     {form.copiedlabel, "file copied."},
        {form.Label3, "1,234"}, {form.skippedlabel, "files skipped."},
        {form.Label5, "0"},     {form.failedlabel, "files failed."},
        {form.Label6, "3"},     {form.foldersdeletedlabel, "folders deleted from destination."},
        {form.Label7, "1"},     {form.filesdeletedlabel, "file deleted from destination."},
    };
    for (const auto &[label, text] : expected)
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    EXPECT_TRUE(form.okbutton->isDefault());
    EXPECT_EQ(form.okbutton->text(), QStringLiteral("&Ok"));
}

TEST_F(RunWindowsTest, ResultsWindowRefillReplacesThePreviousRun)
{
    Tresultsform form;
    truncounters first;
    first.filescopied = 7;
    first.latestonly = true;
    form.Fill(engine::BuildResultsWindowText(backuptype::backupselected, QString(), first, false));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Backup Results (Most recently changed only)"));
    EXPECT_EQ(form.typelabel->text(), QStringLiteral("Backed up selected items"));
    EXPECT_TRUE(form.TypeLabelMovedDown());
    EXPECT_EQ(form.categorylabel->text(), QString());

    // The registry entry's run shows no counts: nothing of the previous run may stay behind.
    form.Fill(engine::BuildResultsWindowText(backuptype::backupgroup, QStringLiteral("System Registry"),
                                             first, true));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Backup Results"));
    EXPECT_FALSE(form.TypeLabelMovedDown());
    EXPECT_EQ(form.categorylabel->text(), QStringLiteral("\"System Registry\""));
    for (QLabel *label :
         {form.Label1, form.copiedlabel, form.Label3, form.skippedlabel, form.Label5, form.failedlabel,
          form.Label6, form.foldersdeletedlabel, form.Label7, form.filesdeletedlabel})
        EXPECT_TRUE(label->text().isEmpty());
}

TEST_F(RunWindowsTest, ShowResultsWindowIsModalAndTakesTheMainWindowsFontSize)
{
    Tresultsform form;
    truncounters counters;
    counters.filescopied = 2;
    int shownPointSize = 0;
    QString shownCount;
    WhenModalShows<Tresultsform>([&](Tresultsform &shown) {
        shownPointSize = shown.font().pointSize();
        shownCount = shown.Label1->text();
    });
    ShowResultsWindow(
        form, engine::BuildResultsWindowText(backuptype::backupitem, QStringLiteral("Mail"), counters), 13);
    EXPECT_EQ(shownPointSize, 13);
    EXPECT_EQ(shownCount, QStringLiteral("2"));
    EXPECT_EQ(form.typelabel->font().pointSize(), 13);
    EXPECT_TRUE(form.typelabel->font().bold());
}

TEST_F(RunWindowsTest, ReportWindowScrollsBothWaysButCannotBeEditedOrFocused)
{
    QStringList failures;
    for (int i = 0; i < 60; ++i)
        failures << QStringLiteral("File: /data/") + QString(200, QLatin1Char('x')) + QString::number(i);
    Treportform form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Backup Report"));
    EXPECT_TRUE(form.Memo1->toPlainText().isEmpty());
    form.SetLines(engine::BuildReportLines(failures));
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();

    EXPECT_TRUE(form.Memo1->isReadOnly());
    EXPECT_GT(form.Memo1->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(form.Memo1->verticalScrollBar()->maximum(), 0);
    const QStringList lines = form.Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 62);
    EXPECT_EQ(lines[0], QStringLiteral("The following entries failed to copy:"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[61], QStringLiteral("60. ") + failures[59]);

    form.Memo1->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(form.Memo1->hasFocus());
    EXPECT_TRUE(form.okbutton->hasFocus());
}

TEST_F(RunWindowsTest, PauseWindowTexts)
{
    Tpauseform form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorlan's Tessel Backup"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Backing up has has been temporarily paused."));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("Click Ok when ready to continue."));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("&Ok"));
    EXPECT_TRUE(form.Button1->isDefault());
}

TEST_F(RunWindowsTest, PauseWindowIsCentredOnItsOwnerWithIntegerHalves)
{
    struct Case
    {
        QRect owner;
        QSize pause;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 50, 800, 600}, {300, 101}, {350, 299}},
        {{0, 0, 301, 201}, {100, 100}, {100, 50}},
        // A pause window wider than its owner reaches past the owner's left edge (halves towards zero).
        {{10, 10, 200, 100}, {301, 101}, {-40, 10}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PauseWindowPosition(c.owner, c.pause), c.expected);
}

TEST_F(RunWindowsTest, ShowPauseMessageHoldsUntilOkAndSitsOnTheOwner)
{
    QWidget owner;
    owner.setGeometry(200, 150, 900, 700);
    owner.show();
    QRect shownAt;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<Tpauseform *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        shownAt = form->frameGeometry();
        form->Button1->click();
    });
    ShowPauseMessage(&owner);
    ASSERT_TRUE(shownAt.isValid());
    EXPECT_EQ(shownAt.topLeft(), PauseWindowPosition(owner.frameGeometry(), shownAt.size()));
}

} // namespace
} // namespace tessel::dialogs
