#pragma once

#include <QString>

namespace tessel {

// The standard install folder of ERUNT on this system.
QString EruntInstallFolder();

// Where ERUNT.EXE is: looked for in the program folder, its "erunt" subfolder and the install folder,
// a later hit winning over an earlier one (an install beats a copy beside the program). Empty when
// none holds it.
QString FindErunt(const QString &programFolder, const QString &installFolder);

// FindErunt for the running program.
QString finderunt();

} // namespace tessel
