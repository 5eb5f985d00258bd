#include "shell/AppGlobals.h"

#include <QDir>

AppGlobals::AppGlobals() = default;

AppGlobals::~AppGlobals() = default;

AppGlobals& AppGlobals::instance()
{
    static AppGlobals globals;
    return globals;
}

QString AppGlobals::joinPath(const QString& folder, const QString& fileName)
{
    return folder + QDir::separator() + fileName;
}
