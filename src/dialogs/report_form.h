#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

// The list of entries that failed in a run, shown after the results window. The text can be scrolled
// both ways but never edited, and the box never takes the keyboard focus, so no caret shows in it.
namespace tessel::dialogs {

class Treportform : public QDialog
{
    Q_OBJECT

public:
    explicit Treportform(QWidget *parent = nullptr);

    void SetLines(const QStringList &lines);

    QPlainTextEdit *Memo1;
    QPushButton *okbutton;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Creates the report window with these lines, in the main window's font size, shows it modally and
// frees it.
void ShowReportWindow(QWidget *parent, const QStringList &lines, int fontsize);

} // namespace tessel::dialogs
