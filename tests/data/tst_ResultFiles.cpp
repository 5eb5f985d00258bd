// Valmyndigheten's result files: the two real files of 2018 (Älvkarleby and Trelleborg,
// source Valmyndigheten) read whole, and every kind of bad file refused with its reason.
#include "FakeMessageService.h"

#include "cli/CalcApp.h"
#include "council/RostBer.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "data/ResultXmlReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <zip.h>

#include <QFile>
#include <QtTest>

namespace {

QByteArray realFile(const char* name)
{
    QFile file(QStringLiteral(VALSIT_TEST_DATA "/valmyndigheten/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const ResultFile::Party* party(const ResultFile& file, const QString& code)
{
    for (const ResultFile::Party& p : file.parties)
        if (p.code == code)
            return &p;
    return nullptr;
}

// Replaces the first `from` of the Latin-1 file by `to`.
QByteArray edited(QByteArray data, const QString& from, const QString& to)
{
    const int at = int(data.indexOf(from.toLatin1()));
    return at < 0 ? QByteArray() : data.replace(at, from.toLatin1().size(), to.toLatin1());
}

QString realPath(const char* name)
{
    return QStringLiteral(VALSIT_TEST_DATA "/valmyndigheten/") + QString::fromLatin1(name);
}

// valsit-calc in-process: exit status, standard output and standard error.
struct Calc
{
    int status;
    QString out, err;
};
Calc calc(const QStringList& args)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = CalcApp(outStream, errStream).run(args);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

// A count of 2022 and later: Provkommun, S and M and others in three districts (the third a
// collection district), in constituencies A (9 fixed seats) and B (8), 19 seats in all.
struct JsonCount
{
    bool final = true;
    bool asStrings = false; // numbers written as strings
    bool oneConstituency = false;
    bool uncounted = false; // the last district not yet counted
    qint64 wrongValid = 0;  // added to the first district's valid votes
    QString type = "KF";

    QJsonValue n(qint64 v) const
    {
        return asStrings ? QJsonValue(QString::number(v)) : QJsonValue(v);
    }
    QByteArray votes() const
    {
        const struct
        {
            const char* code;
            const char* name;
            const char* type;
            const char* k;
            int s, m, o;
        } rows[] = {{"01", "Norr", "valdistrikt", "A", 500, 300, 7},
                    {"02", "Söder", "valdistrikt", "B", 400, 450, 3},
                    {"K-01", "Uppsamlingsdistrikt", "uppsamlingsdistrikt", "A", 40, 20, 0}};
        QJsonArray districts;
        for (const auto& r : rows) {
            QJsonObject d{{"namn", r.name},
                          {"valdistriktskod", r.code},
                          {"valdistriktstyp", r.type},
                          {"kommunvalkretsKod", oneConstituency ? "A" : r.k}};
            const QJsonArray parties{QJsonObject{{"partiforkortning", "S"},
                                                 {"partibeteckning", "Socialdemokraterna"},
                                                 {"antalRoster", n(r.s)}},
                                     QJsonObject{{"partiforkortning", "M"},
                                                 {"partibeteckning", "Moderaterna"},
                                                 {"antalRoster", n(r.m)}}};
            const qint64 valid = r.s + r.m + r.o + (districts.isEmpty() ? wrongValid : 0);
            d.insert("rostfordelning",
                     uncounted && districts.size() == 2
                         ? QJsonValue()
                         : QJsonObject{{"rosterPaverkaMandat",
                                        QJsonObject{{"antalRoster", n(valid)},
                                                    {"partiRoster", parties},
                                                    {"rosterOvrigaPartier",
                                                     QJsonObject{{"antalRoster", n(r.o)}}}}}});
            districts.append(d);
        }
        return QJsonDocument(QJsonObject{{"valtyp", type},
                                         {"valdatum", "2026-09-13"},
                                         {"rakningstillfalle", final ? "slutlig" : "preliminär"},
                                         {"valdistrikt", districts}})
            .toJson();
    }
    QByteArray seats() const
    {
        QJsonArray constituencies{
            QJsonObject{{"kod", "A"},
                        {"namnValkrets", "Norra kretsen"},
                        {"totaltAntalFastaMandat", n(oneConstituency ? 17 : 9)}}};
        if (!oneConstituency)
            constituencies.append(QJsonObject{
                {"kod", "B"}, {"namnValkrets", "Södra kretsen"}, {"totaltAntalFastaMandat", n(8)}});
        const QJsonArray parties{
            QJsonObject{
                {"partiforkortning", "S"}, {"antalMandat", n(10)}, {"antalUtjamningsmandat", n(1)}},
            QJsonObject{{"partiforkortning", "M"}, {"antalMandat", QJsonValue()}}};
        return QJsonDocument(
                   QJsonObject{
                       {"valomrade",
                        QJsonObject{{"namn", "Provkommun"},
                                    {"kod", "9999"},
                                    {"totaltAntalMandat", n(19)},
                                    {"totaltAntalFastaMandat", n(17)},
                                    {"valomradessparrProcent",
                                     asStrings ? QJsonValue("3,0") : QJsonValue(3.0)},
                                    {"mandatfordelning", QJsonObject{{"partiLista", parties}}},
                                    {"valkretsLista", constituencies}}}})
            .toJson();
    }
};

// A zip holding the given files, as Valmyndigheten's zip holds its two.
QString writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& files)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& f : files) {
        zip_source_t* source =
            zip_source_buffer(z, f.second.constData(), zip_uint64_t(f.second.size()), 0);
        zip_file_add(z, f.first.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    }
    zip_close(z); // the buffers are read here, while `files` still holds them
    return path;
}

} // namespace

class tst_ResultFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alvkarleby()
    {
        const ResultFile f = ResultXmlReader::read(realFile("slutresultat_0319K.xml"));
        QCOMPARE(f.municipalityName, QStringLiteral("Älvkarleby"));
        QCOMPARE(f.electionDate, QDate(2018, 9, 9));
        QVERIFY(f.finalCount);
        QCOMPARE(f.seats, 31);
        QVERIFY(f.constituencies.isEmpty()); // its one constituency is the municipality
        QCOMPARE(f.districts.size(), 7);
        QVERIFY(f.districts.last().collection);
        QCOMPARE(f.validVotes(), 6107);
        QCOMPARE(f.others, 11); // written by hand
        QCOMPARE(party(f, "S")->votes, 2325);
        QCOMPARE(party(f, "S")->seats, 11);
        QCOMPARE(party(f, "FI")->seats, 0);
        QCOMPARE(party(f, "KV")->name, QStringLiteral("Kommunens Väl"));
    }

    void trelleborg()
    {
        const ResultFile f = ResultXmlReader::read(realFile("slutresultat_1287K.xml"));
        QCOMPARE(f.seats, 51);
        QCOMPARE(f.constituencies.size(), 2);
        int fixed = 0;
        for (const ResultFile::Constituency& c : f.constituencies)
            fixed += c.fixedSeats;
        QCOMPARE(fixed, 45);
        QCOMPARE(f.districts.size(), 29);
        // Registered small parties nested among the others are parties of their own.
        QCOMPARE(f.parties.size(), 15);
        QCOMPARE(party(f, "MED")->votes, 62);
        QCOMPARE(party(f, "MED")->seats, 0);
        QCOMPARE(f.others, 36);
        QCOMPARE(f.validVotes(), 28627);
        QCOMPARE(party(f, "M")->seats, 12);
        QCOMPARE(party(f, "M")->adjustmentSeats, 1);
        const ResultFile::Constituency& second = f.constituencies.first();
        QCOMPARE(second.name, QStringLiteral("Trelleborgs Andra, Östra"));
        QCOMPARE(second.fixedSeats, 21);
        QCOMPARE(second.seats.value("SÖS"), 3);
        QCOMPARE(second.adjustmentSeats.value("SÖS"), 1);
        for (const ResultFile::District& d : f.districts)
            QVERIFY(d.constituency == "128701" || d.constituency == "128702");
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        const QByteArray alv = realFile("slutresultat_0319K.xml");
        QTest::newRow("another election")
            << edited(alv, "VALTYP=\"Kommunfullmäktigval\"", "VALTYP=\"Riksdagsval\"")
            << "Filen gäller inte val till kommunfullmäktige utan \"Riksdagsval\". Välj "
               "resultatfilen för kommunfullmäktige (namnet slutar på K).";
        QTest::newRow("truncated") << alv.left(alv.size() / 2) << "Filen är skadad";
        QTest::newRow("a district's votes changed")
            << edited(alv, "<GILTIGA PARTI=\"S\" RÖSTER=\"445\"",
                      "<GILTIGA PARTI=\"S\" RÖSTER=\"446\"")
            << "Filen är skadad eller ofullständig: valdistriktens röster för S summerar inte";
        QTest::newRow("a party not in the dictionary")
            << edited(alv, "<PARTI FÖRKORTNING=\"KV\"", "<PARTI FÖRKORTNING=\"KX\"")
            << "Partiet \"KV\"";
        QTest::newRow("districts not yet counted")
            << edited(alv, "KLARA_VALDISTRIKT=\"7\"", "KLARA_VALDISTRIKT=\"5\"")
            << "Rösträkningen är inte klar: 5 av 7 valdistrikt är räknade.";
        QTest::newRow("not a result file")
            << QByteArray("<html><body>404</body></html>") << "Filen är ingen resultatfil";
        QTest::newRow("not a number")
            << edited(alv, "RÖSTER=\"771\"", "RÖSTER=\"7x1\"") << "har inget giltigt tal i RÖSTER";
    }

    void refused()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        QVERIFY(!data.isEmpty());
        try {
            ResultXmlReader::read(data);
            QFAIL("read");
        } catch (const ResultFileError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    // The JSON of 2022 and later, from the zip or from the two files side by side.
    void jsonCounts()
    {
        QTemporaryDir dir;
        JsonCount final;
        const QString zip =
            writeZip(dir.filePath("Val_2026_slutlig_9999_KF.zip"),
                     {{"Val_2026_slutlig_rostfordelning_9999_KF.json", final.votes()},
                      {"Val_2026_slutlig_mandatfordelning_9999_KF.json", final.seats()}});
        const ResultFile f = ResultFileReader::read(zip);
        QCOMPARE(f.municipalityName, QString("Provkommun"));
        QVERIFY(f.finalCount);
        QCOMPARE(f.seats, 19);
        QCOMPARE(f.thresholdPercent, 3.0);
        QCOMPARE(f.constituencies.size(), 2);
        QCOMPARE(f.constituencies.at(1).fixedSeats, 8);
        QCOMPARE(f.districts.size(), 3);
        QVERIFY(f.districts.at(2).collection);
        QCOMPARE(f.districts.at(1).constituency, QString("B"));
        QCOMPARE(party(f, "S")->votes, 940);
        QCOMPARE(party(f, "S")->seats, 10);
        QCOMPARE(party(f, "S")->adjustmentSeats, 1);
        QCOMPARE(party(f, "M")->seats, 0);
        QCOMPARE(f.others, 10);

        JsonCount night;
        night.final = false;
        night.asStrings = true;
        night.oneConstituency = true;
        const QString votes = dir.filePath("Val_2026_preliminar_rostfordelning_9999_KF.json");
        QFile v(votes), m(dir.filePath("Val_2026_preliminar_mandatfordelning_9999_KF.json"));
        QVERIFY(v.open(QIODevice::WriteOnly) && m.open(QIODevice::WriteOnly));
        v.write(night.votes());
        m.write(night.seats());
        v.close();
        m.close();
        const ResultFile p = ResultFileReader::read(m.fileName()); // either file finds the other
        QVERIFY(!p.finalCount);
        QVERIFY(p.constituencies.isEmpty());
        QCOMPARE(p.thresholdPercent, 3.0);
        QCOMPARE(p.validVotes(), 1720);
    }

    void jsonRefused_data()
    {
        QTest::addColumn<QByteArray>("votes");
        QTest::addColumn<QByteArray>("seats");
        QTest::addColumn<QString>("message");
        JsonCount c;
        c.uncounted = true;
        QTest::newRow("a district not yet counted")
            << c.votes() << c.seats()
            << "Rösträkningen är inte klar: 2 av 3 valdistrikt är räknade.";
        c = JsonCount();
        c.wrongValid = 1;
        QTest::newRow("votes that do not add up")
            << c.votes() << c.seats() << "rösterna i Norr summerar inte till 808 giltiga röster";
        c = JsonCount();
        c.type = "RD";
        QTest::newRow("another election") << c.votes() << c.seats() << "valtyp \"RD\"";
        c = JsonCount();
        QTest::newRow("truncated") << c.votes().left(300) << c.seats() << "Filen är skadad";
        QTest::newRow("zip without the seats")
            << c.votes() << QByteArray() << "saknar mandatfördelningen";
    }

    void jsonRefused()
    {
        QFETCH(QByteArray, votes);
        QFETCH(QByteArray, seats);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QList<QPair<QString, QByteArray>> files{{"x_rostfordelning_9999_KF.json", votes}};
        if (!seats.isEmpty())
            files.append({"x_mandatfordelning_9999_KF.json", seats});
        try {
            ResultFileReader::read(writeZip(dir.filePath("x.zip"), files));
            QFAIL("read");
        } catch (const ResultFileError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    // The published seats from the official votes, the line of the others included.
    void calcImportsAndCompares()
    {
        const Calc c = calc({"council", "--import", realPath("slutresultat_0319K.xml"),
                             "--first-divisor", "1.2", "--threshold", "2"});
        QCOMPARE(c.status, 0);
        QVERIFY(c.out.contains("Socialdemokraterna\tS\t2325\n"));
        QVERIFY(c.out.contains("Övriga giltiga röster\tÖVR\t11\n"));
        QVERIFY(
            c.out.contains("Mandat enligt Valmyndigheten: S 11, SD 6, M 4, KV 3, C 2, V 2, KD 1, "
                           "MP 1, L 1\nBeräkningen stämmer med Valmyndighetens fördelning.\n"));
        // Other rules give another result, and the difference is pointed out.
        const Calc old =
            calc({"council", "--import", realPath("slutresultat_0319K.xml"), "--threshold", "12"});
        QVERIFY2(old.out.contains("AVVIKER från Valmyndighetens fördelning: "),
                 qPrintable(old.out));
        const Calc bad = calc({"council", "--import", realPath("README.md")});
        QCOMPARE(bad.status, 2);
        QVERIFY2(bad.err.contains("README.md är ingen resultatfil från Valmyndigheten"),
                 qPrintable(bad.err));
    }

    // The others count among all votes (so in the threshold) but never take a seat, even
    // where their votes would win one.
    void othersTakeNoSeat()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        engine.setAntValsit(5);
        engine.setAntPartier(2);
        engine.setPartiID(1, "A");
        engine.setRoster(1, 1000);
        engine.setPartiID(2, RostBer::OthersCode);
        engine.setRoster(2, 900);
        engine.setForstaDivisor(1.4);
        engine.setSparr(0);
        engine.BearbBest();
        engine.BearbBest2();
        QCOMPARE(engine.seatCount(1), 5);
        QCOMPARE(engine.seatCount(2), 0);
        QVERIFY(engine.rulesText().endsWith("ÖVR (övriga giltiga röster) räknas med i spärren men "
                                            "får inga mandat"));
    }
};

QTEST_GUILESS_MAIN(tst_ResultFiles)
#include "tst_ResultFiles.moc"
