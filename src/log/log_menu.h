#pragma once

#include <QString>

// The commands of the main window's "Log" menu for the backup log.
namespace tessel {

// Opens the log in the user's viewer for text files; a missing log is reported with its path.
void viewlog(const QString &logfilename);

// Empties the log after asking; reports a missing log with its path, and a cleared log when done.
void clearlog(const QString &logfilename);

} // namespace tessel
