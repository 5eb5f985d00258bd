// The settings store: where it keeps its values, the defaults, trimming and the count
// settings that fall back to their default.
#include "SettingsSandbox.h"

#include "shell/SettingsStore.h"

#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;

private Q_SLOTS:
    void initTestCase() { m_sandbox = std::make_unique<SettingsSandbox>(); }
    void init() { SettingsSandbox::clear(); }

    void keptUnderTovreliaValsit()
    {
        SettingsStore().setValue("ChkNmnd", "1");
        const QString file = SettingsSandbox::settingsFile();
        QVERIFY2(file.endsWith("Tovrelia/Valsit.conf"), qPrintable(file));
        QVERIFY2(file.startsWith(QDir::homePath()), qPrintable(file)); // isolated by the sandbox
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY2(text.contains("[Valsit]\nChkNmnd=1"), text.constData());
    }

    void defaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("ValsitKat") << "ValsitKat"
                                   << "0";
        QTest::newRow("ValsitNmn") << "ValsitNmn"
                                   << "0";
        QTest::newRow("MndFullm") << "MndFullm"
                                  << "41";
        QTest::newRow("MndNmnd") << "MndNmnd"
                                 << "11";
        QTest::newRow("ChkNmnd") << "ChkNmnd"
                                 << "0";
        QTest::newRow("ForHeader") << "ForHeader"
                                   << "för RUBRIK";
        QTest::newRow("OrgNamn") << "OrgNamn"
                                 << "Kommunen";
    }

    void defaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(SettingsStore().value(key), value);
        QVERIFY(!SettingsSandbox::contains(key)); // reading writes nothing
    }

    void valuesAreTrimmed()
    {
        SettingsSandbox::setRaw("ForHeader", "  för Kiruna \t");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för Kiruna"));
        SettingsSandbox::setRaw("ForHeader", "   ");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för RUBRIK"));
        SettingsStore().setValue("ValsitNmn", " Kiruna.mdb  ");
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Tovrelia", "Valsit");
        QCOMPARE(raw.value("Valsit/ValsitNmn").toString(), QString("Kiruna.mdb"));
    }

    void counts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("fullm");
        QTest::newRow("number") << "29" << 29;
        QTest::newRow("blanks around") << "  61 " << 61;
        QTest::newRow("letters") << "fyrtioett" << 41;
        QTest::newRow("empty") << "" << 41;
        QTest::newRow("decimal") << "41,5" << 41;
        QTest::newRow("too large for 32 bits") << "99999999999" << 41;
    }

    void counts()
    {
        QFETCH(QString, stored);
        QFETCH(int, fullm);
        SettingsSandbox::setRaw("MndFullm", stored);
        SettingsSandbox::setRaw("MndNmnd", stored);
        QCOMPARE(SettingsStore().number("MndFullm"), fullm);
        QCOMPARE(SettingsStore().number("MndNmnd"), fullm == 41 ? 11 : fullm);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
