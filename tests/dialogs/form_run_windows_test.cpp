#include "dialogs/form_run_windows.h"
#include "dialogs/pause_form.h"
#include "dialogs/report_form.h"
#include "dialogs/results_form.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessel::dialogs {
namespace {

using engine::RunWindowOwner;

struct Windows
{
    Windows()
        : pausebutton(new QPushButton(QStringLiteral("&Pause"), &mainwindow))
        , editorpause(new QPushButton(QStringLiteral("&Pause"), &editor))
        , editorstop(new QPushButton(QStringLiteral("&Stop"), &editor))
        , windows(&mainwindow, pausebutton, &resultsform, [] { return 14; })
    {
        mainwindow.setGeometry(100, 100, 800, 600);
        editor.setGeometry(400, 300, 500, 400);
        editorpause->hide(); // as the editor keeps it while no run goes on
        mainwindow.show();
    }

    QWidget mainwindow;
    QWidget editor;
    QPushButton *pausebutton;
    QPushButton *editorpause;
    QPushButton *editorstop;
    Tresultsform resultsform;
    FormRunWindows windows;
};

// The modal window that is up when the event loop next runs, closed after `look` has seen it.
template <typename Form>
void CloseModalAfter(std::function<void(Form &)> look)
{
    QTimer::singleShot(0, [look] {
        auto *form = qobject_cast<Form *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        look(*form);
        form->accept();
    });
}

TEST(FormRunWindows, EditorButtonsFollowTheRunOnlyWhileTheEditorIsOnScreen)
{
    Windows w;
    w.windows.SetGroupEditor(&w.editor, w.editorpause, w.editorstop);
    w.windows.SetPauseButtonsVisible(true);
    EXPECT_TRUE(w.pausebutton->isVisibleTo(&w.mainwindow));
    EXPECT_FALSE(w.editorpause->isVisibleTo(&w.editor)) << "an editor that is not shown is left alone";

    w.editor.show();
    w.windows.SetPauseButtonsVisible(true);
    EXPECT_TRUE(w.editorpause->isVisible());
    w.windows.SetPauseCaption(RunWindowOwner::groupeditor, QStringLiteral("&Resume"));
    EXPECT_EQ(w.windows.PauseCaption(RunWindowOwner::groupeditor), QStringLiteral("&Resume"));
    EXPECT_EQ(w.windows.PauseCaption(RunWindowOwner::mainwindow), QStringLiteral("&Pause"));
    w.windows.HideEditorStopButton();
    EXPECT_FALSE(w.editorstop->isVisible());
    w.windows.SetPauseButtonsVisible(false);
    EXPECT_FALSE(w.pausebutton->isVisible());
    EXPECT_FALSE(w.editorpause->isVisible());
}

TEST(FormRunWindows, PauseWindowSitsOnTheEditorWhenItIsOpenElseOnTheMainWindow)
{
    Windows w;
    w.windows.SetGroupEditor(&w.editor, w.editorpause, w.editorstop);
    for (bool editorShown : {false, true}) {
        w.editor.setVisible(editorShown);
        QWidget *owner = editorShown ? &w.editor : &w.mainwindow;
        QRect shownAt;
        CloseModalAfter<Tpauseform>([&](Tpauseform &form) { shownAt = form.frameGeometry(); });
        w.windows.ShowPauseMessage();
        EXPECT_EQ(shownAt.topLeft(), PauseWindowPosition(owner->frameGeometry(), shownAt.size()))
            << editorShown;
    }
}

TEST(FormRunWindows, ResultsAndReportWindowsShowTheRunsTextsInTheMainFontSize)
{
    Windows w;
    engine::ResultsWindowText text;
    text.caption = QStringLiteral("Backup Results");
    text.Label1 = QStringLiteral("5");
    QString shownCount;
    CloseModalAfter<Tresultsform>([&](Tresultsform &form) { shownCount = form.Label1->text(); });
    w.windows.ShowResults(text);
    EXPECT_EQ(shownCount, QStringLiteral("5"));
    EXPECT_EQ(w.resultsform.font().pointSize(), 14);

    QString shownReport;
    int reportSize = 0;
    CloseModalAfter<Treportform>([&](Treportform &form) {
        shownReport = form.Memo1->toPlainText();
        reportSize = form.font().pointSize();
    });
    w.windows.ShowReport(
        {QStringLiteral("The following entries failed to copy:"), QString(), QStringLiteral("1. x")});
    EXPECT_EQ(shownReport, QStringLiteral("The following entries failed to copy:\n\n1. x"));
    EXPECT_EQ(reportSize, 14);
}

} // namespace
} // namespace tessel::dialogs
