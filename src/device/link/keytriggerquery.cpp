#include "keytriggerquery.h"

std::optional<KeyTriggerQuery::KeyPos> KeyTriggerQuery::ask(KeyPos key, Clock::time_point now)
{
    if (m_inFlight && now - m_askedAt > kAnswerTimeout) {
        // The keyboard never answered; this click replaces whatever waited.
        m_inFlight = false;
        m_waiting.reset();
    }
    if (m_inFlight) {
        m_waiting = key;
        return std::nullopt;
    }
    m_inFlight = true;
    m_askedAt = now;
    return key;
}

bool KeyTriggerQuery::answer(Clock::time_point now, std::optional<KeyPos> *next)
{
    const bool timely = m_inFlight && now - m_askedAt <= kAnswerTimeout;
    const bool show = timely && !m_waiting;
    m_inFlight = false;
    const std::optional<KeyPos> key = sendNext(now);
    if (next)
        *next = key;
    return show;
}

std::optional<KeyTriggerQuery::KeyPos> KeyTriggerQuery::expire(Clock::time_point now)
{
    if (!m_inFlight || now - m_askedAt <= kAnswerTimeout)
        return std::nullopt;
    m_inFlight = false;
    return sendNext(now);
}

std::optional<KeyTriggerQuery::KeyPos> KeyTriggerQuery::sendNext(Clock::time_point now)
{
    if (!m_waiting)
        return std::nullopt;
    const KeyPos key = *m_waiting;
    m_waiting.reset();
    m_inFlight = true;
    m_askedAt = now;
    return key;
}

void KeyTriggerQuery::clear()
{
    m_inFlight = false;
    m_waiting.reset();
}
