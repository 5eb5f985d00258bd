#pragma once

#include <QString>

// Fixed facts about the program: its name (the title of every user message) and version.
namespace AppInfo {
inline QString appNamn()
{
    return QStringLiteral("Valsit");
}
inline QString productName()
{
    return QStringLiteral("Valsit");
}
inline QString version()
{
    return QStringLiteral(VALSIT_VERSION);
}
} // namespace AppInfo
