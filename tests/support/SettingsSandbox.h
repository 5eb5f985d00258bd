#pragma once

#include <QTemporaryDir>

// Keeps a test's settings away from the user's: a HOME of its own and Qt's test mode (on
// Windows a settings file in it instead of the registry), set before the first QSettings.
// Create it first thing (initTestCase).
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
