#pragma once

#include "config/backup_item.h"

#include <QString>

#include <array>
#include <vector>

namespace tessel {

// A backup group: position 0 is the title record (its title is the group's name), positions 1 to n
// are the items in the order they run. A group may have no items.
using tbackupgroup = std::vector<titemrecord>;

// The user may not add a group once this many exist (the registry entry counts).
inline constexpr int kMaxGroups = 100;
// One slot more than kMaxGroups, so the registry entry still fits in front of 100 groups read from a
// settings file.
inline constexpr int kGroupSlots = kMaxGroups + 1;

// The registry entry's title, and the marker its source starts with (followed by the path of ERUNT.EXE).
QString RegistryEntryTitle();
QString RegistryMarker();
// The registry entry's default destination folder, inside the documents folder.
QString RegistryBackupFolderName();

// The table of backup groups: slots 0 to groupcount - 1 are in use, in the order of the main window's
// group list; the rest are empty. Slot 0 holds the fixed registry entry once addregistryentry has run.
struct GroupTable
{
    std::array<tbackupgroup, kGroupSlots> groups;
    int groupcount = 0;
    // Checked state per group in table order, "1" checked, "0" not: read from the settings file and
    // written back by savedata. The main window keeps its rows' checks in it before saving.
    QString savedchecks;

    // True when index is a slot in use whose title record is titled exactly "System Registry" and whose
    // source starts with "-FIXED-". A group the user names "System Registry" is an ordinary group.
    bool IsRegistryEntry(int index) const;

    // Puts a new, unchecked registry entry in slot 0 when slot 0 does not hold one, moving every group
    // (and its checked state) up by one. eruntpath is the found ERUNT.EXE or empty.
    void addregistryentry(const QString &eruntpath, const QString &documentsfolder);

    // Empties group gp; the slot stays where it is (the caller reuses it or moves later slots down).
    void freegroup(int gp);

    // Exchanges the contents of two slots (and their checked states in savedchecks).
    void swapgroups(int first, int second);

    // Deletes group gp: the later groups (and their checked states in savedchecks) move down by one slot.
    void removegroup(int gp);

    // Empties every slot; groupcount becomes 0.
    void clear();
};

} // namespace tessel
