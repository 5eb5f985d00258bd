#pragma once

#include <QString>

class MessageService;
class Clock;

// What must outlive a window: the application's globals. The windows and the engines
// read the report header (organisation and date) from here.
class AppGlobals
{
public:
    static AppGlobals& instance();

    QString OrgNamn;
    QString BestDatum;
    MessageService* messages = nullptr;
    Clock* clock = nullptr;
};
