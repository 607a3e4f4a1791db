#include "app/command_line.h"

namespace tessel::app {
namespace {

const QString kQuitProgram = QStringLiteral("QUITPROGRAM");
const QString kLatestOnly = QStringLiteral("LATESTONLY");

bool ContainedInAnyTitle(const QString &name, const QStringList &upperCasedTitles)
{
    for (const QString &title : upperCasedTitles) {
        if (title.contains(name))
            return true;
    }
    return false;
}

} // namespace

QString UpperCaseAtoZ(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return upper;
}

CommandLineArguments ReadCommandLine(const QStringList &arguments)
{
    CommandLineArguments result;
    for (const QString &argument : arguments) {
        const QString upper = UpperCaseAtoZ(argument);
        if (upper == kQuitProgram) {
            result.quitafterbackup = true;
            result.commandlinetext += argument + QLatin1Char(' ');
        } else if (upper == kLatestOnly) {
            result.latestonlyrequested = true;
            result.commandlinetext += argument + QLatin1Char(' ');
        } else {
            result.commandlinetext += QLatin1Char('"') + argument + QStringLiteral("\" ");
            if (!result.commandlinenames.contains(upper, Qt::CaseInsensitive))
                result.commandlinenames.append(upper);
        }
    }
    return result;
}

CommandLineChoice MatchCommandLineNames(const QStringList &commandlinenames,
                                        const std::vector<GroupTitles> &groups)
{
    CommandLineChoice choice;
    QStringList upperGroupTitles;
    for (const GroupTitles &group : groups)
        upperGroupTitles.append(UpperCaseAtoZ(group.title));

    for (const QString &name : commandlinenames) {
        for (int row = 0; row < upperGroupTitles.size(); ++row) {
            if (upperGroupTitles[row].contains(name)) {
                if (choice.commandlinegroups.size() < kCommandLineTableSize)
                    choice.commandlinegroups.push_back(row);
                break;
            }
        }
    }

    QStringList chosenGroupTitles;
    for (int group : choice.commandlinegroups)
        chosenGroupTitles.append(upperGroupTitles[group]);
    QStringList chosenItemTitles;

    for (const QString &name : commandlinenames) {
        for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
            const QStringList &items = groups[static_cast<size_t>(g)].itemtitles;
            for (int i = 0; i < items.size(); ++i) {
                const QString upperTitle = UpperCaseAtoZ(items[i]);
                if (!upperTitle.contains(name))
                    continue;
                // A name that chose a group, or that an already chosen item answers, adds nothing more.
                if (ContainedInAnyTitle(name, chosenGroupTitles) ||
                    ContainedInAnyTitle(name, chosenItemTitles))
                    continue;
                if (choice.commandlineitems.size() < kCommandLineTableSize) {
                    choice.commandlineitems.push_back({g, i + 1});
                    chosenItemTitles.append(upperTitle);
                }
                break; // on with the next group
            }
        }
    }
    return choice;
}

std::vector<GroupTitles> GroupTitlesOf(const GroupTable &table)
{
    std::vector<GroupTitles> titles;
    for (int g = 0; g < table.groupcount; ++g) {
        const tbackupgroup &group = table.groups[static_cast<size_t>(g)];
        GroupTitles entry;
        if (!group.empty())
            entry.title = group.front().title;
        for (size_t i = 1; i < group.size(); ++i)
            entry.itemtitles.append(group[i].title);
        titles.push_back(entry);
    }
    return titles;
}

void ApplyCommandLineArguments(ProgramState &state, const QStringList &arguments)
{
    CommandLineArguments read = ReadCommandLine(arguments);
    state.commandlinetext = read.commandlinetext;
    state.commandlinenames = read.commandlinenames;
    state.quitafterbackup = read.quitafterbackup;
    state.latestonlyrequested = read.latestonlyrequested;
}

void ApplyCommandLineChoice(ProgramState &state)
{
    CommandLineChoice choice = MatchCommandLineNames(state.commandlinenames, GroupTitlesOf(state));
    state.commandlinegroups = std::move(choice.commandlinegroups);
    state.commandlineitems = std::move(choice.commandlineitems);
    state.unattendedrun = !state.commandlinegroups.empty() || !state.commandlineitems.empty();
}

} // namespace tessel::app
