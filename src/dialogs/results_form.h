#pragma once

#include "engine/run_windows.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpacerItem;

// The window that ends an interactive run: what was backed up and the five counts. It lives for the
// whole program; every run refills it with Fill() and shows it modally.
namespace tessel::dialogs {

class Tresultsform : public QDialog
{
    Q_OBJECT

public:
    explicit Tresultsform(QWidget *parent = nullptr);

    // Puts the run's texts into the controls, replacing whatever the previous run left.
    void Fill(const engine::ResultsWindowText &text);
    // Whether typelabel sits lower than its designed place (the selected-items kind).
    bool TypeLabelMovedDown() const;

    QLabel *typelabel;
    QLabel *categorylabel;
    QLabel *Label1;
    QLabel *copiedlabel;
    QLabel *Label3;
    QLabel *skippedlabel;
    QLabel *Label5;
    QLabel *failedlabel;
    QLabel *Label6;
    QLabel *foldersdeletedlabel;
    QLabel *Label7;
    QLabel *filesdeletedlabel;
    QPushButton *okbutton;

private:
    QSpacerItem *typeLabelOffset_;
};

// Sets the font size of a window and everything in it that does not set its own size, in points, so
// the run's windows match the main window. A size of 0 or less leaves the font as it is.
void SetWindowFontSize(QWidget *window, int points);

// Fills the results window, matches its font to the main window's and shows it modally.
void ShowResultsWindow(Tresultsform &resultsform, const engine::ResultsWindowText &text, int fontsize);

} // namespace tessel::dialogs
