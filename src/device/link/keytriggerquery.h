#pragma once

#include <QPair>

#include <chrono>
#include <optional>

// Keeps one key-settings question to the keyboard in flight. The keyboard's answer names no key, so
// an answer counts only for the question in flight, and only while no newer click waits: a newer
// click makes the answer stale (the user no longer looks at that key). A question unanswered
// within the timeout is given up, and the newest waiting click is asked instead.
class KeyTriggerQuery
{
public:
    using Clock = std::chrono::steady_clock;
    using KeyPos = QPair<int, int>; // (row, column)
    static constexpr std::chrono::milliseconds kAnswerTimeout{500};

    // A click on a key: the key to ask now, or nothing while a question is in flight (the click
    // then waits, replacing any earlier waiting one).
    std::optional<KeyPos> ask(KeyPos key, Clock::time_point now);
    // An answer arrived. True when it is to be shown. `next` gets the waiting key to ask now.
    bool answer(Clock::time_point now, std::optional<KeyPos> *next);
    // Gives up an unanswered question after the timeout; returns the waiting key to ask now.
    std::optional<KeyPos> expire(Clock::time_point now);
    bool inFlight() const { return m_inFlight; }
    void clear();

private:
    std::optional<KeyPos> sendNext(Clock::time_point now);

    bool m_inFlight = false;
    Clock::time_point m_askedAt;
    std::optional<KeyPos> m_waiting;
};
