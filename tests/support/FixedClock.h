#pragma once

#include "shell/Clock.h"

// A clock that always gives the same day.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDate& day = QDate(2026, 9, 13)) : m_day(day) {}
    QDate today() const override { return m_day; }

private:
    QDate m_day;
};
