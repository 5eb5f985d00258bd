#pragma once

#include <QDate>

// Today's date for report headers and footers; fixed in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};
