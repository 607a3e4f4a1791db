#pragma once

#include <QString>

#include <cstdint>

namespace tessel {

// Whether files and folders missing from an item's source are deleted from its destination.
// The numbers are what the settings file stores.
enum tpropagate : std::uint8_t {
    nopropagate = 0,   // never
    propagateonce = 1, // on the next group run, which then sets the item back to nopropagate
    dopropagate = 2,   // on every run
};

// One backup item. Position 0 of a group holds the group's title record, whose title is the group's
// name. For a copy item source and dest are the folders (or file, or pattern) to copy; for a program
// item (executefile) source is the program and dest its parameters; for the registry entry source is
// "-FIXED-" followed by the path of ERUNT.EXE and dest the folder that receives registry backups.
struct titemrecord
{
    QString title;
    QString source;
    QString dest;
    std::uint8_t btype = 0; // 0 plain copy, 1 copy only if newer
    bool itemenabled = false;
    bool recurse = false;
    bool keeppreviousversions = false;
    tpropagate propagatedeletions = nopropagate;
    bool executefile = false;

    friend bool operator==(const titemrecord &, const titemrecord &) = default;
};

inline constexpr std::uint8_t kPlainCopy = 0;
inline constexpr std::uint8_t kCopyIfNewer = 1;

} // namespace tessel
