#pragma once

#include "common/messages.h"

#include <QStringList>

#include <deque>

namespace tessel::test {

// Installs itself as the message port for its lifetime: records every text shown or asked and answers
// questions from a queue (No once the queue is empty).
class ScriptedMessages final : public MessagePort
{
public:
    struct Shown
    {
        QString message;
        QString detail;
        int x = -1;
        int y = -1;
    };

    ScriptedMessages()
        : previous_(InstalledMessagePort())
    {
        InstallMessagePort(this);
    }
    ~ScriptedMessages() override { InstallMessagePort(previous_); }
    ScriptedMessages(const ScriptedMessages &) = delete;
    ScriptedMessages &operator=(const ScriptedMessages &) = delete;

    void AnswerNext(bool yes) { answers_.push_back(yes); }

    void ShowInformation(const QString &message, const QString &detail, int x, int y) override
    {
        shown.push_back({message, detail, x, y});
    }
    bool AskVerify(const QString &message, const QString &detail) override
    {
        asked.push_back({message, detail});
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;

private:
    MessagePort *previous_;
    std::deque<bool> answers_;
};

} // namespace tessel::test
