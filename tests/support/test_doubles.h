#pragma once

// Plain stand-ins for the window's services: message boxes answered from a script, a clock that
// shows what it is told.

#include "host/clock.h"
#include "host/message_host.h"

#include <deque>
#include <string>
#include <vector>

namespace kvor::test {

// Message boxes that are never shown: every text is kept, with its detail; questions are answered
// from a queue (Yes when it is empty).
class ScriptedMessages final : public MessageHost {
public:
    void info(std::string_view text, std::string_view detail = {}) override {
        shown.emplace_back(text);
        details.emplace_back(detail);
    }
    bool askYesNo(std::string_view text) override {
        shown.emplace_back(text);
        ++questions;
        if (answers.empty()) return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    // Counted apart from the other texts; answered from a queue, "Не сохранять" when it is empty.
    SaveAnswer askToSave(std::string_view) override {
        ++saveQuestions;
        if (saveAnswers.empty()) return SaveAnswer::Discard;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::vector<std::string> details; // of the texts shown by info()
    std::deque<bool> answers;
    int questions = 0;
    std::deque<SaveAnswer> saveAnswers;
    int saveQuestions = 0;
};

class FixedClock final : public Clock {
public:
    double seconds() const override { return now; }
    double now = 1000;
};

} // namespace kvor::test
