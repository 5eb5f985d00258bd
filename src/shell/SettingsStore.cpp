#include "shell/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace {

QSettings* openStore()
{
    // The platform's own store (the registry on Windows, ~/.config on Linux) unless the
    // default format was changed, as the tests do on Windows to keep theirs in a file.
    auto* settings = new QSettings(QSettings::defaultFormat(), QSettings::UserScope,
                                   QStringLiteral("Tovrelia"), QStringLiteral("Valsit"));
    settings->beginGroup(QStringLiteral("Valsit"));
    return settings;
}

} // namespace

QString SettingsStore::defaultValue(const QString& key)
{
    if (key == QLatin1String("ValsitKat") || key == QLatin1String("ValsitNmn") ||
        key == QLatin1String("ChkNmnd"))
        return QStringLiteral("0");
    if (key == QLatin1String("MndFullm"))
        return QStringLiteral("41");
    if (key == QLatin1String("MndNmnd"))
        return QStringLiteral("11");
    if (key == QLatin1String("ForHeader"))
        return QStringLiteral("för RUBRIK");
    if (key == QLatin1String("OrgNamn"))
        return QStringLiteral("Kommunen");
    return QString();
}

QStringList SettingsStore::keys()
{
    return {QStringLiteral("ValsitKat"), QStringLiteral("ValsitNmn"), QStringLiteral("MndFullm"),
            QStringLiteral("MndNmnd"),   QStringLiteral("ChkNmnd"),   QStringLiteral("ForHeader"),
            QStringLiteral("OrgNamn")};
}

QString SettingsStore::value(const QString& key) const
{
    const std::unique_ptr<QSettings> settings(openStore());
    const QString stored = settings->value(key).toString().trimmed();
    // No key is ever meant to be empty: an empty value (say, a heading wiped by hand,
    // which would switch its menu item off) reads as the default.
    return stored.isEmpty() ? defaultValue(key) : stored;
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    const std::unique_ptr<QSettings> settings(openStore());
    settings->setValue(key, value.trimmed());
    settings->sync();
}

int SettingsStore::number(const QString& key) const
{
    bool ok = false;
    const int n = value(key).toInt(&ok);
    return ok ? n : defaultValue(key).toInt();
}
