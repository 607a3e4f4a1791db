#pragma once

#include <QString>

namespace tessel {

inline QString ApplicationTitle()
{
    return QStringLiteral("Quorlan's Tessel Backup");
}

inline QString ApplicationVersion()
{
    return QStringLiteral("1.85");
}

} // namespace tessel
