#pragma once

#include "config/program_state.h"

#include <QString>
#include <QStringList>

#include <vector>

// The command line: the keywords QUITPROGRAM and LATESTONLY, and names that choose groups or single
// items by their titles. Kept apart from the window so the matching rules can be tested on plain lists.
namespace tessel::app {

// Upper-cases only the letters a to z: a name with other letters matches only titles that hold them in
// the same case.
QString UpperCaseAtoZ(const QString &text);

struct CommandLineArguments
{
    QString commandlinetext;          // the arguments as typed: names quoted, keywords bare, each + " "
    QStringList commandlinenames;     // the names, upper-cased, each once (compared ignoring case)
    bool quitafterbackup = false;     // QUITPROGRAM
    bool latestonlyrequested = false; // LATESTONLY
};

// Reads the arguments after the program name, in order.
CommandLineArguments ReadCommandLine(const QStringList &arguments);

// One group as the name matching sees it: its title (the group list row's text) and the titles of its
// items from position 1 on.
struct GroupTitles
{
    QString title;
    QStringList itemtitles;
};

struct CommandLineChoice
{
    // At most kCommandLineTableSize entries each; further choices are ignored.
    std::vector<int> commandlinegroups; // group indexes, in the order chosen
    std::vector<CommandLineItem> commandlineitems;

    bool ChoosesSomething() const { return !commandlinegroups.empty() || !commandlineitems.empty(); }
};

// Each name chooses the first group whose title contains it; a name that chose no group (and is not
// contained in a chosen group's or item's title) chooses the first item, in table order, that contains it.
CommandLineChoice MatchCommandLineNames(const QStringList &commandlinenames,
                                        const std::vector<GroupTitles> &groups);

// The titles of the groups in use, as the name matching sees them.
std::vector<GroupTitles> GroupTitlesOf(const GroupTable &table);

// Start-up: the arguments into state's command-line fields.
void ApplyCommandLineArguments(ProgramState &state, const QStringList &arguments);
// Start-up, once the groups are read: the chosen groups and items, and unattendedrun.
void ApplyCommandLineChoice(ProgramState &state);

} // namespace tessel::app
