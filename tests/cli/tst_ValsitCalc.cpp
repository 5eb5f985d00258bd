#include "cli/CalcApp.h"
#include "report/ReportHeader.h"
#include "shell/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

// valsit-calc end to end, in-process: what it writes for good input and how it refuses
// bad input (one line on standard error, exit status 2, never a crash).
class tst_ValsitCalc : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString& name, const QString& content)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        f.write(content.toUtf8());
        return path;
    }

    struct Result
    {
        int status;
        QString out;
        QString err;
    };

    Result run(const QStringList& args)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = CalcApp(outStream, errStream).run(args);
        outStream.flush();
        errStream.flush();
        return {status, out, err};
    }

    QJsonObject runJson(const QStringList& args)
    {
        const Result r = run(args + QStringList{"--format", "json"});
        if (r.status != 0)
            qWarning() << r.err;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError)
            qWarning() << error.errorString() << r.out.left(400);
        return doc.object();
    }

    // The built tool beside this test, run as a user runs it.
    Result runTool(const QStringList& args, const QProcessEnvironment& env)
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QCoreApplication::applicationDirPath() + "/valsit-calc", args);
        if (!tool.waitForFinished(120000))
            qWarning() << "valsit-calc did not finish" << tool.errorString();
        return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
                QString::fromUtf8(tool.readAllStandardError())};
    }

    // Makes sv_SE.UTF-8 usable in env: installed, or generated into the scratch folder.
    bool swedishLocale(QProcessEnvironment& env)
    {
        QProcess list;
        list.start("locale", {"-a"});
        list.waitForFinished();
        if (QString::fromLocal8Bit(list.readAllStandardOutput()).contains("sv_SE.utf8"))
            return true;
        const QString folder = m_dir.filePath("locales");
        QDir().mkpath(folder);
        QProcess make;
        make.start("localedef", {"-i", "sv_SE", "-f", "UTF-8", folder + "/sv_SE.UTF-8"});
        if (!make.waitForFinished(120000) || make.exitStatus() != QProcess::NormalExit ||
            make.exitCode() != 0)
            return false;
        env.insert("LOCPATH", folder);
        return true;
    }

    static QString seatsOf(const QJsonObject& party)
    {
        QStringList seats;
        for (const QJsonValue& v : party.value("seats").toArray())
            seats.append(QString::number(v["number"].toInt()) + (v["tie"].toBool() ? "*" : ""));
        return seats.join(',');
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale::c());
        file("council.csv", "code,name,votes\nS,Socialdemokraterna,1500\nM,Moderaterna,700\n");
        file("committee4.csv", "code,name,council_seats\nS,S-partiet,5\nM,M-partiet,2\n"
                               "V,V-partiet,4\nC,C-partiet,1\n");
        file("districts.csv", "district,code,votes\nSödra,S,700\nNorra,S,800\nNorra,M,700\n");
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("content"); // written to in.csv when not empty
        QTest::addColumn<QString>("message");

        const QString party = "code,name,votes\nS,S,10\nM,M,20\n";
        QTest::newRow("no command") << QStringList{} << ""
                                    << "council eller committee";
        QTest::newRow("unknown command") << QStringList{"senate"} << ""
                                         << "okänt kommando";
        QTest::newRow("missing file") << QStringList{"council", "--seats", "11", "nope.csv"} << ""
                                      << "finns inte";
        QTest::newRow("no seats") << QStringList{"council", "IN"} << party << "--seats saknas";
        QTest::newRow("4 seats") << QStringList{"council", "--seats", "4", "IN"} << party
                                 << "mellan 5 och 350";
        QTest::newRow("351 seats")
            << QStringList{"committee", "--seats", "351", "IN"} << party << "mellan 5 och 350";
        QTest::newRow("seats not a number")
            << QStringList{"council", "--seats", "elva", "IN"} << party << "inget heltal";
        QTest::newRow("bad header")
            << QStringList{"council", "--seats", "11", "IN"} << "kod,namn,röster\nS,S,10\nM,M,20\n"
            << "rubrikraden";
        QTest::newRow("empty file") << QStringList{"council", "--seats", "11", "IN"} << " "
                                    << "tom";
        QTest::newRow("votes not a number") << QStringList{"council", "--seats", "11", "IN"}
                                            << "code,name,votes\nS,S,10\nM,M,tjugo\n"
                                            << "rad 3: röster \"tjugo\" är inget heltal";
        QTest::newRow("negative votes")
            << QStringList{"council", "--seats", "11", "IN"} << "code,name,votes\nS,S,-10\nM,M,20\n"
            << "negativt";
        QTest::newRow("votes beyond 32 bits") << QStringList{"council", "--seats", "11", "IN"}
                                              << "code,name,votes\nS,S,3000000000\nM,M,20\n"
                                              << "för stort";
        QTest::newRow("too few fields")
            << QStringList{"council", "--seats", "11", "IN"} << "code,name,votes\nS,S\nM,M,20\n"
            << "2 fält";
        QTest::newRow("one party")
            << QStringList{"council", "--seats", "11", "IN"} << "code,name,votes\nS,S,10\n"
            << "för få partier";
        QString seventeen = "code,name,votes\n";
        for (int i = 1; i <= 17; ++i)
            seventeen += QString("P%1,Parti %1,%1\n").arg(i);
        QTest::newRow("17 parties")
            << QStringList{"council", "--seats", "11", "IN"} << seventeen << "för många partier";
        QTest::newRow("duplicate code")
            << QStringList{"council", "--seats", "11", "IN"} << "code,name,votes\nS,S,10\ns,S2,20\n"
            << "finns redan";
        QTest::newRow("unknown option")
            << QStringList{"council", "--seats", "11", "--fast", "IN"} << party << "okänd flagga";
        QTest::newRow("bad first divisor")
            << QStringList{"council", "--seats", "11", "--first-divisor", "1.3", "IN"} << party
            << "1.4 eller 1.2";
        QTest::newRow("bad threshold")
            << QStringList{"council", "--seats", "11", "--threshold", "150", "IN"} << party
            << "mellan 0 och 100";
        const QString seats = "code,name,council_seats\nS,S,10\nM,M,20\nV,V,3\n";
        QTest::newRow("unknown code in pairs")
            << QStringList{"committee", "--seats", "11", "--fixed", "S-X", "IN"} << seats
            << "\"S-X\"";
        QTest::newRow("pair number out of range")
            << QStringList{"committee", "--seats", "11", "--all", "4", "IN"} << seats
            << "paret 4 finns inte bland 3 partier";
        QTest::newRow("both fixed and all")
            << QStringList{"committee", "--seats", "11", "--fixed", "1", "--all", "1", "IN"}
            << seats << "bara en av";
        QString ten = "code,name,council_seats\n";
        for (int i = 1; i <= 10; ++i)
            ten += QString("P%1,Parti %1,%1\n").arg(i);
        QTest::newRow("ten parties with --all")
            << QStringList{"committee", "--seats", "11", "--all", "1", "IN"} << ten
            << "högst 9 partier";
        QTest::newRow("districts for the committee")
            << QStringList{"committee", "--seats", "11", "--districts", "x.csv", "IN"} << seats
            << "gäller bara council";
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, content);
        QFETCH(QString, message);
        if (!content.isEmpty())
            args.replaceInStrings(QRegularExpression("^IN$"), file("in.csv", content));
        const Result r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.err.startsWith("valsit-calc: "));
        QCOMPARE(r.err.count('\n'), 1);
    }

    void districtErrors_data()
    {
        QTest::addColumn<QString>("districts");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown party") << "district,code,votes\nNorra,S,1500\nNorra,KD,1\n"
                                       << "okänt parti KD";
        QTest::newRow("sum differs from the total")
            << "district,code,votes\nNorra,S,1400\nNorra,M,700\n"
            << "distriktens röster för S blir 1400, men partiet har 1500";
        QTest::newRow("the same party twice in a district")
            << "district,code,votes\nNorra,S,0\nNorra,S,1500\nNorra,M,700\n"
            << "har redan röster";
    }

    void districtErrors()
    {
        QFETCH(QString, districts);
        QFETCH(QString, message);
        const Result r = run({"council", "--seats", "5", "--districts", file("d.csv", districts),
                              m_dir.filePath("council.csv")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void councilText()
    {
        const Result r = run({"council", "--seats", "5", "--first-divisor", "1.4", "--threshold",
                              "0", "--districts", m_dir.filePath("districts.csv"), "--comparison",
                              "2", "--title", "Kommunfullmäktige", m_dir.filePath("council.csv")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList lines = r.out.split('\n');
        QVERIFY(lines.contains("Kommunfullmäktige"));
        // Districts come in the order of their names, each with every party's votes.
        const int norra = int(lines.indexOf("Norra\t800\t700"));
        QVERIFY(norra > 0);
        QCOMPARE(lines.at(norra + 1), QString("Södra\t700\t0"));
        QVERIFY(lines.contains("ValsitNr=(Jämförelsetal), 1=(1071.43), 2=(500.00), 3=(500.00), "
                               "4=(300.00), 5=(233.33)"));
        QVERIFY(lines.contains("Socialdemokraterna\t Antal: 3\tValsit: 1\t2*\t4\t"));
        QVERIFY(lines.contains("Moderaterna\t Antal: 2\tValsit: 3\t5\t"));
    }

    void councilJson()
    {
        const QJsonObject json = runJson({"council", "--seats", "5", "--first-divisor", "1.4",
                                          "--threshold", "0", m_dir.filePath("council.csv")});
        QCOMPARE(json["kind"].toString(), QString("council"));
        const QJsonArray parties = json["parties"].toArray();
        QCOMPARE(parties.size(), 2);
        QCOMPARE(parties[0].toObject()["code"].toString(), QString("S"));
        QCOMPARE(seatsOf(parties[0].toObject()), QString("1,2*,4"));
        QCOMPARE(seatsOf(parties[1].toObject()), QString("3,5"));
        const QJsonArray numbers = json["comparisonNumbers"].toArray();
        QCOMPARE(numbers.size(), 5);
        QCOMPARE(numbers[1].toObject()["code"].toString(), QString("S"));
        QCOMPARE(numbers[1].toObject()["value"].toDouble(), 500.0);
    }

    void councilRules()
    {
        const QString path = file("small.csv", "code,name,votes\nA,A,1000\nB,B,40\n");
        // Nothing chosen: the rules in force since 2018.
        QJsonObject json = runJson({"council", "--seats", "30", path});
        QCOMPARE(json["firstDivisor"].toDouble(), 1.2);
        QCOMPARE(json["threshold"].toDouble(), 2.0);
        json = runJson({"council", "--seats", "30", "--threshold", "4", path});
        QCOMPARE(json["parties"].toArray()[1].toObject()["seatCount"].toInt(), 0);
        QCOMPARE(json["parties"].toArray()[1].toObject()["eligible"].toBool(), false);
        json = runJson({"council", "--seats", "30", "--threshold", "3,5", path});
        QCOMPARE(json["parties"].toArray()[1].toObject()["seatCount"].toInt(), 1);
        json = runJson({"council", "--seats", "5", "--first-divisor", "1.2",
                        file("r.csv", "code,name,votes\nA,A,1200\nB,B,500\n")});
        QCOMPARE(seatsOf(json["parties"].toArray()[1].toObject()), QString("2"));
    }

    void committeeAllCombinations()
    {
        const QJsonObject json =
            runJson({"committee", "--seats", "5", "--all", "S-M,S-V,M-V,S-C,M-C,V-C",
                     m_dir.filePath("committee4.csv")});
        QCOMPARE(json["mode"].toString(), QString("all"));
        const QJsonArray combinations = json["combinations"].toArray();
        QCOMPARE(combinations.size(), 15);
        QCOMPARE(combinations[14].toObject()["number"].toInt(), 15);
        // The last: {S,M} with {V,C}.
        const QJsonArray lists = combinations[14].toObject()["lists"].toArray();
        QCOMPARE(lists.size(), 2);
        QCOMPARE(lists[0].toObject()["parties"].toArray(), (QJsonArray{"S", "M"}));
        QCOMPARE(lists[0].toObject()["name"].toString(), QString("S / M /"));
        QCOMPARE(lists[1].toObject()["councilSeats"].toInt(), 5);
    }

    void committeePairsByNumberOrCode()
    {
        const QString path = m_dir.filePath("committee4.csv");
        const Result byNumber = run({"committee", "--seats", "5", "--fixed", "1", path});
        const Result byCode = run({"committee", "--seats", "5", "--fixed", "M-S", path});
        QCOMPARE(byNumber.status, 0);
        QCOMPARE(byCode.out, byNumber.out);
        QVERIFY(byNumber.out.contains(" S / M / \t Antal: 3\tValsit: 1\t3\t4\t\n"));
        QVERIFY(byNumber.out.contains("Fullmäktige\t\tValsamverkan - A"));
    }

    void fileEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // a report line, or the error
        QTest::newRow("UTF-8 with BOM, semicolons")
            << QByteArray("\xEF\xBB\xBF"
                          "code;name;votes\r\nS;\"Soc, dem\";1000\r\nM;M;1000\r\n")
            << "Soc, dem\t Antal: 3\tValsit: 1*\t3*\t5*\t";
        QTest::newRow("Windows-1252 from Excel")
            << QByteArray("code;name;votes\r\nV;V\xE4nsterpartiet;1000\r\nM;M\x96M;900\r\n")
            << "Vänsterpartiet\t Antal: 3\tValsit: 1\t3\t5\t";
        QTest::newRow("neither") << QByteArray("code,name,votes\nV,V\x81n,10\nM,M,9\n")
                                 << "valsit-calc: filen " + m_dir.filePath("enc.csv") +
                                        " är varken UTF-8 eller Windows-1252 (byte 0x81)\n";
    }

    void fileEncodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFile f(m_dir.filePath("enc.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const Result r = run({"council", "--seats", "5", f.fileName()});
        if (expected.startsWith("valsit-calc: ")) {
            QCOMPARE(r.status, 2);
            QCOMPARE(r.err, expected);
        } else {
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.split('\n').contains(expected), qPrintable(r.out));
        }
    }

    void districtsInSwedishOrder()
    {
        const QString districts =
            file("sv.csv", "district,code,votes\nÖstra,S,100\nÄrla,S,100\nZeta,S,100\n"
                           "ängby,S,100\nÅby,S,100\nalby,S,1000\nalby,M,700\n");
        const Result r = run(
            {"council", "--seats", "5", "--districts", districts, m_dir.filePath("council.csv")});
        QCOMPARE(r.status, 0);
        QStringList names;
        for (const QString& line : r.out.split('\n'))
            if (line.contains('\t') && line.section('\t', 1, 1).toInt() > 0 &&
                !line.contains("Antal"))
                names.append(line.section('\t', 0, 0));
        QCOMPARE(names, (QStringList{"alby", "Zeta", "Åby", "ängby", "Ärla", "Östra"}));
    }

    void organisationFromSettings()
    {
        const QStringList args{"council", "--seats", "5", m_dir.filePath("council.csv")};
        const QString order = " har gjort valsitberäkningsbeställningen " +
                              ReportHeader::dateText(QDate::currentDate());
        QCOMPARE(run(args).out.section('\n', 0, 0), "Kommunen" + order);
        SettingsStore().setValue("OrgNamn", "Åby kommun");
        QCOMPARE(run(args).out.section('\n', 0, 0), "Åby kommun" + order);
        QCOMPARE(run(args + QStringList{"--org", "Mora"}).out.section('\n', 0, 0), "Mora" + order);
        SettingsStore().setValue("OrgNamn", QString());
    }

    void jsonNumbersUnderSwedishLocale()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!swedishLocale(env))
            QSKIP("sv_SE.UTF-8 is neither installed nor can localedef make it");
        env.insert("LC_ALL", "sv_SE.UTF-8");
        const QString path = m_dir.filePath("council.csv");
        // The screen report is Swedish, decimal commas and all ...
        const Result text = runTool(
            {"council", "--seats", "5", "--first-divisor", "1,4", "--comparison", "2", path}, env);
        QVERIFY2(text.out.contains("1=(1071,43)"), qPrintable(text.out + text.err));
        // ... JSON is JSON.
        const Result r = runTool(
            {"council", "--seats", "5", "--first-divisor", "1,2", "--format", "json", path}, env);
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(r.out));
        QCOMPARE(json["firstDivisor"].toDouble(), 1.2);
        QCOMPARE(json["comparisonNumbers"].toArray()[1].toObject()["value"].toDouble(), 700 / 1.2);
    }

    void onlyTheErrorOnStandardError()
    {
        // Without a runtime folder, Qt's platform layer (a PDF needs it) would complain.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_QPA_PLATFORM");
        const Result r = runTool({"council", "--seats", "4", "--pdf", m_dir.filePath("x.pdf"),
                                  m_dir.filePath("council.csv")},
                                 env);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, QString("valsit-calc: --seats måste vara mellan 5 och 350, inte 4\n"));
    }
};

QTEST_GUILESS_MAIN(tst_ValsitCalc)
#include "tst_ValsitCalc.moc"
