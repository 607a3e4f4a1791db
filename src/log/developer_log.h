#pragma once

#include <QString>

// On a developer's machine every run summary is also kept in the developer's own log.
namespace tessel {

// "developer-log.txt" in the data folder, beside the developer marker file.
QString DeveloperLogFileName();

// On a developer machine whose developer log already exists, appends a blank line and the summary
// with its date and time through the program's diagnostic log. Elsewhere nothing happens.
void LogRunSummaryForDeveloper(const QString &summary);

} // namespace tessel
