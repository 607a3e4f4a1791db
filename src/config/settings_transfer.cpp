#include "config/settings_transfer.h"

#include "common/messages.h"
#include "common/paths.h"
#include "config/settings_file.h"
#include "platform/file_name_codec.h"

#include <sys/stat.h>

namespace tessel {
namespace {

bool EntryExists(const QString &path)
{
    struct stat info
    {
    };
    return ::lstat(platform::EncodeFileName(path).constData(), &info) == 0;
}

} // namespace

ImportOutcome importsettings(ProgramState &state, const QString &chosenFile)
{
    if (!EntryExists(chosenFile)) {
        ShowInformation(QStringLiteral("File does not exist"));
        return ImportOutcome::Unchanged;
    }
    if (!AskVerify(QStringLiteral("Warning: By importing a backup settings file you will lose all currently "
                                  "existing backup settings.   Continue?")))
        return ImportOutcome::Unchanged;
    // The current settings must be on disk before they are dropped: if that fails, importing would
    // lose them with no way back (the failure has been shown).
    if (!savedata(state, state.datafilename, false))
        return ImportOutcome::Unchanged;

    for (int gp = 0; gp < kGroupSlots; ++gp)
        state.freegroup(gp);
    state.groupcount = 0;

    // A file without any group (the wrong file chosen) would otherwise leave only the registry entry
    // and silently drop every group.
    int groupsInFile = 0;
    const bool read = ReadSettings(state, chosenFile, groupsInFile);
    if (!read || groupsInFile <= 0 || state.groupcount <= 0) {
        readdata(state, state.datafilename);
        ShowInformation(QStringLiteral("Could not import backup settings"));
        return ImportOutcome::Restored;
    }
    ShowInformation(QStringLiteral("Backup settings have been successfully imported"));
    return ImportOutcome::Imported;
}

bool exportsettings(const ProgramState &state, const QString &folder)
{
    const QString target = JoinPath(folder, ExportFileName());
    if (EntryExists(target) && !AskVerify(QStringLiteral("File already exists. Overwrite?"), target))
        return false;
    if (!savedata(state, target, true))
        return false;
    ShowInformation(QStringLiteral("Backup settings have been exported as: \r\r") + target);
    return true;
}

} // namespace tessel
