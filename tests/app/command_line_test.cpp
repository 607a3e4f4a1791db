#include "app/command_line.h"

#include <gtest/gtest.h>

namespace tessel::app {
namespace {

TEST(ReadCommandLine, KeywordsNamesAndEcho)
{
    struct Case
    {
        QStringList arguments;
        QString commandlinetext;
        QStringList commandlinenames;
        bool quitafterbackup;
        bool latestonlyrequested;
    };
    const std::vector<Case> cases = {
        {{}, QString(), {}, false, false},
        {{"QUITPROGRAM"}, "QUITPROGRAM ", {}, true, false},
        {{"quitprogram", "Docs"}, "quitprogram \"Docs\" ", {"DOCS"}, true, false},
        {{"Docs", "LatestOnly", "my files"},
         "\"Docs\" LatestOnly \"my files\" ",
         {"DOCS", "MY FILES"},
         false,
         true},
        // A name given twice in different case is kept once, but echoed as typed each time.
        {{"docs", "DOCS"}, "\"docs\" \"DOCS\" ", {"DOCS"}, false, false},
        // Only a to z are upper-cased; the list lookup ignores case, so these two count as one name.
        {{"été", "ÉTÉ"}, "\"été\" \"ÉTÉ\" ", {"éTé"}, false, false},
        // A keyword inside a longer argument is a name.
        {{"QUITPROGRAMS"}, "\"QUITPROGRAMS\" ", {"QUITPROGRAMS"}, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char('|')).toStdString());
        const CommandLineArguments read = ReadCommandLine(c.arguments);
        EXPECT_EQ(read.commandlinetext, c.commandlinetext);
        EXPECT_EQ(read.commandlinenames, c.commandlinenames);
        EXPECT_EQ(read.quitafterbackup, c.quitafterbackup);
        EXPECT_EQ(read.latestonlyrequested, c.latestonlyrequested);
    }
}

TEST(MatchCommandLineNames, ChoosesGroupsThenSingleItems)
{
    using Items = std::vector<CommandLineItem>;
    struct Case
    {
        const char *what;
        QStringList arguments;
        std::vector<GroupTitles> groups;
        std::vector<int> expectedGroups;
        Items expectedItems;
    };
    const std::vector<GroupTitles> docsFirst = {
        {"System Registry", {}}, {"My Docs", {"Letters"}}, {"Old docs backup", {"Scans"}}};
    const std::vector<GroupTitles> itemsOnly = {
        {"System Registry", {}}, {"Work", {"Photos", "Camera roll"}}, {"Home", {"Holiday camera"}}};
    const std::vector<Case> cases = {
        {"no names", {"QUITPROGRAM"}, docsFirst, {}, {}},
        {"first matching group only", {"Docs"}, docsFirst, {1}, {}},
        {"two names choosing one group run it twice", {"DOC", "DOCS"}, docsFirst, {1, 1}, {}},
        {"case of a to z is ignored", {"my dOCS"}, docsFirst, {1}, {}},
        {"nothing matches", {"Music"}, docsFirst, {}, {}},
        {"first item in table order across groups", {"camera"}, itemsOnly, {}, {{1, 2}}},
        {"item in a later group", {"holiday"}, itemsOnly, {}, {{2, 1}}},
        {"second name inside the chosen item's title chooses nothing",
         {"camera roll", "roll"},
         itemsOnly,
         {},
         {{1, 2}}},
        {"a name that chose a group chooses no item",
         {"Docs"},
         {{"Docs", {}}, {"Other", {"Docs folder"}}},
         {0},
         {}},
        {"group and item names together", {"photos", "home"}, itemsOnly, {2}, {{1, 1}}},
        {"accented letters must match in case", {"été"}, {{"ÉTÉ", {}}, {"été", {}}}, {1}, {}},
        {"accented capitals do not match small letters", {"ÉTÉ"}, {{"été photos", {"été"}}}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLineChoice choice =
            MatchCommandLineNames(ReadCommandLine(c.arguments).commandlinenames, c.groups);
        EXPECT_EQ(choice.commandlinegroups, c.expectedGroups);
        EXPECT_EQ(choice.commandlineitems, c.expectedItems);
        EXPECT_EQ(choice.ChoosesSomething(), !c.expectedGroups.empty() || !c.expectedItems.empty());
    }
}

TEST(MatchCommandLineNames, TablesStopAtTheirSize)
{
    std::vector<GroupTitles> groups;
    QStringList arguments;
    for (int i = 0; i < 150; ++i) {
        groups.push_back({QStringLiteral("G%1x").arg(i), {QStringLiteral("I%1y").arg(i)}});
        arguments << QStringLiteral("G%1X").arg(i) << QStringLiteral("I%1Y").arg(i);
    }
    const CommandLineChoice choice =
        MatchCommandLineNames(ReadCommandLine(arguments).commandlinenames, groups);
    ASSERT_EQ(choice.commandlinegroups.size(), size_t(kCommandLineTableSize));
    ASSERT_EQ(choice.commandlineitems.size(), size_t(kCommandLineTableSize));
    EXPECT_EQ(choice.commandlinegroups.back(), kCommandLineTableSize - 1);
    EXPECT_EQ(choice.commandlineitems.back(), (CommandLineItem{kCommandLineTableSize - 1, 1}));
}

} // namespace
} // namespace tessel::app

namespace tessel::app {
namespace {

titemrecord Titled(const char *title)
{
    titemrecord record;
    record.title = QString::fromUtf8(title);
    return record;
}

TEST(ApplyCommandLineChoice, ReadsTheGroupTableAndSetsUnattendedRun)
{
    ProgramState state;
    state.groupcount = 3;
    state.groups[0] = {Titled("System Registry")};
    state.groups[1] = {Titled("My Docs"), Titled("Letters")};
    state.groups[2] = {Titled("Photos"), Titled("Camera"), Titled("Old letters")};
    // A slot past groupcount is not a group, whatever it holds.
    state.groups[3] = {Titled("Leftover letters")};

    struct Case
    {
        QStringList arguments;
        std::vector<int> groups;
        std::vector<CommandLineItem> items;
    };
    const std::vector<Case> cases = {
        {{"QUITPROGRAM"}, {}, {}},       {{"registry", "quitprogram"}, {0}, {}},
        {{"old letters"}, {}, {{2, 2}}}, {{"letters"}, {}, {{1, 1}}},
        {{"leftover"}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        ApplyCommandLineArguments(state, c.arguments);
        ApplyCommandLineChoice(state);
        EXPECT_EQ(state.commandlinegroups, c.groups);
        EXPECT_EQ(state.commandlineitems, c.items);
        EXPECT_EQ(state.unattendedrun, !c.groups.empty() || !c.items.empty());
    }
}

} // namespace
} // namespace tessel::app
