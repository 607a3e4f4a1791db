#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Copies that never leave a half-written file under the destination's name: the data goes to a
// temporary file in the destination folder, which gets the source's modification time (to the
// nanosecond) and permission bits and is then renamed over the destination. Cancel or failure removes
// the temporary file; an older destination copy stays as it was.
namespace tessel::platform {

enum class CopyStatus { Copied, Failed, Cancelled };

struct CopyResult
{
    CopyStatus status = CopyStatus::Failed;
    int error = 0; // errno when Failed
};

// Told the total and the bytes copied so far after every chunk; answering false cancels the copy.
using CopyProgress = std::function<bool(quint64 total, quint64 copied)>;

// Copies a regular file. The source is opened without following a link and must be a regular file.
CopyResult CopyFileReplacing(const QString &source, const QString &destination, const CopyProgress &progress);

// Recreates the symbolic link source at destination (pointing where source points, with its time).
CopyResult CopyLinkReplacing(const QString &source, const QString &destination);

// The prefix of the temporary names copies use, so leftovers of a crash can be recognised.
inline constexpr char kTemporaryCopyPrefix[] = ".tessel-partial-";

} // namespace tessel::platform
