#pragma once

#include "engine/run_view.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

namespace tessel::test {

// A run view that remembers what the engine told it. onPump runs inside every "let messages run", where
// a real window would let the user press Pause or Stop.
class RecordingRunView final : public engine::RunView
{
public:
    void SetLabelText(engine::RunLabel label, const QString &text, const QString &hint) override
    {
        labels[label] = text;
        hints[label] = hint;
        labelHistory[label].append(text);
    }
    void SetCopyingLabelVisible(bool visible) override { copyingVisible = visible; }
    void updatenumfileslabel(quint64 filesprocessed) override { numFilesShown.push_back(filesprocessed); }
    void SetProgress(int percent) override { progress.push_back(percent); }
    void SetQuitCaption(const QString &caption) override { quitCaption = caption; }
    void ProcessPendingMessages() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    void busybeep() override { ++beeps; }
    void ShowLowDiskSpaceNotice() override { ++lowDiskNotices; }
    // One pixel per character, so shortening is easy to predict.
    int FileLabelTextWidth(const QString &text) const override { return int(text.size()); }
    int FileLabelWidth() const override { return fileLabelWidth; }

    std::map<engine::RunLabel, QString> labels;
    std::map<engine::RunLabel, QString> hints;
    std::map<engine::RunLabel, QStringList> labelHistory;
    bool copyingVisible = false;
    std::vector<quint64> numFilesShown;
    std::vector<int> progress;
    QString quitCaption;
    int pumps = 0;
    int beeps = 0;
    int lowDiskNotices = 0;
    int fileLabelWidth = 1000;
    std::function<void()> onPump;
};

} // namespace tessel::test
