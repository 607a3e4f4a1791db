#pragma once

#include "common/choosers.h"

#include <QFileDialog>
#include <QStringList>

#include <memory>

// The folder and file choosers of the window side, on Qt's own file dialog so that patterns match
// without regard to case ("*.INI" finds backupdata.ini) whatever desktop the user runs.
namespace tessel {

std::unique_ptr<ChooserPort> CreateFileChooserPort();

// "INI files|*.INI|All files|*.*" as the dialog's name filters. "*.*" means every file, also one
// without a dot.
QStringList DialogNameFilters(const QString &filter);

// The dialogs as they are shown, for the port and for tests.
std::unique_ptr<QFileDialog> CreateFolderDialog(const QString &title, const QString &initialFolder,
                                                bool allowNewFolder);
std::unique_ptr<QFileDialog> CreateOpenFileDialog(const QString &title, const QString &filter,
                                                  const QString &initialFolder);

} // namespace tessel
