#include "PdfReadBack.h"
#include "Rows.h"
#include "TemplateCopy.h"
#include "Trelleborg2018.h"

#include "cli/CalcApp.h"
#include "report/ReportHeader.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {
const QByteArray party = "code,name,votes\nS,S,10\nM,M,20\n";
const QByteArray seats = "code,name,council_seats\nS,S,10\nM,M,20\nV,V,3\n";
// 6, 4, 2 at 5 seats tie three ways over seats 4 to 6.
const QByteArray tied = "code,name,council_seats\nS,S-partiet,6\nM,M-partiet,4\nC,C-partiet,2\n";
const QByteArray vk = "constituency,fixed_seats,code,name,votes\n";
QByteArray manyParties(const char* column, int n)
{
    QString text = QString("code,name,%1\n").arg(column);
    for (int i = 1; i <= n; ++i)
        text += QString("P%1,Parti %1,%1\n").arg(i);
    return text.toUtf8();
}
// Bad input: the arguments (IN: a file of the given content, COUNCIL: a council file), and
// what the one line on standard error must say.
struct BadCase
{
    const char* name;
    const char* args;
    QByteArray content;
    const char* message;
};
const BadCase bad[] = {
    {"no command", "", "", "council eller committee"},
    {"unknown command", "senate", "", "okänt kommando"},
    {"missing file", "council --seats 11 nope.csv", "", "finns inte"},
    {"no seats", "council IN", party, "--seats saknas"},
    {"351 seats", "committee --seats 351 IN", party, "mellan 5 och 350"},
    {"seats not a number", "council --seats elva IN", party, "inget heltal"},
    {"bad header", "council --seats 11 IN", "kod,namn,röster\nS,S,10\nM,M,20\n", "rubrikraden"},
    {"empty file", "council --seats 11 IN", " ", "tom"},
    {"votes not a number", "council --seats 11 IN", "code,name,votes\nS,S,10\nM,M,tjugo\n",
     "rad 3: röster \"tjugo\" är inget heltal"},
    {"negative votes", "council --seats 11 IN", "code,name,votes\nS,S,-10\nM,M,20\n", "negativt"},
    {"votes beyond 32 bits", "council --seats 11 IN", "code,name,votes\nS,S,3000000000\nM,M,20\n",
     "för stort"},
    {"too few fields", "council --seats 11 IN", "code,name,votes\nS,S\nM,M,20\n", "2 fält"},
    {"one party", "council --seats 11 IN", "code,name,votes\nS,S,10\n", "för få partier"},
    {"duplicate code", "council --seats 11 IN", "code,name,votes\nS,S,10\ns,S2,20\n",
     "finns redan"},
    {"unknown option", "council --seats 11 --fast IN", party, "okänd flagga"},
    {"database is text", "council --database IN", party, "är ingen databas"},
    {"database missing", "committee --database saknas.mdb", "", "databasen saknas.mdb finns inte"},
    {"import over a file", "import COUNCIL --database IN", party, "ange --replace"},
    {"database and a file", "council --database IN COUNCIL", party, "ange ingen indatafil"},
    {"bad first divisor", "council --seats 11 --first-divisor 1.3 IN", party, "1.4 eller 1.2"},
    {"bad threshold", "council --seats 11 --threshold 150 IN", party, "mellan 0 och 100"},
    {"unknown code in pairs", "committee --seats 11 --fixed S-X IN", seats, "\"S-X\""},
    {"pair number out of range", "committee --seats 11 --all 4 IN", seats,
     "paret 4 finns inte bland 3 partier"},
    {"both fixed and all", "committee --seats 11 --fixed 1 --all 1 IN", seats, "bara en av"},
    {"ten parties with --all", "committee --seats 11 --all 1 IN", manyParties("council_seats", 10),
     "högst 9 partier"},
    {"districts for the committee", "committee --seats 11 --districts x IN", seats,
     "gäller bara council"},
    {"district of an unknown party", "council --seats 5 --districts IN COUNCIL",
     "district,code,votes\nNorra,S,1500\nNorra,KD,1\n", "okänt parti KD"},
    {"district sum differs from the total", "council --seats 5 --districts IN COUNCIL",
     "district,code,votes\nNorra,S,1400\nNorra,M,700\n",
     "distriktens röster för S blir 1400, men partiet har 1500"},
    {"the same party twice in a district", "council --seats 5 --districts IN COUNCIL",
     "district,code,votes\nNorra,S,0\nNorra,S,1500\nNorra,M,700\n", "har redan röster"},
    {"a file neither UTF-8 nor Windows-1252", "council --seats 5 IN",
     "code,name,votes\nV,V\x81n,10\nM,M,9\n", "är varken UTF-8 eller Windows-1252 (byte 0x81)"},
    {"lot without a seat", "committee --seats 5 --lot S IN", tied,
     "--lot \"S\" ska vara PLATS=PARTIKOD, till exempel 7=S"},
    {"lot past the last seat", "committee --seats 5 --lot 6=S IN", tied,
     "--lot 6=S: plats 6 finns inte bland 5 platser"},
    {"lot for an unknown party", "committee --seats 5 --lot 4=X IN", tied,
     "--lot 4=X: partiet X finns inte i indatafilen"},
    {"lot for one of two seats", "committee --seats 5 --lot 4=C IN", tied,
     "--lot 4=C kan inte tillämpas: ange en lott för varje plats med lika jämförelsetal som "
     "avgör vem som får den, med olika listor bland de lika"},
    {"lot where no tie is", "committee --seats 5 --lot 2=S --lot 5=M IN", tied,
     "--lot 2=S kan inte tillämpas"},
    {"lot in all combinations", "committee --seats 5 --all S-M --lot 4=S IN", tied,
     "--lot gäller inte --all: lotta i den kombination som gäller"},
    // The engine's refusals of constituencies are in tst_ValkretsBer.
    {"fixed seats do not add up", "council --seats 51 --constituencies IN",
     vk + "A,20,S,,100\nA,20,M,,50\nB,20,S,,70\nB,20,M,,90\n",
     "in.csv: Valkretsarnas fasta mandat blir tillsammans 40 mandat"},
    {"fixed seats differ within a constituency", "council --seats 51 --constituencies IN",
     vk + "A,25,S,,100\nA,24,M,,50\n",
     "rad 3: valkretsen A har 24 fasta mandat, men 25 på en tidigare rad"},
    {"party twice in a constituency", "council --seats 51 --constituencies IN",
     vk + "A,25,S,,100\nA,25,s,,50\n", "rad 3: S har redan röster i A"},
    {"not a result file", "council --import " VALSIT_TEST_DATA "/valmyndigheten/README.md", "",
     "README.md är ingen resultatfil från Valmyndigheten"},
    {"lot past the imported seats",
     "council --import " VALSIT_TEST_DATA "/valmyndigheten/slutresultat_0319K.xml --lot 40=S", "",
     "--lot 40=S: plats 40 finns inte bland 31 platser"},
    {"a device as input", "council --seats 11 /dev/zero", "", "/dev/zero är ingen vanlig fil"},
    {"PDF on a full disk", "council --seats 5 --pdf /dev/full COUNCIL", "",
     "/dev/full kunde inte skrivas"},
    {"17 parties with votes among 20", "council --seats 11 IN",
     manyParties("votes", 17) + "Z1,Z,0\nZ2,Z,0\nZ3,Z,0\n", "för många partier (17)"},
};

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
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    if (r.status != 0 || error.error != QJsonParseError::NoError)
        qWarning() << r.err << error.errorString() << r.out.left(400);
    return doc.object();
}
// The built tool beside this test, run as a user runs it.
Result runTool(const QStringList& args, const QProcessEnvironment& env,
               const QString& standardOutput = QString())
{
    QProcess tool;
    tool.setProcessEnvironment(env);
    if (!standardOutput.isEmpty())
        tool.setStandardOutputFile(standardOutput);
    tool.start(QCoreApplication::applicationDirPath() + "/valsit-calc", args);
    if (!tool.waitForFinished(120000))
        qWarning() << "valsit-calc did not finish" << tool.errorString();
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}
QString seatsOf(const QJsonValue& list)
{
    QStringList numbers;
    for (const QJsonValue& v : list["seats"].toArray())
        numbers.append(QString::number(v["number"].toInt()) + (v["tie"].toBool() ? "*" : ""));
    return numbers.join(',');
}
} // namespace

// valsit-calc end to end, in-process: what it writes for good input (text, JSON, PDF), with
// districts, constituencies, lots or Valmyndigheten's files, and how it refuses bad input
// (one line on standard error, exit status 2, never a crash).
class tst_ValsitCalc : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        f.write(content);
        return path;
    }
    QString council() { return m_dir.filePath("council.csv"); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QStandardPaths::setTestModeEnabled(true);
        file("council.csv", "code,name,votes\nS,Socialdemokraterna,1500\nM,Moderaterna,700\n");
    }
    void init() { QLocale::setDefault(QLocale::c()); }

    // Help for the tool and each command, and the version: standard output, exit 0.
    void help_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("says");
        QTest::newRow("tool") << "--help"
                              << "valsit-calc council --help";
        QTest::newRow("council") << "council --seats 11 --help"
                                 << "--first-divisor";
        QTest::newRow("committee") << "committee -h"
                                   << "--all PAR";
        QTest::newRow("version") << "--version"
                                 << "valsit-calc " VALSIT_VERSION;
    }
    void help()
    {
        QFETCH(QString, args);
        QFETCH(QString, says);
        const Result r = run(args.split(' '));
        QVERIFY(r.status == 0 && r.err.isEmpty() && r.out.endsWith('\n'));
        QVERIFY2(r.out.contains(says), qPrintable(r.out));
    }

    void badInput_data() { addRows(bad); }
    void badInput()
    {
        const BadCase& c = row(bad);
#ifdef Q_OS_WIN
        if (QByteArray(c.args).contains("/dev/"))
            QSKIP("no device files on Windows");
#endif
        QStringList args = QString(c.args).split(' ', Qt::SkipEmptyParts);
        if (!c.content.isEmpty())
            args.replaceInStrings(QRegularExpression("^IN$"), file("in.csv", c.content));
        args.replaceInStrings(QRegularExpression("^COUNCIL$"), council());
        const Result r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(c.message), qPrintable(r.err));
        QVERIFY(r.err.startsWith("valsit-calc: "));
        QCOMPARE(r.err.count('\n'), 1);
    }

    // The text report with districts in Swedish name order, each with every party's votes,
    // the comparison numbers and the seat lines; files in UTF-8 with a byte-order mark and
    // semicolons, or in Windows-1252 as Excel writes them.
    void councilText()
    {
        const QString districts = file("d.csv", "district,code,votes\nÖstra,S,100\nÄrla,S,100\n"
                                                "Zeta,S,100\nängby,S,100\nÅby,S,100\nalby,S,1000\n"
                                                "alby,M,700\n");
        const Result r = run({"council", "--seats", "5", "--first-divisor", "1.4", "--threshold",
                              "0", "--districts", districts, "--comparison", "2", "--title",
                              "Kommunfullmäktige", council()});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        const QStringList lines = r.out.split('\n');
        QVERIFY(lines.contains("Kommunfullmäktige"));
        const int alby = int(lines.indexOf("alby\t1000\t700"));
        QVERIFY(alby > 0);
        QCOMPARE(lines.mid(alby + 1, 5),
                 (QStringList{"Zeta\t100\t0", "Åby\t100\t0", "ängby\t100\t0", "Ärla\t100\t0",
                              "Östra\t100\t0"}));
        QVERIFY(r.out.contains("ValsitNr=(Jämförelsetal), 1=(1071.43), 2=(500.00),"));

        const QString bom =
            file("bom.csv", "\xEF\xBB\xBF"
                            "code;name;votes\r\nS;\"Soc, dem\";1000\r\nM;M;1000\r\n");
        QVERIFY(run({"council", "--seats", "5", bom})
                    .out.contains("\nSoc, dem\t Antal: 3\tValsit: 1*\t3*\t5*\t\n"));
        const QString excel = file("excel.csv", "code;name;votes\r\nV;V\xE4nsterpartiet;1000\r\n"
                                                "M;M\x96M;900\r\n");
        QVERIFY(run({"council", "--seats", "5", excel})
                    .out.contains("\nVänsterpartiet\t Antal: 3\tValsit: 1\t3\t5\t\n"));
    }

    // Nothing chosen: the rules in force since 2018; a threshold with a decimal comma.
    void councilJsonAndRules()
    {
        QJsonObject json = runJson(
            {"council", "--seats", "5", "--first-divisor", "1.4", "--threshold", "0", council()});
        QCOMPARE(json["kind"].toString(), QString("council"));
        const QJsonArray parties = json["parties"].toArray();
        QCOMPARE(parties[0]["code"].toString(), QString("S"));
        QCOMPARE(seatsOf(parties[0]) + '|' + seatsOf(parties[1]), QString("1,2*,4|3,5"));
        QCOMPARE(json["comparisonNumbers"].toArray().size(), 5); // one per seat, the last too
        QCOMPARE(json["comparisonNumbers"][1]["code"].toString(), QString("S"));

        const QString path = file("small.csv", "code,name,votes\nA,A,1000\nB,B,40\n");
        json = runJson({"council", "--seats", "30", path});
        QCOMPARE(json["firstDivisor"].toDouble(), 1.2);
        QCOMPARE(json["threshold"].toDouble(), 2.0);
        json = runJson({"council", "--seats", "30", "--threshold", "4", path});
        QCOMPARE(json["parties"][1]["seatCount"].toInt(), 0);
        QCOMPARE(json["parties"][1]["eligible"].toBool(), false);
        json = runJson({"council", "--seats", "30", "--threshold", "3,5", path});
        QCOMPARE(json["parties"][1]["seatCount"].toInt(), 1);
    }

    void committee()
    {
        const QString path =
            file("committee4.csv", "code,name,council_seats\nS,S-partiet,5\n"
                                   "M,M-partiet,2\nV,V-partiet,4\nC,C-partiet,1\n");
        const QJsonObject json =
            runJson({"committee", "--seats", "5", "--all", "S-M,S-V,M-V,S-C,M-C,V-C", path});
        QCOMPARE(json["mode"].toString(), QString("all"));
        const QJsonArray combinations = json["combinations"].toArray();
        QCOMPARE(combinations.size(), 15);
        // The last: {S,M} with {V,C}.
        const QJsonValue last = combinations[14];
        QCOMPARE(last["number"].toInt() * 10 + last["lists"][1]["councilSeats"].toInt(), 155);
        QCOMPARE(last["lists"][0]["parties"].toArray(), (QJsonArray{"S", "M"}));
        QCOMPARE(last["lists"][0]["name"].toString(), QString("S / M"));
        // Pairs by number or by code.
        const Result byNumber = run({"committee", "--seats", "5", "--fixed", "1", path});
        QCOMPARE(run({"committee", "--seats", "5", "--fixed", "M-S", path}).out, byNumber.out);
        QVERIFY(byNumber.out.contains(" S / M\t Antal: 3\tValsit: 1\t3\t4\t\n"));
        QVERIFY(byNumber.out.contains("Fullmäktige\t\tValsamverkan - A"));
        // The comparison numbers: all by default, rounded as the text rounds them, or none.
        const QStringList all{"committee", "--seats", "5", "--all", "S-M", path};
        const QJsonObject joined = runJson(all)["combinations"][1].toObject();
        QCOMPARE(joined["comparisonNumbers"][3].toDouble(), 2.33333333333333);
        QCOMPARE(joined["seatLists"].toArray(), (QJsonArray{3, 1, 3, 3, 1}));
        QCOMPARE(joined["lists"][2]["seats"].toArray(), (QJsonArray{1, 3, 4}));
        QCOMPARE(runJson(all + QStringList{"--comparison",
                                           "2"})["combinations"][1]["comparisonNumbers"][3]
                     .toDouble(),
                 2.33);
        QVERIFY(!runJson(all + QStringList{"--comparison", "none"})["combinations"][0]
                     .toObject()
                     .contains("comparisonNumbers"));
    }

    // --lot: the lots give seats 4 and 5, listed in the JSON with the tie they decided.
    void lots()
    {
        const QJsonObject json = runJson(
            {"committee", "--seats", "5", "--lot", "4=C", "--lot", "5=m", file("t.csv", tied)});
        const QJsonObject combination = json["combinations"][0].toObject();
        QCOMPARE(combination["ties"].toArray(),
                 QJsonDocument::fromJson(R"([{"firstSeat": 4, "lastSeat": 6, "value": 2,
                     "lists": ["S", "M", "C"], "decidesCounts": true, "decidedByLot": true}])")
                     .array());
        QCOMPARE(combination["lots"][1].toObject(),
                 QJsonObject({{"seat", 5}, {"code", "m"}, {"list", "M"}}));
        QCOMPARE(combination["lists"][2]["seatCount"].toInt(), 1);
    }

    // Trelleborg 2018 with its two constituencies, as JSON and as text.
    void constituencies()
    {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        // The screen report is Swedish, decimal commas and all; JSON is JSON.
        const QJsonObject c =
            runJson({"council", "--seats", "5", "--first-divisor", "1,2", council()});
        QCOMPARE(c["comparisonNumbers"][1]["value"].toDouble(), 700 / 1.2);
        const QString path = file("valkretsar.csv", Trelleborg2018::csv().toUtf8());
        const QJsonObject json = runJson({"council", "--seats", "51", "--constituencies", path});
        QCOMPARE(json["threshold"].toDouble(), 3.0);
        const QJsonValue sd = json["parties"][7];
        QCOMPARE(sd["code"].toString() + QString::number(sd["seatCount"].toInt()), "SD13");
        // SÖS: 2 fixed seats and an adjustment seat in Trelleborgs Andra.
        const QJsonValue sos = json["constituencies"][1]["parties"][9];
        QCOMPARE(sos["fixed"].toInt() * 10 + sos["adjustment"].toInt(), 21);
        QCOMPARE(json["constituencies"][0]["fixedSeats"].toInt(), 24);

        const Result r =
            run({"council", "--seats", "51", "--constituencies", path, "--comparison", "2"});
        QVERIFY2(r.out.contains("Under spärren, utan mandat: V (2,99 %), FI (0,13 %), MED "
                                "(0,22 %), K (0,21 %), DjuP (0,20 %), TRP (0,10 %)\n"),
                 qPrintable(r.out));
        QVERIFY(r.out.contains("SD\t4079\t7\t1, 4, 7, 12, 17, 21, 23\n"));
        QVERIFY(r.out.contains("C\t2\t262,67\tTrelleborgs Första\n"));
        QVERIFY(r.out.contains("51 mandat, varav 45 fasta mandat och 6 utjämningsmandat"));
    }

    // Valmyndigheten's files of 2018, read as they are: the official votes, the line of the
    // others, and the published seats compared with the calculation.
    void imports()
    {
        const QString dir = VALSIT_TEST_DATA "/valmyndigheten/";
        // No rules given: those of the election's day.
        Result r = run({"council", "--import", dir + "slutresultat_0319K.xml"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString("valsit-calc: valdagen 2018-09-09 ger Gällande regler (från "
                                "2018): 1,2 och spärr 2 %\n"));
        // The parties by votes, long names shortened, the others last.
        QVERIFY2(r.out.contains("\nSocialdemokraterna\tS\t2325\nSverigedemokraterna\tSD\t") &&
                     r.out.contains(
                         "\nFeministiskt initiativ\tFI\t10\nÖvriga giltiga röster\tÖVR\t11\n"),
                 qPrintable(r.out));
        QVERIFY(r.out.contains("Mandat enligt Valmyndigheten: S 11, SD 6, M 4, KV 3, C 2, V 2, "
                               "KD 1, MP 1, L 1\nBeräkningen stämmer"));
        // Other rules give another result, and the difference is pointed out.
        r = run({"council", "--import", dir + "slutresultat_0319K.xml", "--threshold", "12"});
        QVERIFY2(r.out.contains("AVVIKER från Valmyndighetens fördelning: "), qPrintable(r.out));

        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        r = run({"council", "--import", dir + "slutresultat_1287K.xml"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.endsWith("Beräkningen stämmer med Valmyndighetens fördelning per "
                                "valkrets.\n"),
                 qPrintable(r.out.right(400)));
    }

    // The road of an election file: imported from Valmyndigheten's file into a new file from
    // the template, calculated from the file alone (as the window would), its seats stored,
    // and the committee calculated from them. A damaged file: one line, nothing written.
    void database()
    {
        const QString db = m_dir.filePath("Alvkarleby.mdb");
        const QString xml = VALSIT_TEST_DATA "/valmyndigheten/slutresultat_0319K.xml";
        Result r = run({"import", xml, "--database", db});
        QCOMPARE(r.out + r.err, QDir::toNativeSeparators(db) +
                                    ": Älvkarleby, 11 partier, 7 valdistrikt, 31 mandat\n");
        QCOMPARE(run({"import", xml, "--database", db, "--replace"}).status, 0);
        r = run({"council", "--database", db, "--store-seats"});
        QVERIFY2(r.out.contains("Beräkningen stämmer med Valmyndighetens fördelning.\n") &&
                     r.out.endsWith("Mandaten för S 11, SD 6, M 4, KV 3, C 2, V 2, KD 1, MP 1, "
                                    "L 1 har lagrats som antal valsit i fullmäktige.\n"),
                 qPrintable(r.out + r.err));
        r = run({"committee", "--database", db, "--format", "json"});
        QCOMPARE(
            QJsonDocument::fromJson(r.out.toUtf8())["combinations"][0]["lists"].toArray().size(),
            9);
        QVERIFY(TemplateCopy::breakIndex(db));
        const QByteArray before = TemplateCopy::bytes(db);
        r = run({"council", "--database", db, "--store-seats"});
        QCOMPARE(QString::number(r.status) + r.err,
                 "2valsit-calc: databasen " + QDir::toNativeSeparators(db) +
                     " är skadad och har inte ändrats; ersätt den med en säkerhetskopia\n");
        QCOMPARE(TemplateCopy::bytes(db), before);
    }

    // --org, else the stored organisation, else the default, heads the report.
    void organisation()
    {
        const QStringList args{"council", "--seats", "5", council()};
        const QString order = " har gjort valsitberäkningsbeställningen " +
                              ReportHeader::dateText(QDate::currentDate());
        QCOMPARE(run(args).out.section('\n', 0, 0), "Kommunen" + order);
        SettingsStore().setValue("OrgNamn", "Åby kommun");
        QCOMPARE(run(args).out.section('\n', 0, 0), "Åby kommun" + order);
        QCOMPARE(run(args + QStringList{"--org", "Mora"}).out.section('\n', 0, 0), "Mora" + order);
        SettingsStore().setValue("OrgNamn", QString());
    }

    // --pdf: the paper report of the run, with the organisation in the header; a file that
    // cannot be written fails with the message and status 2.
    void pdf()
    {
        const QString committees =
            file("committee.csv", "code,name,council_seats\nS,Socialdemokraterna,15\n"
                                  "M,Moderaterna,10\nV,Vänster,3\n");
        const QList<QStringList> runs = {
            {"council", "--seats", "41", "--comparison", "2", council()},
            {"committee", "--seats", "11", "--all", "S-V", committees}};
        const QList<QStringList> expected = {{"Socialdemokraterna", "ValsitNr"},
                                             {"Valsamverkan - A", "Vänster", "S / V"}};
        for (int i = 0; i < 2; ++i) {
            const QString pdf = m_dir.filePath(QString("run%1.pdf").arg(i));
            const Result r = run(runs[i] + QStringList{"--org", "Åby kommun", "--pdf", pdf});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.err, QString());
            QCOMPARE(r.out, pdf + ": 1 sidor\n");
            PDF_READ_BACK_OR_SKIP();
            const QString text = PdfReadBack::pages(pdf).join('\n');
            QVERIFY(text.contains("Åby kommun har gjort valsitberäkningsbeställningen"));
            QVERIFY(text.contains("Sida 1"));
            for (const QString& e : expected[i])
                QVERIFY2(QString(text).remove(' ').contains(QString(e).remove(' ')), qPrintable(e));
        }
        const Result r =
            run({"council", "--seats", "5", "--pdf", m_dir.filePath("no/such/x.pdf"), council()});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("x.pdf kunde inte skrivas"));
        QCOMPARE(r.out, QString());
        // A report lost on a full disk is a failure too.
        const Result full = runTool({"council", "--seats", "5", council()},
                                    QProcessEnvironment::systemEnvironment(), "/dev/full");
        QCOMPARE(full.status, 2);
        QCOMPARE(full.err,
                 QString("valsit-calc: resultatet kunde inte skrivas till standardutdata\n"));
    }

    void onlyTheErrorOnStandardError()
    {
        // Without a runtime folder, Qt's platform layer (a PDF needs it) would complain.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.remove("QT_QPA_PLATFORM");
        const Result r =
            runTool({"council", "--seats", "4", "--pdf", m_dir.filePath("x.pdf"), council()}, env);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err.trimmed(),
                 QString("valsit-calc: --seats måste vara mellan 5 och 350, inte 4"));
    }
};

QTEST_MAIN(tst_ValsitCalc)
#include "tst_ValsitCalc.moc"
