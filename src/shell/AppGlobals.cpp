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
    const QString path = folder + QLatin1Char('/') + fileName;
#ifdef Q_OS_WIN
    // A folder written the Windows way (as shown to the user) gets a path written alike.
    if (folder.contains(QLatin1Char('\\')))
        return QDir::toNativeSeparators(path);
#endif
    return path;
}
