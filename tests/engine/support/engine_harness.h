#pragma once

#include "engine/folder_engine.h"
#include "log/backup_log.h"
#include "support/file_tree.h"
#include "support/recording_run_view.h"

#include <QFile>
#include <QTemporaryDir>

namespace tessel::test {

// One engine with its run counters, a recording view and a backup log in a temporary folder. Messages
// run at every chance, so a test can press Stop at an exact point through view.onPump.
struct EngineHarness
{
    EngineHarness()
        : log(logFolder.path() + QStringLiteral("/BACKUPLOG.TXT"), true)
        , engine(counters, view, log)
    {
        engine.SetMessageInterval(std::chrono::milliseconds(0));
    }

    // The log's lines without their time stamps.
    QStringList LogTexts() const
    {
        QFile file(log.logfilename());
        QStringList texts;
        if (!file.open(QIODevice::ReadOnly))
            return texts;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).remove(QLatin1Char('\r'));
            const qsizetype separator = text.indexOf(QLatin1String(" : "));
            if (!text.isEmpty())
                texts.append(separator < 0 ? text : text.mid(separator + 3));
        }
        return texts;
    }

    QTemporaryDir logFolder;
    engine::truncounters counters;
    RecordingRunView view;
    BackupLog log;
    engine::FolderEngine engine;
};

} // namespace tessel::test
