#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The command line: the keywords QUITPROGRAM and LATESTONLY, and names that choose groups or single
// items by their titles. Kept apart from the window so the matching rules can be tested on plain lists.
namespace tessel::app {

// Each table holds at most this many entries; further choices are ignored.
inline constexpr int kCommandLineTableSize = 100;

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
    std::vector<int> commandlinegroups;                // group indexes, in the order chosen
    std::vector<std::pair<int, int>> commandlineitems; // (group index, item index from 1)

    bool ChoosesSomething() const { return !commandlinegroups.empty() || !commandlineitems.empty(); }
};

// Each name chooses the first group whose title contains it; a name that chose no group (and is not
// contained in a chosen group's or item's title) chooses the first item, in table order, that contains it.
CommandLineChoice MatchCommandLineNames(const QStringList &commandlinenames,
                                        const std::vector<GroupTitles> &groups);

} // namespace tessel::app
