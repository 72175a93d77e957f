#include "keytriggerquery.h"

#include <gtest/gtest.h>

namespace {

using Clock = KeyTriggerQuery::Clock;
using std::chrono::milliseconds;

TEST(KeyTriggerQuery, OneQuestionInFlightAndAnswersForEarlierClicksDropped)
{
    const Clock::time_point t0 = Clock::now();
    struct Step
    {
        const char *what;
        int at;           // ms after t0
        int click;        // key column clicked, -1: an answer arrives, -2: the timeout check
        int expectAsk;    // column asked now, -1 none
        bool expectShown; // for answers
    };
    const Step steps[] = {
        {"first click is asked", 0, 1, 1, false},
        {"second click waits", 10, 2, -1, false},
        {"third click replaces the waiting one", 20, 3, -1, false},
        {"answer for key 1 is stale; key 3 is asked", 50, -1, 3, false},
        {"answer for key 3 is shown", 80, -1, -1, true},
        {"an answer nobody asked for is dropped", 90, -1, -1, false},
        {"next click is asked at once", 100, 4, 4, false},
        {"click while waiting", 150, 5, -1, false},
        {"no answer: after the timeout the waiting click is asked", 700, -2, 5, false},
        {"the late answer arrives after the timeout of key 5's question", 1300, -1, -1, false},
    };
    KeyTriggerQuery q;
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        const Clock::time_point now = t0 + milliseconds(s.at);
        std::optional<KeyTriggerQuery::KeyPos> asked;
        if (s.click >= 0) {
            asked = q.ask({0, s.click}, now);
        } else if (s.click == -1) {
            EXPECT_EQ(q.answer(now, &asked), s.expectShown);
        } else {
            asked = q.expire(now);
        }
        if (s.expectAsk < 0)
            EXPECT_FALSE(asked.has_value());
        else
            EXPECT_EQ(asked, std::make_optional(KeyTriggerQuery::KeyPos(0, s.expectAsk)));
    }
}

TEST(KeyTriggerQuery, ClickAfterAnUnansweredQuestionIsAskedAndForgetsOlderClicks)
{
    const Clock::time_point t0 = Clock::now();
    KeyTriggerQuery q;
    ASSERT_TRUE(q.ask({1, 1}, t0));
    EXPECT_FALSE(q.ask({1, 2}, t0 + milliseconds(10)));
    const auto asked = q.ask({1, 3}, t0 + milliseconds(900));
    EXPECT_EQ(asked, std::make_optional(KeyTriggerQuery::KeyPos(1, 3)));
    std::optional<KeyTriggerQuery::KeyPos> next;
    EXPECT_TRUE(q.answer(t0 + milliseconds(950), &next));
    EXPECT_FALSE(next.has_value()) << "key (1, 2) was replaced by the newer click";
}

} // namespace
