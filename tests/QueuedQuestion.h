#pragma once
// Test double for the runner's overwrite question: answers come from a queue (No when it is empty)
// and every question asked is recorded.

#include "core/Question.h"

#include <QQueue>
#include <QStringList>

#include <functional>

namespace clipvane {

class TQueuedQuestion final : public TQuestion {
public:
    QQueue<bool> answers;
    QStringList asked;
    // Runs while the question is up, as a user could act then.
    std::function<void()> whileAsked;

    bool AskYesNo(const std::string& text) override {
        asked.append(QString::fromStdString(text));
        if (whileAsked)
            whileAsked();
        return !answers.isEmpty() && answers.dequeue();
    }
};

} // namespace clipvane
