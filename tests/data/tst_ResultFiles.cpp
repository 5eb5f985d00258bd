// Valmyndigheten's result files: the two real files of 2018 (Älvkarleby and Trelleborg,
// source Valmyndigheten) read whole, files written here in the shape of 2022 and 2026,
// signatures, the rules of the election's day, and every kind of bad file refused with its
// reason.
#include "TemplateCopy.h"

#include "council/ImportedVotes.h"
#include "council/ResultImport.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "data/ResultSignature.h"
#include "data/ResultXmlReader.h"
#include "data/ZipArchive.h"

#include <QTemporaryDir>
#include <openssl/evp.h>
#include <openssl/pem.h>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif
#include <zip.h>

#include <QFile>
#include <QtTest>

namespace {

QByteArray realFile(const char* name)
{
    return TemplateCopy::bytes(VALSIT_TEST_DATA "/valmyndigheten/" + QString::fromLatin1(name));
}

const ResultFile::Party* party(const ResultFile& file, const QString& code)
{
    for (const ResultFile::Party& p : file.parties)
        if (p.code == code)
            return &p;
    return nullptr;
}

// The reading in one line: the count, the districts per constituency code (* for collection
// districts), the constituencies with their fixed seats, and the parties asked for with
// their votes and published seats (adjustment seats after the +).
QString summary(const ResultFile& f, const QStringList& codes)
{
    QMap<QString, int> districts;
    for (const ResultFile::District& d : f.districts)
        ++districts[d.constituency + (d.collection ? "*" : "")];
    QStringList out{QString("%1 %2 %3, %4 mandat, spärr %5, %6 röster, övriga %7, %8 partier")
                        .arg(f.municipalityName, f.electionDate.toString(Qt::ISODate),
                             f.finalCount ? "slutlig" : "preliminär")
                        .arg(f.seats)
                        .arg(f.thresholdPercent)
                        .arg(f.validVotes())
                        .arg(f.others)
                        .arg(f.parties.size())};
    for (auto d = districts.cbegin(); d != districts.cend(); ++d)
        out.append(QString("distrikt %1: %2").arg(d.key()).arg(d.value()));
    for (const ResultFile::Constituency& c : f.constituencies)
        out.append(QString("%1 %2").arg(c.name).arg(c.fixedSeats));
    for (const QString& code : codes) {
        const ResultFile::Party* p = party(f, code);
        out.append(
            p ? QString("%1 %2 %3+%4").arg(code).arg(p->votes).arg(p->seats).arg(p->adjustmentSeats)
              : code + " saknas");
    }
    return out.join(", ");
}

// Replaces the first `from` of the Latin-1 file by `to`.
QByteArray edited(QByteArray data, const QString& from, const QString& to)
{
    const int at = int(data.indexOf(from.toLatin1()));
    return at < 0 ? QByteArray() : data.replace(at, from.toLatin1().size(), to.toLatin1());
}

// A count of 2022 and later, written for these tests (tests/data/provkommun): Provkommun, S
// and M and others in three districts (the third a collection district), in constituencies A
// (9 fixed seats) and B (8), 19 seats in all; the preliminary count has numbers written as
// strings and one constituency.
QByteArray provkommun(const char* name)
{
    return TemplateCopy::bytes(VALSIT_TEST_DATA "/provkommun/" + QString(name) + ".json");
}

// A zip holding the given files, as Valmyndigheten's zip holds its two.
QString writeZip(const QString& path, const QList<QPair<QString, QByteArray>>& files)
{
    int error = 0;
    zip_t* z = zip_open(ZipArchive::fileName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& f : files) {
        zip_source_t* source =
            zip_source_buffer(z, f.second.constData(), zip_uint64_t(f.second.size()), 0);
        zip_file_add(z, f.first.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    }
    zip_close(z); // the buffers are read here, while `files` still holds them
    return path;
}

// Nyby 2026 (tests/data/val2026), written for these tests in the shape of Valmyndigheten's
// files: parties keyed on partikod, the local party "Nybys Framtid" without an
// abbreviation winning 4 of 15 seats, a byte-order mark; the preliminary count lacks one
// district and has no seats yet.
QByteArray nyby(const char* count, const char* kind)
{
    return TemplateCopy::bytes(
        QString(VALSIT_TEST_DATA "/val2026/Val_2026_%1_%2_0999_KF.json").arg(count, kind));
}

// An RSA key of the tests' own: its public half in PEM, and signatures made with it.
struct TestKey
{
    EVP_PKEY* key = EVP_RSA_gen(2048);
    ~TestKey() { EVP_PKEY_free(key); }
    QByteArray publicPem() const
    {
        BIO* bio = BIO_new(BIO_s_mem());
        PEM_write_bio_PUBKEY(bio, key);
        char* data = nullptr;
        const QByteArray pem(data, int(BIO_get_mem_data(bio, &data)));
        BIO_free(bio);
        return pem;
    }
    QByteArray sign(const QByteArray& data) const
    {
        EVP_MD_CTX* ctx = EVP_MD_CTX_new();
        size_t size = 0;
        EVP_DigestSignInit(ctx, nullptr, EVP_sha256(), nullptr, key);
        EVP_DigestSign(ctx, nullptr, &size, nullptr, 0);
        QByteArray signature(qsizetype(size), '\0');
        EVP_DigestSign(ctx, reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.constData()),
                       size_t(data.size()));
        EVP_MD_CTX_free(ctx);
        return signature;
    }
};

} // namespace

class tst_ResultFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realFiles()
    {
        // Älvkarleby is its one constituency; the others written by hand.
        const ResultFile a = ResultXmlReader::read(realFile("slutresultat_0319K.xml"));
        QCOMPARE(summary(a, {"S", "FI"}) + ", " + party(a, "KV")->name,
                 "Älvkarleby 2018-09-09 slutlig, 31 mandat, spärr -1, 6107 röster, övriga 11, "
                 "10 partier, distrikt : 6, distrikt *: 1, S 2325 11+0, FI 10 0+0, Kommunens Väl");
        // Trelleborg's registered small parties nested among the others are parties of their own.
        const ResultFile t = ResultXmlReader::read(realFile("slutresultat_1287K.xml"));
        const ResultFile::Constituency& first = t.constituencies.first();
        QCOMPARE(summary(t, {"M", "MED"}) + QString(", SÖS %1+%2")
                                                .arg(first.seats.value("SÖS"))
                                                .arg(first.adjustmentSeats.value("SÖS")),
                 "Trelleborg 2018-09-09 slutlig, 51 mandat, spärr -1, 28627 röster, övriga 36, "
                 "15 partier, distrikt 128701: 14, distrikt 128701*: 1, distrikt 128702: 13, "
                 "distrikt 128702*: 1, Trelleborgs Andra, Östra 21, Trelleborgs  Första, "
                 "Västra-Norra 24, M 6374 12+1, MED 62 0+0, SÖS 3+1");
    }

    // The JSON of 2022 and later, from the zip (in a folder with blanks and Å Ä Ö) or from
    // the two files side by side.
    void jsonCounts()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Val 2026 Åby Ö"));
        const QString zip = writeZip(
            dir.filePath("Val 2026 Åby Ö/Val_2026_slutlig_9999_KF.zip"),
            {{"Val_2026_slutlig_rostfordelning_9999_KF.json", provkommun("slutlig_rostfordelning")},
             {"Val_2026_slutlig_mandatfordelning_9999_KF.json",
              provkommun("slutlig_mandatfordelning")}});
        QCOMPARE(summary(ResultFileReader::read(zip), {"S", "M"}),
                 "Provkommun 2026-09-13 slutlig, 19 mandat, spärr 3, 1720 röster, övriga 10, "
                 "2 partier, distrikt A: 1, distrikt A*: 1, distrikt B: 1, Norra kretsen 9, "
                 "Södra kretsen 8, S 940 10+1, M 770 0+0");
        const QString seats = dir.filePath("Val_2026_preliminar_mandatfordelning_9999_KF.json");
        for (const char* kind : {"mandatfordelning", "rostfordelning"}) {
            QFile f(QString(seats).replace("mandatfordelning", kind));
            const QByteArray data = provkommun(qPrintable(QString("preliminar_") + kind));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
        }
        // Either file finds the other.
        QCOMPARE(summary(ResultFileReader::read(seats), {}),
                 "Provkommun 2026-09-13 preliminär, 19 mandat, spärr 3, 1720 röster, övriga 10, "
                 "2 partier, distrikt : 2, distrikt *: 1");
    }

    // The files of 2022 on as they really are: the final count with a party known only by
    // its partikod (a code from its name, the name kept), a preliminary count of two of
    // three districts with its seats not yet decided.
    void realShape()
    {
        QTemporaryDir dir;
        const QString zip = writeZip(
            dir.filePath("Val_2026_slutlig_0999_KF.zip"),
            {{"Val_2026_slutlig_rostfordelning_0999_KF.json", nyby("slutlig", "rostfordelning")},
             {"Val_2026_slutlig_mandatfordelning_0999_KF.json",
              nyby("slutlig", "mandatfordelning")}});
        const ResultFile slutlig = ResultFileReader::read(zip);
        QCOMPARE(summary(slutlig, {"S", "NF"}) + ", " + party(slutlig, "NF")->name,
                 "Nyby 2026-09-13 slutlig, 15 mandat, spärr 2, 1710 röster, övriga 15, 3 partier, "
                 "distrikt : 2, distrikt *: 1, S 770 7+0, NF 410 4+0, Nybys Framtid");
        QCOMPARE(slutlig.districts.last().votes.value("NF"), 10);
        QVERIFY(ResultImport::summary(slutlig, ImportedVotes::from(slutlig))
                    .contains("\nPartier utan förkortning i filen: NF = Nybys Framtid.\n"));

        const ResultFile night = ResultFileReader::read(
            VALSIT_TEST_DATA "/val2026/Val_2026_preliminar_mandatfordelning_0999_KF.json");
        QCOMPARE(summary(night, {"M"}) + QString(", %1 av %2, publicerat %3")
                                             .arg(night.countedDistricts)
                                             .arg(night.allDistricts)
                                             .arg(night.hasPublishedSeats()),
                 "Nyby 2026-09-13 preliminär, 15 mandat, spärr 2, 1005 röster, övriga 10, "
                 "3 partier, distrikt : 1, distrikt *: 1, M 315 -1+0, 2 av 3, publicerat 0");
        QVERIFY(ResultImport::summary(night, ImportedVotes::from(night))
                    .contains("\nValmyndigheten har ännu ingen mandatfördelning för valet.\n"));
    }

    // Each JSON's signature beside it in the zip: checked with the key it was made by,
    // unknown for another key, refused when the file was changed after signing.
    void signatures_data()
    {
        QTest::addColumn<bool>("knownKey");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("bothSigned");
        QTest::addColumn<QString>("result");
        QTest::newRow("signed") << true << false << true << "Signerad av Valmyndigheten.";
        QTest::newRow("another key") << false << false << true << "Signaturen kunde inte";
        QTest::newRow("one unsigned") << true << false << false << "Filen har ingen signatur";
        QTest::newRow("changed") << true << true << true
                                 << "Signaturen stämmer inte med filen: filen kan vara ändrad.";
    }
    void signatures()
    {
        QFETCH(bool, knownKey);
        QFETCH(bool, changed);
        QFETCH(bool, bothSigned);
        QFETCH(QString, result);
        static const TestKey known, other;
        const QByteArray votes = nyby("slutlig", "rostfordelning");
        const QByteArray seats = nyby("slutlig", "mandatfordelning");
        const TestKey& signer = knownKey ? known : other;
        QList<QPair<QString, QByteArray>> files{
            {"V_rostfordelning_0999_KF.json", changed ? edited(votes, "400", "401") : votes},
            {"V_rostfordelning_0999_KF_sign.sha256", signer.sign(votes)},
            {"V_mandatfordelning_0999_KF.json", seats}};
        if (bothSigned)
            files.append({"V_mandatfordelning_0999_KF_sign.sha256", signer.sign(seats)});
        QTemporaryDir dir;
        const QString zip = writeZip(dir.filePath("V.zip"), files);
        try {
            const ResultFile file = ResultFileReader::read(zip, {known.publicPem()});
            QVERIFY2(ResultImport::summary(file, ImportedVotes::from(file)).contains(result),
                     qPrintable(result));
        } catch (const ResultFileError& e) {
            QCOMPARE(e.message(), result);
        }
        // The shipped certificate is Valmyndigheten's, not the key of these tests.
        QCOMPARE(ResultSignature::check(votes, known.sign(votes), ResultSignature::shippedKeys()),
                 ResultSignature::Check::UnknownKey);
    }

    // Every bad file refused with its reason, before it reaches a calculation, in Swedish:
    // XML of 2010-2018 (Älvkarleby's file edited), the JSON of 2022 on in a zip, and hostile
    // or unlucky input.
    void refused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        static QTemporaryDir dir;
        const auto zip = [](const QString& name, const QByteArray& votes, const QByteArray& seats,
                            const QString& extra = QString(), const QString& code = "0999") {
            QList<QPair<QString, QByteArray>> files{
                {QString("x_rostfordelning_%1_KF.json").arg(code), votes}};
            if (!seats.isEmpty())
                files.append({QString("x_mandatfordelning_%1_KF.json").arg(code), seats});
            if (!extra.isEmpty())
                files.append({extra, votes});
            return writeZip(dir.filePath(name), files);
        };
        const QByteArray votes = nyby("slutlig", "rostfordelning");
        const QByteArray seats = nyby("slutlig", "mandatfordelning");
        const QByteArray alv = realFile("slutresultat_0319K.xml");
        const auto row = [](const char* name, const QString& path, const QString& message) {
            QTest::newRow(name) << path << message;
        };
        const auto xml = [](const QString& name, const QByteArray& data) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(data);
            return f.fileName();
        };
        row("another election",
            xml("rd.xml", edited(alv, "VALTYP=\"Kommunfullmäktigval\"", "VALTYP=\"Riksdagsval\"")),
            "Filen gäller inte val till kommunfullmäktige utan \"Riksdagsval\". Välj "
            "resultatfilen för kommunfullmäktige (namnet slutar på K).");
        row("a district's votes changed",
            xml("sum.xml", edited(alv, "<GILTIGA PARTI=\"S\" RÖSTER=\"445\"",
                                  "<GILTIGA PARTI=\"S\" RÖSTER=\"446\"")),
            "Filen är skadad eller ofullständig: valdistriktens röster för S summerar inte");
        row("a party not in the dictionary",
            xml("kx.xml", edited(alv, "<PARTI FÖRKORTNING=\"KV\"", "<PARTI FÖRKORTNING=\"KX\"")),
            "Partiet \"KV\"");
        row("not a result file", xml("404.xml", "<html><body>404</body></html>"),
            "Filen är ingen resultatfil");
        row("not a number", xml("nan.xml", edited(alv, "RÖSTER=\"771\"", "RÖSTER=\"7x1\"")),
            "har inget giltigt tal i RÖSTER");
        const QByteArray prov = provkommun("slutlig_rostfordelning");
        const QByteArray provSeats = provkommun("slutlig_mandatfordelning");
        row("json: votes that do not add up",
            zip("sum.zip", edited(prov, "807", "808"), provSeats, {}, "9999"),
            "rösterna i Norr summerar inte till 808 giltiga röster");
        row("json: another election",
            zip("rd.zip", edited(prov, "KF", "RD"), provSeats, {}, "9999"), "valtyp \"RD\"");
        row("json: truncated", zip("cut.zip", prov.left(300), provSeats, {}, "9999"),
            "Filen är skadad");
        row("json: zip without the seats", zip("noseats.zip", prov, {}, {}, "9999"),
            "saknar mandatfördelningen");
#ifndef Q_OS_WIN // no FIFOs or device files there
        const QString fifo = dir.filePath("fifo");
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        row("a FIFO", fifo, "fifo är ingen vanlig fil");
        row("a device", "/dev/zero", "zero är ingen vanlig fil");
#endif
        QFile big(dir.filePath("big.xml"));
        big.open(QIODevice::WriteOnly);
        big.resize(65 * 1024 * 1024);
        row("a folder", dir.path(), "är ingen vanlig fil");
        row("over 64 MB", big.fileName(),
            "big.xml är för stor för en resultatfil (65 MB; högst 64");
        const QString testFile = "Filen är en testfil från Valmyndigheten, inte ett valresultat.";
        row("test: true", zip("t.zip", edited(votes, "{", "{\"test\": true,"), seats), testFile);
        row("a rehearsal's name", zip("Genrep_x.zip", votes, seats), testFile);
        row("the national summary", zip("Val_2026_slutlig_OS_KF.zip", votes, seats),
            "sammanställning för hela landet");
        row("two votes files", zip("two.zip", votes, seats, "y_rostfordelning_0999_KF.json"),
            "innehåller både x_rostfordelning_0999_KF.json och y_rostfordelning_0999_KF.json");
        row("a member twice", zip("dup.zip", votes, seats, "a/x_rostfordelning_0999_KF.json"),
            "innehåller x_rostfordelning_0999_KF.json två gånger");
        row("a party twice in a district",
            zip("p.zip", edited(votes, "\"partikod\": \"0001\"", "\"partikod\": \"0002\""), seats),
            "partiet 0002 finns två gånger i Nyby centrum");
        row("a district twice", zip("d.zip", edited(votes, "09990102", "09990101"), seats),
            "valdistriktet 09990101 finns två gånger");
        row("2^32 more votes",
            zip("v.zip",
                edited(edited(votes, "\"antalRoster\": 960", "\"antalRoster\": 4294968256"),
                       "\"antalRoster\": 400", "\"antalRoster\": 4294967696"),
                seats),
            "Filen anger 4294968256 röster (antalRoster); så många röster har ingen kommun.");
        row("351 seats",
            zip("s.zip", votes,
                edited(seats, "\"totaltAntalMandat\": 15", "\"totaltAntalMandat\": 351")),
            "Filen anger 351 mandat (totaltAntalMandat); en kommun har högst 350.");
        row("XML cut short", xml("cut.xml", alv.left(2000)),
            "Filen är skadad eller ofullständig: filen tar slut mitt i, på rad 21.");
        row("XML not well formed", xml("bad.xml", edited(alv, "<KOMMUN ", "<KOMMUN <")),
            "Filen är skadad eller ofullständig: rad 19 är inte giltig XML.");
        row("XML party twice",
            xml("twice.xml", edited(alv, "<GILTIGA PARTI=\"SD\"", "<GILTIGA PARTI=\"S\"")),
            "partiet S finns två gånger (rad");
        row("XML seats past 350",
            xml("seats.xml",
                edited(alv, "MANDAT_VALOMRÅDE=\"31\"", "MANDAT_VALOMRÅDE=\"4294967327\"")),
            "Filen anger 4294967327 mandat (MANDAT_VALOMRÅDE på rad 19)");
    }
    void refused()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        try {
            ResultFileReader::read(path, {});
            QFAIL("read");
        } catch (const ResultFileError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    // The rules of the election's day: before 2018 the older ones, from 2018 a threshold
    // of 2 %, or 3 % with constituencies.
    void rulesByDate_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("rules");
        const QByteArray trelleborg = realFile("slutresultat_1287K.xml");
        QTest::newRow("Älvkarleby 2018") << realFile("slutresultat_0319K.xml")
                                         << "Gällande regler (från 2018): 1,2 och spärr 2 %";
        QTest::newRow("Trelleborg 2018")
            << trelleborg << "Gällande regler (från 2018): 1,2 och spärr 3 %";
        QTest::newRow("a 2014 file with constituencies")
            << edited(trelleborg, "VALDAG=\"20180909\"", "VALDAG=\"20140914\"")
            << "Äldre regler (före 2018): 1,4 utan spärr";
    }
    void rulesByDate()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, rules);
        QVERIFY(!xml.isEmpty());
        QCOMPARE(ResultImport::rulesText(ResultXmlReader::read(xml)), rules);
    }

    // The calculation's input: the parties with votes or published seats, most votes first
    // (equals in the file's order), the others last; long names shortened; names that
    // repeat told apart by their constituency; collection districts numbered from 9901.
    void importedVotes()
    {
        ResultFile file;
        file.seats = 31;
        file.others = 1;
        file.parties = {{"A", "Alfa (tidigare Beta, Gamma och Delta)", 100},
                        {"B", "Arbetarepartiet-Socialdemokraterna", 300},
                        {"C", "Utan röster", 0},
                        {"D", "Bara ett mandat", 0, 1},
                        {"E", "Trettio tecken (x) och en till", 100},
                        {"F", "Y-trettio tecken och sedan fler", 50}};
        file.constituencies = {{"1", "Norra  valkretsen", 9, {}, {}}, {"2", "Södra", 9, {}, {}}};
        file.districts = {{"03190101", "Kyrkbyn", "1", false, {{"A", 60}, {"B", 1}}, 2},
                          {"x", "Uppsamling", "1", true, {{"E", 5}}, 0},
                          {"y", "Uppsamling", "2", true, {}, 5}};
        const ImportedVotes v = ImportedVotes::from(file);
        QStringList got{QString::number(v.seats)};
        for (const ImportedVotes::Party& p : v.parties)
            got << QString("%1:%2:%3:%4").arg(p.code, p.name).arg(p.votes).arg(p.publishedSeats);
        for (const ImportedVotes::District& d : v.districts) {
            QStringList votes;
            for (qint64 n : d.votes)
                votes << QString::number(n);
            got << QString("%1 %2 %3: %4")
                       .arg(d.number)
                       .arg(d.name, d.constituency, votes.join(','));
        }
        got << v.constituencies.first().name;
        QCOMPARE(got, (QStringList{"31", "B:Socialdemokraterna:300:-1", "A:Alfa:100:-1",
                                   "E:Trettio tecken (x) och en till:100:-1",
                                   "F:trettio tecken och sedan fler:50:-1", "D:Bara ett mandat:0:1",
                                   "ÖVR:Övriga giltiga röster:1:0", "101 Kyrkbyn 1: 1,60,0,0,0,2",
                                   "9901 Uppsamling (Norra  valkretsen) 1: 0,0,5,0,0,0",
                                   "9902 Uppsamling (Södra) 2: 0,0,0,0,0,5", "Norra valkretsen"}));
    }
};

QTEST_GUILESS_MAIN(tst_ResultFiles)
#include "tst_ResultFiles.moc"
