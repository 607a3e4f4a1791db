#pragma once

#include "engine/run_counters.h"
#include "engine/run_view.h"
#include "platform/directory_listing.h"

#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <deque>

namespace tessel {
class BackupLog;
}

// The folder engine: turns one backup item into copies and deletions. It walks the source breadth first
// through a queue of folders, mirrors deletions into the destination when the item asks for it, compares
// every file with its destination copy and copies what is to be copied. Everything it does is counted
// into the run counters, reported to the run view and, with verbose logging, written to the backup log.
namespace tessel::engine {

inline constexpr char kAllEntriesPattern[] = "*.*";
inline constexpr char kChangedFolderMarker[] = " -QV changed folder-|";
inline constexpr char kStampSuffixPrefix[] = " - QV - ";
inline constexpr int kFilesLabelEvery = 33;
inline constexpr quint64 kDisplayThreshold = 51200; // larger files are named in the window while copied

// The folder's place in the parallel tree named with the run's stamp: the destination root with the
// suffix appended, then the rest of folder (unchanged when folder does not lie under the root).
QString timestampedfolder(const QString &folder, const QString &destinationRoot, const QString &stampSuffix);

class FolderEngine
{
public:
    FolderEngine(truncounters &counters, RunView &view, BackupLog &log);

    // Runs one item: source is a folder, a pattern (folder part + a name with "*" or "?") or one file;
    // copytype 0 is plain copy, 1 copy only if newer; any non-zero propagate mirrors deletions.
    void process(const QString &source, const QString &dest, quint8 copytype, bool recurse, quint8 propagate,
                 bool keepprev, bool forcetimestamp);

    // Copies one file (or recreates one link) and counts the outcome; size and kind come from the scan.
    void copythefile(const QString &source, const QString &destination, quint64 sourceSize,
                     platform::EntryKind kind = platform::EntryKind::File);

    // Removes a destination folder tree; true when it is gone at the end.
    bool MyDeleteDirectory(const QString &path, bool recycle);

    // Pending window messages run at most this often (tests set zero to see every chance to stop).
    void SetMessageInterval(std::chrono::milliseconds interval) { messageInterval_ = interval; }

private:
    struct Folder; // one folder being compared: its listing and whether a stop was seen in it

    void MyCompareAndCopyFilesInFolder(const QString &rootfolder, const QString &destfolder,
                                       const QString &pattern, quint8 copytype, bool recurse, bool recycle,
                                       bool propagate, bool keepprev, bool changedroot, bool isSourceRoot);
    bool shouldcopy(const platform::DirectoryEntry &source, const QString &destination, quint8 copytype);
    void CopyMatchingFile(const QString &rootfolder, const QString &destfolder,
                          const platform::DirectoryEntry &entry, quint8 copytype, bool keepprev);
    void QueueSubfolders(const QString &rootfolder, Folder &folder, bool changedroot);
    bool EnsureDestinationFolder(const QString &folder);

    // Deletion propagation.
    void DeletionPhase(const QString &rootfolder, const QString &destfolder, Folder &folder, bool recurse,
                       bool recycle, bool isSourceRoot);
    void deletefoldercontents(const QString &path, bool recycle);
    bool DeleteEntry(const QString &path, platform::EntryKind kind, bool recycle);

    // Window and run-state helpers.
    void checkstop(Folder &folder);
    void LetMessagesRun();
    void LetMessagesRunNow();
    void showcopying(const QString &text);
    void ShowFileLabel(const QString &path);
    void ClearFileLabel();
    void SetProgress(int percent);
    void AddFailedFolder(const QString &text);
    bool IsOlderThanLatestOnlyWindow(const timespec &mtime) const;

    truncounters &counters_;
    RunView &view_;
    BackupLog &log_;

    std::deque<QString> folderqueue_; // folders waiting for their turn; handled ones are dropped
    QString destinationRoot_;
    QString stampSuffix_;
    QSet<QString> failedFolderTexts_; // case-folded "Folder: " entries already listed

    std::chrono::milliseconds messageInterval_{25};
    QElapsedTimer sinceMessages_;
    // What the labels show now, so that unchanged texts are not sent again for every file.
    QString copyingText_;
    bool copyingShown_ = false;
    bool fileLabelEmpty_ = false;
    int progress_ = -1;
};

} // namespace tessel::engine
