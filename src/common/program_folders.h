#pragma once

#include <QString>

// Where the program and its user's files live.
namespace tessel {

// Shell folder numbers that SpecialFolder knows.
constexpr int kCsidlPersonal = 5; // the user's documents folder
constexpr int kCsidlAppData = 26; // the user's configuration folder

// Settles ProgramFolder from the executable's path; start-up calls it before anything needs it.
void InitProgramFolder();
// Sets ProgramFolder directly (a trailing "/" is added); for tests and tools that run elsewhere.
void SetProgramFolder(const QString &folder);
// The folder of the executable, ending in "/"; empty before InitProgramFolder.
QString ProgramFolder();

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty when neither is known.
QString AppDataFolder();
// The folder for a shell folder number (kCsidlPersonal, kCsidlAppData), or empty for any other.
QString SpecialFolder(int csidl);

// The data folder that start-up settled (where the settings file and logs live); empty until then.
void SetDataFolder(const QString &folder);
QString DataFolder();

// True when a file named "developer-machine" lies in the data folder; false before it is settled.
bool IsDeveloperMachine();

} // namespace tessel
