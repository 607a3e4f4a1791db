#include "common/paths.h"
#include "engine/folder_engine.h"
#include "engine/folder_engine_internal.h"
#include "log/backup_log.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"

#include <vector>

namespace tessel::engine {
namespace {

using platform::DirectoryEntry;
using platform::EntryKind;

// Names are matched without regard to case: Report.DOC at the destination stands for report.doc.
QString MatchKey(const QString &name)
{
    return name.toCaseFolded();
}

} // namespace

bool FolderEngine::DeleteEntry(const QString &path, EntryKind kind, bool recycle)
{
    // A link is removed as a link: the trash would have to look through it to find its file system.
    if (kind == EntryKind::Link || !recycle)
        return platform::RemoveFile(path);
    return platform::MoveToTrash(path);
}

void FolderEngine::DeletionPhase(const QString &rootfolder, const QString &destfolder, Folder &folder,
                                 bool recurse, bool recycle, bool isSourceRoot)
{
    std::vector<DirectoryEntry> destination;
    platform::ListDirectory(destfolder, platform::ListDetail::KindOnly, destination);

    // A detached drive leaves its mount folder behind, empty: mirroring that would empty the backup.
    if (isSourceRoot && folder.entries.empty() && !destination.empty()) {
        ++counters_.foldersfailed;
        counters_.failedentries.append(
            QStringLiteral("Folder: ") + StripBackslash(rootfolder) +
            QStringLiteral("    - [the source folder is empty; nothing was deleted]"));
        return;
    }

    QSet<QString> sourceNames;
    sourceNames.reserve(qsizetype(folder.entries.size()));
    for (const DirectoryEntry &entry : folder.entries) {
        if (entry.status.kind == EntryKind::Folder)
            continue;
        sourceNames.insert(MatchKey(entry.name));
        checkstop(folder);
        if (folder.stopped)
            break;
    }

    std::vector<const DirectoryEntry *> destinationFiles;
    if (!folder.stopped) {
        for (const DirectoryEntry &entry : destination) {
            if (entry.status.kind == EntryKind::Folder)
                continue;
            destinationFiles.push_back(&entry);
            LetMessagesRun();
            checkstop(folder);
            if (folder.stopped)
                break;
        }
    }

    if (!folder.stopped) {
        for (size_t index = 0; index < destinationFiles.size(); ++index) {
            const DirectoryEntry &entry = *destinationFiles[index];
            if (!sourceNames.contains(MatchKey(entry.name))) {
                const QString path = JoinPath(destfolder, entry.name);
                if (DeleteEntry(path, entry.status.kind, recycle)) {
                    ++counters_.filesdeleted;
                } else {
                    platform::MakeOwnerWritable(path);
                    if (DeleteEntry(path, entry.status.kind, recycle)) {
                        ++counters_.filesdeleted;
                        log_.logDeleted(path);
                    }
                }
                showcopying(QStringLiteral("Deleting: "));
                ShowFileLabel(path);
                LetMessagesRun();
            } else if (index % 10 == 0) {
                LetMessagesRun();
            }
            if (index % 100 == 0) {
                showcopying(QStringLiteral("Comparing"));
                LetMessagesRun();
                checkstop(folder);
                if (folder.stopped)
                    break;
                view_.SetLabelText(RunLabel::filelabel,
                                   (index / 100) % 2 ? QStringLiteral(".") : QStringLiteral("..."));
                fileLabelEmpty_ = false;
                LetMessagesRun();
            }
        }
    }

    if (folder.stopped || !recurse)
        return;
    QSet<QString> sourceFolders;
    for (const DirectoryEntry &entry : folder.entries) {
        if (entry.status.kind != EntryKind::Folder)
            continue;
        sourceFolders.insert(MatchKey(entry.name));
        checkstop(folder);
    }
    std::vector<const DirectoryEntry *> destinationFolders;
    for (const DirectoryEntry &entry : destination) {
        if (entry.status.kind != EntryKind::Folder)
            continue;
        destinationFolders.push_back(&entry);
        checkstop(folder);
    }
    if (folder.stopped)
        return;
    for (const DirectoryEntry *entry : destinationFolders)
        if (!sourceFolders.contains(MatchKey(entry->name)))
            MyDeleteDirectory(JoinPath(destfolder, entry->name), recycle);
}

bool FolderEngine::MyDeleteDirectory(const QString &path, bool recycle)
{
    if (counters_.stoprequested)
        return false;
    // Never through a link: a link in the destination may point at anything of the user's.
    if (!platform::IsRealFolder(path))
        return false;
    showcopying(QStringLiteral("Deleting: "));
    ShowFileLabel(path);
    LetMessagesRun();
    if (platform::RemoveEmptyFolder(path)) {
        ++counters_.foldersdeleted;
        log_.logDeletedFolder(path);
        return true;
    }
    deletefoldercontents(path, recycle);
    ShowFileLabel(path);
    LetMessagesRun();
    if (platform::RemoveEmptyFolder(path)) {
        ++counters_.foldersdeleted;
        return true;
    }
    return false;
}

void FolderEngine::deletefoldercontents(const QString &path, bool recycle)
{
    std::vector<DirectoryEntry> entries;
    platform::ListDirectory(path, platform::ListDetail::FullStatus, entries);
    for (const DirectoryEntry &entry : entries) {
        if (counters_.stoprequested)
            break;
        if (entry.status.kind == EntryKind::Folder)
            continue;
        const QString full = JoinPath(path, entry.name);
        if (entry.status.size > kDisplayThreshold)
            ShowFileLabel(full);
        LetMessagesRun();
        if (DeleteEntry(full, entry.status.kind, recycle)) {
            ++counters_.filesdeleted;
        } else {
            platform::MakeOwnerWritable(full);
            if (DeleteEntry(full, entry.status.kind, recycle)) {
                ++counters_.filesdeleted;
                log_.logDeletedInFolder(full);
            }
        }
    }
    for (const DirectoryEntry &entry : entries) {
        if (counters_.stoprequested)
            break;
        if (entry.status.kind != EntryKind::Folder)
            continue;
        const QString sub = JoinPath(path, entry.name);
        platform::MakeOwnerWritable(sub);
        MyDeleteDirectory(sub, recycle);
        if (platform::RemoveEmptyFolder(sub)) {
            ++counters_.foldersdeleted;
            log_.logDeletedFolder(sub);
        }
    }
}

} // namespace tessel::engine
