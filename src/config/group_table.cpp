#include "config/group_table.h"

#include "common/paths.h"

#include <utility>

namespace tessel {

QString RegistryEntryTitle()
{
    return QStringLiteral("System Registry");
}

QString RegistryMarker()
{
    return QStringLiteral("-FIXED-");
}

QString RegistryBackupFolderName()
{
    return QStringLiteral("Registry Backup QV");
}

bool GroupTable::IsRegistryEntry(int index) const
{
    if (index < 0 || index >= groupcount || index >= kGroupSlots)
        return false;
    const tbackupgroup &group = groups[static_cast<std::size_t>(index)];
    if (group.empty())
        return false;
    return group.front().title == RegistryEntryTitle() && group.front().source.startsWith(RegistryMarker());
}

void GroupTable::addregistryentry(const QString &eruntpath, const QString &documentsfolder)
{
    if (groupcount >= 1 && IsRegistryEntry(0))
        return;
    // Readers stop at kMaxGroups, so a full table never reaches here; refuse rather than overflow.
    if (groupcount >= kGroupSlots)
        return;

    if (groupcount <= 0) {
        groupcount = 0;
        savedchecks = QStringLiteral("0");
    } else {
        for (int slot = groupcount; slot > 0; --slot)
            groups[static_cast<std::size_t>(slot)] = std::move(groups[static_cast<std::size_t>(slot - 1)]);
        savedchecks.prepend(QLatin1Char('0'));
    }
    ++groupcount;

    titemrecord entry;
    entry.title = RegistryEntryTitle();
    entry.source = RegistryMarker() + eruntpath;
    entry.dest = JoinPath(documentsfolder, RegistryBackupFolderName());
    entry.itemenabled = false;
    entry.keeppreviousversions = true;
    groups[0] = tbackupgroup{entry};
}

void GroupTable::freegroup(int gp)
{
    if (gp < 0 || gp >= kGroupSlots)
        return;
    tbackupgroup().swap(groups[static_cast<std::size_t>(gp)]);
}

void GroupTable::swapgroups(int first, int second)
{
    if (first < 0 || first >= kGroupSlots || second < 0 || second >= kGroupSlots)
        return;
    std::swap(groups[static_cast<std::size_t>(first)], groups[static_cast<std::size_t>(second)]);
    if (first < savedchecks.size() && second < savedchecks.size()) {
        const QChar firstCheck = savedchecks[first];
        savedchecks[first] = savedchecks[second];
        savedchecks[second] = firstCheck;
    }
}

void GroupTable::removegroup(int gp)
{
    if (gp < 0 || gp >= groupcount)
        return;
    for (int slot = gp; slot + 1 < groupcount; ++slot)
        groups[static_cast<std::size_t>(slot)] = std::move(groups[static_cast<std::size_t>(slot) + 1]);
    freegroup(groupcount - 1);
    if (gp < savedchecks.size())
        savedchecks.remove(gp, 1);
    --groupcount;
}

void GroupTable::clear()
{
    for (int slot = 0; slot < kGroupSlots; ++slot)
        freegroup(slot);
    groupcount = 0;
    savedchecks.clear();
}

} // namespace tessel
