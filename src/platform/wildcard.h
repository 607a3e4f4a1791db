#pragma once

#include <QString>

// File-name patterns as users write them: "*" any run of characters, "?" exactly one, letters compared
// without regard to case, and "*.*" every name (also names without a dot).
namespace tessel::platform {

bool HasWildcard(const QString &pattern);
bool MatchesWildcard(const QString &name, const QString &pattern);

} // namespace tessel::platform
