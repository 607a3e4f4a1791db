#pragma once

#include <QString>

namespace tessel::test {

// Points HOME and the XDG folders of this process at a fresh temporary folder, so that tests never
// read or write the real user's settings, documents or trash. Called once by the test mains.
void IsolateUserFolders();

// The temporary home made by IsolateUserFolders().
QString TestHome();

// A path below the source tree (for checked-in test data), from TESSEL_SOURCE_DIR.
QString SourcePath(const QString &relative);

} // namespace tessel::test
