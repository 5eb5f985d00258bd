#pragma once

#include <QTemporaryDir>

// Keeps a test's settings away from the user's: a settings file in a HOME of its own (on
// Windows too, not the registry), made before the first QSettings. Create it first thing.
class SettingsSandbox
{
public:
    SettingsSandbox();
    ~SettingsSandbox();

    // Removes every stored value, so the next read gives the defaults.
    static void clear();
    // Writes a raw value, as another version or the user may have left it.
    static void setRaw(const QString& key, const QString& value);
    static bool contains(const QString& key);
    static QString settingsFile();

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};
