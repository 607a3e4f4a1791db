#include "engine/folder_engine.h"

#include "common/clock.h"
#include "common/text_format.h"
#include "engine/folder_engine_internal.h"
#include "platform/file_status.h"

namespace tessel::engine {

FolderEngine::FolderEngine(truncounters &counters, RunView &view, BackupLog &log)
    : counters_(counters)
    , view_(view)
    , log_(log)
{
    sinceMessages_.start();
}

void FolderEngine::checkstop(Folder &folder)
{
    if (!counters_.stoprequested)
        return;
    view_.SetQuitCaption(QStringLiteral("&Quit"));
    folder.stopped = true;
}

void FolderEngine::LetMessagesRun()
{
    // Serving the window for every file would cost more than copying small files; by time, it stays
    // responsive whatever the files are like.
    if (sinceMessages_.elapsed() < messageInterval_.count())
        return;
    LetMessagesRunNow();
}

void FolderEngine::LetMessagesRunNow()
{
    view_.ProcessPendingMessages();
    sinceMessages_.restart();
}

void FolderEngine::showcopying(const QString &text)
{
    if (copyingShown_ && copyingText_ == text)
        return;
    view_.showcopying(text);
    copyingText_ = text;
    copyingShown_ = true;
}

void FolderEngine::ShowFileLabel(const QString &path)
{
    const QString shown = ShortenPath(
        path, [this](const QString &text) { return view_.FileLabelTextWidth(text); }, view_.FileLabelWidth());
    view_.SetLabelText(RunLabel::filelabel, shown, path);
    fileLabelEmpty_ = false;
}

void FolderEngine::ClearFileLabel()
{
    if (fileLabelEmpty_)
        return;
    view_.SetLabelText(RunLabel::filelabel, QString(), QString());
    fileLabelEmpty_ = true;
}

void FolderEngine::SetProgress(int percent)
{
    if (percent == progress_)
        return;
    view_.SetProgress(percent);
    progress_ = percent;
}

void FolderEngine::AddFailedFolder(const QString &text)
{
    const QString key = text.toCaseFolded();
    if (failedFolderTexts_.contains(key))
        return;
    failedFolderTexts_.insert(key);
    counters_.failedentries.append(text);
}

bool FolderEngine::IsOlderThanLatestOnlyWindow(const timespec &mtime) const
{
    // Both sides in local wall-clock seconds, the file's to the two seconds its packed age resolves.
    const QDateTime now = CurrentDateTime();
    const qint64 nowLocal = now.toSecsSinceEpoch() + now.offsetFromUtc();
    qint64 fileLocal = platform::LocalSecondsSinceEpoch(mtime);
    fileLocal -= ((fileLocal % 2) + 2) % 2;
    return fileLocal < nowLocal - 24 * 60 * 60;
}

QString timestampedfolder(const QString &folder, const QString &destinationRoot, const QString &stampSuffix)
{
    const QString trimmedFolder = folder.trimmed();
    QString root = destinationRoot.trimmed();
    if (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    if (root.isEmpty() || !trimmedFolder.startsWith(root))
        return folder;
    return root + stampSuffix + trimmedFolder.mid(root.size());
}

} // namespace tessel::engine
