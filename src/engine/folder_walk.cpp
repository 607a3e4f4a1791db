#include "common/paths.h"
#include "common/system_error.h"
#include "common/text_format.h"
#include "engine/folder_engine.h"
#include "engine/folder_engine_internal.h"
#include "log/backup_log.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/wildcard.h"

namespace tessel::engine {
namespace {

using platform::DirectoryEntry;
using platform::EntryKind;

bool IsExistingFolder(const QString &path)
{
    return FolderExists(path);
}

bool IsExistingFile(const QString &path)
{
    const auto status = platform::StatNoFollow(path);
    return status && status->kind != EntryKind::Folder;
}

// Everything up to and including the last "/".
QString FolderPart(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString LastName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A folder path as it is named in a failure text: without a trailing "/" unless it is the root.
QString FolderText(const QString &folder)
{
    const QString stripped = StripBackslash(folder);
    return stripped.isEmpty() ? folder : stripped;
}

} // namespace

void FolderEngine::process(const QString &sourceArgument, const QString &destArgument, quint8 copytype,
                           bool recurse, quint8 propagateArgument, bool keepprev, bool forcetimestamp)
{
    folderqueue_.clear();
    QString source = sourceArgument;
    QString dest = destArgument;
    if (!IsExistingFile(source) && !IsExistingFolder(source) && !IsExistingFolder(FolderPart(source)))
        return;
    if (source.isEmpty() || dest.isEmpty())
        return;

    // The run may have started afresh since the last item: remember only what this run has listed.
    failedFolderTexts_.clear();
    for (const QString &entry : std::as_const(counters_.failedentries))
        if (entry.startsWith(QLatin1String("Folder: ")))
            failedFolderTexts_.insert(entry.toCaseFolded());
    copyingShown_ = false;
    fileLabelEmpty_ = false;
    progress_ = -1;

    destinationRoot_.clear();
    stampSuffix_ = keepprev ? QLatin1String(kStampSuffixPrefix) + DateTimeStamp() : QString();

    bool propagate = propagateArgument != 0;
    QString pattern = QLatin1String(kAllEntriesPattern);
    if (!IsExistingFolder(source)) {
        pattern = LastName(source);
        source = FolderPart(source);
        if (platform::HasWildcard(pattern)) {
            propagate = false;
        } else {
            propagate = false;
            recurse = false;
        }
    }

    folderqueue_.push_back(source);
    const bool sourceIsFolder = IsExistingFolder(source);
    for (bool first = true; !folderqueue_.empty(); first = false) {
        QString entry = std::move(folderqueue_.front());
        folderqueue_.pop_front();
        bool changedroot = false;
        if (counters_.latestonly && entry.endsWith(QLatin1Char('|')) &&
            entry.endsWith(QLatin1String(kChangedFolderMarker))) {
            entry.chop(qsizetype(sizeof kChangedFolderMarker) - 1);
            changedroot = true;
        }

        QString destfolder;
        if (first && sourceIsFolder) {
            destfolder = StripBackslash(JoinPath(dest, LastName(source)));
            if (destfolder.isEmpty())
                destfolder = QStringLiteral("/");
            if (keepprev && (copytype == 0 || forcetimestamp))
                destfolder += stampSuffix_;
            dest = destfolder;
            destinationRoot_ = destfolder;
        } else if (first) {
            destfolder = dest;
        } else {
            QString rest = entry.mid(source.size());
            if (rest.startsWith(QLatin1Char('/')))
                rest.remove(0, 1);
            destfolder = JoinPath(dest, rest);
        }

        if (EnsureDestinationFolder(destfolder))
            MyCompareAndCopyFilesInFolder(entry, destfolder, pattern, copytype, recurse, true, propagate,
                                          keepprev, changedroot, first);
        if (counters_.stoprequested)
            break;
    }
}

bool FolderEngine::EnsureDestinationFolder(const QString &folder)
{
    if (IsExistingFolder(folder))
        return true;
    platform::MakeFolderPath(folder);
    if (IsExistingFolder(folder))
        return true;
    ++counters_.foldersfailed;
    AddFailedFolder(QStringLiteral("Folder: ") + folder);
    return false;
}

void FolderEngine::MyCompareAndCopyFilesInFolder(const QString &rootfolderArgument, const QString &destfolder,
                                                 const QString &pattern, quint8 copytype, bool recurse,
                                                 bool recycle, bool propagate, bool keepprev,
                                                 bool changedroot, bool isSourceRoot)
{
    Folder folder;
    if (counters_.latestonly)
        propagate = false;
    if (rootfolderArgument.isEmpty() || !IsExistingFolder(rootfolderArgument))
        return;
    const QString rootfolder = AddBackslash(rootfolderArgument);

    // One listing serves the deletion phase, the file loop and the subfolder scan. A folder that cannot
    // be listed completely is a failure, never an empty folder: nothing is deleted or copied for it.
    if (const int error =
            platform::ListDirectory(rootfolder, platform::ListDetail::FullStatus, folder.entries)) {
        ++counters_.foldersfailed;
        counters_.failedentries.append(QStringLiteral("Folder: ") + FolderText(rootfolder) +
                                       QStringLiteral("    - [") + SystemErrorText(error) + QLatin1Char(']'));
        return;
    }

    if (!folder.stopped && propagate && !keepprev)
        DeletionPhase(rootfolder, destfolder, folder, recurse, recycle, isSourceRoot);

    const bool everyName = pattern == QLatin1String(kAllEntriesPattern);
    for (const DirectoryEntry &entry : folder.entries) {
        if (folder.stopped)
            break;
        if (entry.status.kind == EntryKind::Folder)
            continue;
        if (!everyName && !platform::MatchesWildcard(entry.name, pattern))
            continue;
        if (entry.status.kind == EntryKind::Other) {
            // Reading a FIFO would block the run for good, and a device has no content to back up.
            if (log_.verboselogging())
                log_.writelog(QStringLiteral("Passed over ") + rootfolder + entry.name +
                              QStringLiteral("    - [not a regular file]"));
            continue;
        }
        if (counters_.latestonly && IsOlderThanLatestOnlyWindow(entry.status.mtime))
            continue;

        CopyMatchingFile(rootfolder, destfolder, entry, copytype, keepprev);

        ++counters_.filesprocessed;
        if (counters_.filesprocessed % kFilesLabelEvery == 0)
            view_.updatenumfileslabel(counters_.filesprocessed);
        SetProgress(0);
        ClearFileLabel();
        checkstop(folder);
        // A copy that failed for lack of space ends this folder's files; its subfolders still get a turn.
        if (counters_.lowdiskfile)
            break;
    }

    if (!folder.stopped && recurse)
        QueueSubfolders(rootfolder, folder, changedroot);
}

void FolderEngine::CopyMatchingFile(const QString &rootfolder, const QString &destfolder,
                                    const DirectoryEntry &entry, quint8 copytype, bool keepprev)
{
    const QString sourcePath = rootfolder + entry.name;
    const QString destinationName = JoinPath(destfolder, entry.name);
    if (!shouldcopy(entry, destinationName, copytype)) {
        ++counters_.filesskipped;
        return;
    }
    if (keepprev) {
        bool newerThanCopy = false;
        if (copytype != 0) {
            const auto existing = platform::StatNoFollow(destinationName);
            newerThanCopy = existing && existing->kind != EntryKind::Folder &&
                            platform::PackedLocalDateTime(entry.status.mtime) >
                                platform::PackedLocalDateTime(existing->mtime);
        }
        if (copytype == 0 || newerThanCopy) {
            QString target = destfolder;
            if (copytype != 0) {
                target = timestampedfolder(destfolder, destinationRoot_, stampSuffix_);
                if (!IsExistingFolder(target))
                    platform::MakeFolderPath(target);
            }
            copythefile(sourcePath, JoinPath(target, entry.name), entry.status.size, entry.status.kind);
            return;
        }
    }
    copythefile(sourcePath, destinationName, entry.status.size, entry.status.kind);
}

bool FolderEngine::shouldcopy(const DirectoryEntry &source, const QString &destination, quint8 copytype)
{
    showcopying(QStringLiteral("Comparing"));
    LetMessagesRun();
    if (copytype == 0)
        return true;
    const auto existing = platform::StatNoFollow(destination);
    bool copy = true;
    if (existing && existing->kind != EntryKind::Folder)
        copy = platform::PackedLocalDateTime(existing->mtime) <
               platform::PackedLocalDateTime(source.status.mtime);
    LetMessagesRun();
    return copy;
}

void FolderEngine::QueueSubfolders(const QString &rootfolder, Folder &folder, bool changedroot)
{
    // The scan runs to its end even after a stop; the walk itself ends after this folder.
    for (const DirectoryEntry &entry : folder.entries) {
        if (entry.status.kind != EntryKind::Folder)
            continue;
        if (!counters_.latestonly) {
            folderqueue_.push_back(rootfolder + entry.name);
        } else {
            if (!changedroot && IsOlderThanLatestOnlyWindow(entry.status.mtime))
                continue;
            folderqueue_.push_back(rootfolder + entry.name + QLatin1String(kChangedFolderMarker));
        }
        checkstop(folder);
    }
}

} // namespace tessel::engine
