#pragma once

#include <QString>
#include <QStringList>

// The per-user settings store: organisation "Tovrelia", application "Valsit", every key
// in the section "Valsit". Values are strings, trimmed when read and when written; a
// missing or empty key reads as its default.
//
// Keys: ValsitKat, ValsitNmn ("0" = the program's folder / "Valsit.mdb"), ChkNmnd ("0"
// committee, anything else council), OrgNamn, the organisation printed in the reports
// ("Kommunen"), and the folders last used. What a result depends on is the election's and
// lives in its file (ElectionSettings); the keys an older version kept it under, MndFullm
// (41), MndNmnd (11), ForHeader ("för RUBRIK"), ForstaDivisor, Sparr and GallandeRegler,
// are only read, once per older file, when that file takes them over.
//
// Tests isolate the store with QStandardPaths::setTestModeEnabled(true) and a HOME of
// their own, both before the first use.
class SettingsStore
{
public:
    static QString defaultValue(const QString& key);
    static QStringList keys();

    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    // A count setting (MndFullm, MndNmnd) as a 32-bit integer. A stored value that is not
    // a whole number falls back to the key's default instead of turning into 0.
    int number(const QString& key) const;
};
