#include "common/system_error.h"
#include "engine/folder_engine.h"
#include "log/backup_log.h"
#include "platform/file_copy.h"
#include "platform/file_status.h"

#include <cmath>

namespace tessel::engine {
namespace {

QString FolderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

void FolderEngine::copythefile(const QString &source, const QString &destination, quint64 sourceSize,
                               platform::EntryKind kind)
{
    SetProgress(0);
    counters_.lowdiskfile = false;
    if (sourceSize > kDisplayThreshold) {
        view_.SetLabelText(RunLabel::copyinglabel, QStringLiteral("Copying: "));
        view_.SetCopyingLabelVisible(true);
        copyingText_ = QStringLiteral("Copying: ");
        copyingShown_ = true;
        ShowFileLabel(source);
    }
    // Pause and Stop pressed just before this file are seen before it starts.
    LetMessagesRun();

    platform::CopyResult result;
    if (kind == platform::EntryKind::Link) {
        result = platform::CopyLinkReplacing(source, destination);
    } else {
        result = platform::CopyFileReplacing(source, destination, [this](quint64 total, quint64 copied) {
            if (total != 0)
                SetProgress(int(std::lround(double(copied) / double(total) * 100.0)));
            LetMessagesRun();
            return !counters_.stoprequested;
        });
    }

    if (result.status == platform::CopyStatus::Copied) {
        if (!counters_.stoprequested) {
            ++counters_.filescopied;
            log_.logCopied(source);
        }
    } else if (!counters_.stoprequested) {
        // A cancel is only ever asked for by Stop; anything else that failed is the file's failure.
        const QString errorText = SystemErrorText(result.error);
        ++counters_.filesfailed;
        counters_.failedentries.append(QStringLiteral("File: ") + source + QLatin1Char('\r') +
                                       QStringLiteral("    - [") + errorText + QLatin1Char(']'));
        log_.logFailedToCopy(source, errorText);
        // Lack of space is inferred: the file did not fit into what the destination has left.
        const qint64 freeBytes = platform::FreeBytes(FolderOf(destination));
        const auto current = platform::StatNoFollow(source);
        if (freeBytes != -1 && current && freeBytes < qint64(current->size)) {
            counters_.lowdiskfile = true;
            counters_.lowdiskrun = true;
        }
    }
    LetMessagesRun();
}

} // namespace tessel::engine
