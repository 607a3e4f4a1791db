#pragma once

#include "config/program_state.h"

#include <QString>

// Moving settings to and from another file. The main window runs the file and folder choosers and
// passes the choice; questions and messages go through ShowInformation and AskVerify.
namespace tessel {

enum class ImportOutcome {
    Unchanged, // nothing happened: no such file, the user said No, or the current settings could not
               // be saved (importing then would lose them)
    Restored,  // the file gave no group; the saved settings were read back
    Imported,  // the file's groups and options replaced the current ones
};

// Imports the settings file chosen by the user: asks first, saves the current settings (their previous
// file becoming the "_bak" copy), then reads the chosen file in place of the groups. The caller
// refills its group list from state (rows checked as savedchecks says) unless Unchanged, and applies
// the options and storedwindowplace at once.
ImportOutcome importsettings(ProgramState &state, const QString &chosenFile);

// Exports the settings as "Backupdata.ini" in the chosen folder, asking before it overwrites a file
// there. True when the file was written.
bool exportsettings(const ProgramState &state, const QString &folder);

} // namespace tessel
