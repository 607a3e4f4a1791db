#pragma once

#include <QStringList>
#include <QtGlobal>

// What one run has done so far, and the flags that steer it while it goes on. The main window owns one
// RunState for the program's life and hands it to every run; the engine only counts into it, the run
// start resets it and the run end turns it into the summary, the results and the report.
namespace tessel::engine {

struct truncounters
{
    quint64 filescopied = 0;    // files copied
    quint64 filesskipped = 0;   // files not copied because the destination copy was not older
    quint64 filesfailed = 0;    // files whose copy failed
    quint64 foldersfailed = 0;  // folders that could not be created, listed or safely mirrored
    quint64 filesprocessed = 0; // files looked at: copied, skipped or failed
    quint64 foldersdeleted = 0; // destination folders deleted
    quint64 filesdeleted = 0;   // destination files deleted

    // The "File: " and "Folder: " texts of failures, in the order they happened.
    QStringList failedentries;

    bool stoprequested = false; // the user pressed Stop; the engine winds down at its next check
    bool lowdiskfile = false;   // the last failed copy found too little free space
    bool lowdiskrun = false;    // some copy of this run failed for lack of space
    bool latestonly = false;    // only files and folders changed in the last day (decided at run start)

    // Zero counters, empty list, flags cleared; latestonly is decided separately by the run start.
    void ResetForRun()
    {
        const bool keepLatestOnly = latestonly;
        *this = truncounters();
        latestonly = keepLatestOnly;
    }
};

struct RunState
{
    truncounters counters;
    bool backingup = false; // a run is in progress: every further run request only beeps
};

} // namespace tessel::engine
