#pragma once

#include "shell/Clock.h"

class SystemClock : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override
    {
        const QDateTime now = QDateTime::currentDateTime();
        return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
    }
};
