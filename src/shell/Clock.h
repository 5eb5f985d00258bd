#pragma once

#include <QDate>
#include <QDateTime>

// Today's date for report headers and footers, and the time a lot was drawn; fixed in
// tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Now, to the minute; a clock that knows only the day gives its midnight.
    virtual QDateTime now() const { return QDateTime(today(), QTime(0, 0)); }
};
