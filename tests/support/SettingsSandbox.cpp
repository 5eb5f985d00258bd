#include "SettingsSandbox.h"

#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

QSettings* store()
{
    auto* s = new QSettings(QSettings::defaultFormat(), QSettings::UserScope,
                            QStringLiteral("Tovrelia"), QStringLiteral("Valsit"));
    s->beginGroup(QStringLiteral("Valsit"));
    return s;
}

} // namespace

SettingsSandbox::SettingsSandbox() : m_oldHome(qgetenv("HOME"))
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // A file in HOME, also on Windows, whose registry HOME does not move.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_home.path());
}

SettingsSandbox::~SettingsSandbox()
{
    qputenv("HOME", m_oldHome);
}

void SettingsSandbox::clear()
{
    std::unique_ptr<QSettings> s(store());
    s->remove(QString());
    s->sync();
}

void SettingsSandbox::setRaw(const QString& key, const QString& value)
{
    std::unique_ptr<QSettings> s(store());
    s->setValue(key, value);
    s->sync();
}

bool SettingsSandbox::contains(const QString& key)
{
    std::unique_ptr<QSettings> s(store());
    return s->contains(key);
}

QString SettingsSandbox::settingsFile()
{
    std::unique_ptr<QSettings> s(store());
    return s->fileName();
}
