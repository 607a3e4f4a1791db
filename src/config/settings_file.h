#pragma once

#include "config/program_state.h"

#include <QByteArray>
#include <QString>

// The settings file: sections "Information", "Interface" and "Group0", "Group1", ... with keys
// "Item0", "Item1", ... holding item value strings (item_value_string.h).
namespace tessel {

// The name of the settings file in the data folder, and of the file an export writes.
QString SettingsFileName();
QString ExportFileName();
// The suffix of the copy that a normal save keeps of the previous file.
QString BackupSuffix();

// Reads the settings file into state: the group table (emptied first), savedchecks, lowpriority (only
// "Priority=0" changes it), showadvancedoptions, verboselogging and storedwindowplace, then puts the
// registry entry in front. A missing file reads as empty. A file that cannot be read shows "Cannot load
// backup groups" and returns false, leaving the table without the registry entry. A gap in the group
// numbers ends the groups. At most kMaxGroups groups are read, one more when the first of them is the
// registry entry, so the table never overflows and a full table saved and read back stays whole.
bool readdata(ProgramState &state, const QString &datafilename);

// Like readdata, and tells how many groups the file itself held (before the registry entry was added).
bool ReadSettings(ProgramState &state, const QString &datafilename, int &groupsInFile);

// readdata's work on the file's bytes (after the file has been read); the number of groups they held.
int ApplySettingsText(ProgramState &state, const QByteArray &bytes);

// The complete text savedata writes for state: checked states from savedchecks (one per group, "0"
// where it has no "1"), the place from mainwindowplace.
QByteArray SettingsFileText(const ProgramState &state);

// Writes the settings file. The new text goes to a temporary sibling that is flushed to disk before it
// replaces the file in one step, so a failure or crash at any moment leaves the complete previous or
// new file under the name (and the previous file under the "_bak" name once the new one is in place). Not
// exporting, the previous file becomes the "_bak" copy (one generation). Exporting replaces the target
// without a copy. On failure shows "Error saving backup data" and returns false; nothing in state changes
// either way.
bool savedata(const ProgramState &state, const QString &datafilename, bool exporting);

// The file part of savedata: writes bytes as fileName the safe way; the error text, empty on success.
QString WriteSettingsFile(const QString &fileName, const QByteArray &bytes, bool keepBackup);

} // namespace tessel
