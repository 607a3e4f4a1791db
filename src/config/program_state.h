#pragma once

#include "config/group_table.h"
#include "config/window_place.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace tessel {

// One item chosen on the command line: its group's slot and its position in that group (from 1).
struct CommandLineItem
{
    int group = 0;
    int item = 0;

    friend bool operator==(const CommandLineItem &, const CommandLineItem &) = default;
};

// The command line chooses at most this many groups and this many items.
inline constexpr int kCommandLineTableSize = 100;

// The program-wide state settled at start-up and kept until the end: the group table and what the
// settings file holds, the data files' places and what the command line asked for. One object, owned
// by the main window and passed to whoever needs it. The run flags and counters belong to the engine.
struct ProgramState : GroupTable
{
    // ERUNT.EXE as the registry entry names it or as found (may be empty).
    QString eruntlocation;

    // Settings-file options.
    bool showadvancedoptions = false;
    bool verboselogging = false;
    bool lowpriority = false; // the Priority menu's "Low" is checked (else "High")

    // The main window's place as last read from a settings file (apply with PlaceWindow) ...
    StoredWindowPlace storedwindowplace;
    // ... and its outer geometry as savedata writes it; the main window updates it before saving.
    QRect mainwindowplace;

    // Files and folders.
    QString datafilename;
    QString logfilename;
    QString documentsfolder;

    // The command line.
    QString commandlinetext;            // echo of the arguments, for the completion message
    QStringList commandlinenames;       // the name arguments, upper-cased, each once
    std::vector<int> commandlinegroups; // slots chosen by the names, in the order chosen
    std::vector<CommandLineItem> commandlineitems;
    bool quitafterbackup = false;
    bool latestonlyrequested = false;
    bool unattendedrun = false;

    // The main window's font size and display scale, for windows that should match it.
    int mainfontsize = 0;
    double displayscale = 1.0;
};

} // namespace tessel
