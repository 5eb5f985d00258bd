#include "data/ResultJsonReader.h"

#include "data/ResultFileError.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

[[noreturn]] void damaged(const QString& detail)
{
    throw ResultFileError(QStringLiteral("Filen är skadad eller ofullständig: ") + detail +
                          QLatin1Char('.'));
}

QJsonObject document(const QByteArray& data, const QString& what)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        damaged(QStringLiteral("%1 går inte att läsa som JSON (tecken %2: %3)")
                    .arg(what)
                    .arg(error.offset)
                    .arg(error.errorString()));
    return doc.object();
}

// A count written as a number or as a string of digits; -1 when null or missing.
qint64 count(const QJsonValue& value, const QString& field)
{
    if (value.isNull() || value.isUndefined())
        return -1;
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d >= 0 && d == double(qint64(d)))
            return qint64(d);
    } else if (value.isString()) {
        bool ok = false;
        const qint64 n = value.toString().trimmed().toLongLong(&ok);
        if (ok && n >= 0)
            return n;
    }
    damaged(QStringLiteral("%1 är inget antal").arg(field));
}

qint64 requiredCount(const QJsonObject& object, const char* field)
{
    const qint64 n = count(object.value(QLatin1String(field)), QLatin1String(field));
    if (n < 0)
        damaged(QStringLiteral("%1 saknas").arg(QLatin1String(field)));
    return n;
}

QString text(const QJsonObject& object, const char* field)
{
    const QJsonValue v = object.value(QLatin1String(field));
    return v.isDouble() ? QString::number(qint64(v.toDouble())) : v.toString().trimmed();
}

void readSeats(const QJsonObject& seats, ResultFile& file)
{
    const QJsonObject area = seats.value(QLatin1String("valomrade")).toObject();
    if (area.isEmpty())
        damaged(QStringLiteral("mandatfördelningen saknar valområdet"));
    file.municipalityName = text(area, "namn");
    file.municipalityCode = text(area, "kod");
    file.seats = int(requiredCount(area, "totaltAntalMandat"));
    const QJsonValue threshold = area.value(QLatin1String("valomradessparrProcent"));
    if (threshold.isDouble())
        file.thresholdPercent = threshold.toDouble();
    else if (threshold.isString())
        file.thresholdPercent =
            threshold.toString().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();

    QHash<QString, int> partyIndex;
    for (int i = 0; i < file.parties.size(); ++i)
        partyIndex.insert(file.parties.at(i).code, i);
    const QJsonArray parties = area.value(QLatin1String("mandatfordelning"))
                                   .toObject()
                                   .value(QLatin1String("partiLista"))
                                   .toArray();
    for (const QJsonValue& v : parties) {
        const QJsonObject p = v.toObject();
        const QString code = text(p, "partiforkortning");
        const qint64 seatCount = count(p.value(QLatin1String("antalMandat")), "antalMandat");
        if (seatCount < 0 || !partyIndex.contains(code))
            continue;
        ResultFile::Party& party = file.parties[partyIndex.value(code)];
        party.seats = int(seatCount);
        party.adjustmentSeats = int(qMax<qint64>(
            0, count(p.value(QLatin1String("antalUtjamningsmandat")), "antalUtjamningsmandat")));
    }
    if (file.hasPublishedSeats())
        for (ResultFile::Party& p : file.parties)
            p.seats = qMax(0, p.seats);

    int fixedSum = 0;
    for (const QJsonValue& v : area.value(QLatin1String("valkretsLista")).toArray()) {
        const QJsonObject k = v.toObject();
        ResultFile::Constituency c;
        c.code = text(k, "kod");
        c.name = text(k, "namnValkrets");
        c.fixedSeats = int(requiredCount(k, "totaltAntalFastaMandat"));
        fixedSum += c.fixedSeats;
        for (const QJsonValue& pv : k.value(QLatin1String("mandatfordelning"))
                                        .toObject()
                                        .value(QLatin1String("partiLista"))
                                        .toArray()) {
            const QJsonObject p = pv.toObject();
            const qint64 seatCount = count(p.value(QLatin1String("antalMandat")), "antalMandat");
            if (seatCount >= 0) {
                c.seats.insert(text(p, "partiforkortning"), int(seatCount));
                c.adjustmentSeats.insert(
                    text(p, "partiforkortning"),
                    int(qMax<qint64>(0, count(p.value(QLatin1String("antalUtjamningsmandat")),
                                              "antalUtjamningsmandat"))));
            }
        }
        file.constituencies.append(c);
    }
    const qint64 fixed = count(area.value(QLatin1String("totaltAntalFastaMandat")),
                               QStringLiteral("totaltAntalFastaMandat"));
    if (!file.constituencies.isEmpty() && fixed >= 0 && fixed != fixedSum)
        damaged(QStringLiteral("valkretsarnas fasta mandat (%1) summerar inte till %2")
                    .arg(fixedSum)
                    .arg(fixed));
}

} // namespace

ResultFile ResultJsonReader::read(const QByteArray& votesData, const QByteArray& seatsData)
{
    const QJsonObject votes = document(votesData, QStringLiteral("Rösterna per valdistrikt"));
    const QJsonObject seats = document(seatsData, QStringLiteral("Mandatfördelningen"));
    const QString type = text(votes, "valtyp");
    if (type != QLatin1String("KF"))
        throw ResultFileError(
            QStringLiteral("Filen gäller inte val till kommunfullmäktige (valtyp \"%1\"). Välj "
                           "filerna för kommunfullmäktige (namnet slutar på _KF).")
                .arg(type));
    ResultFile file;
    file.electionDate = QDate::fromString(text(votes, "valdatum").left(10), Qt::ISODate);
    file.finalCount = text(votes, "rakningstillfalle").startsWith(QLatin1String("slutlig"));

    const QJsonArray districts = votes.value(QLatin1String("valdistrikt")).toArray();
    if (districts.isEmpty())
        damaged(QStringLiteral("den har inga valdistrikt"));
    int counted = 0;
    for (const QJsonValue& v : districts)
        counted += v.toObject().value(QLatin1String("rostfordelning")).isObject() ? 1 : 0;
    if (counted < districts.size())
        throw ResultFileError(
            QStringLiteral("Rösträkningen är inte klar: %1 av %2 valdistrikt är räknade. "
                           "Hämta valresultatet när alla valdistrikt är räknade.")
                .arg(counted)
                .arg(districts.size()));

    QHash<QString, int> partyIndex;
    for (const QJsonValue& v : districts) {
        const QJsonObject d = v.toObject();
        ResultFile::District district;
        district.code = text(d, "valdistriktskod");
        district.name = text(d, "namn");
        district.constituency = text(d, "kommunvalkretsKod");
        district.collection = text(d, "valdistriktstyp") == QLatin1String("uppsamlingsdistrikt");
        const QJsonObject counts = d.value(QLatin1String("rostfordelning"))
                                       .toObject()
                                       .value(QLatin1String("rosterPaverkaMandat"))
                                       .toObject();
        const qint64 valid = requiredCount(counts, "antalRoster");
        qint64 sum = 0;
        for (const QJsonValue& pv : counts.value(QLatin1String("partiRoster")).toArray()) {
            const QJsonObject p = pv.toObject();
            const QString code = text(p, "partiforkortning");
            if (code.isEmpty())
                damaged(QStringLiteral("ett parti i %1 saknar förkortning").arg(district.name));
            const qint64 n = requiredCount(p, "antalRoster");
            district.votes[code] += n;
            sum += n;
            if (!partyIndex.contains(code)) {
                partyIndex.insert(code, int(file.parties.size()));
                file.parties.append({code, text(p, "partibeteckning"), 0, -1, 0});
            }
            file.parties[partyIndex.value(code)].votes += n;
        }
        const qint64 others =
            qMax<qint64>(0, count(counts.value(QLatin1String("rosterOvrigaPartier"))
                                      .toObject()
                                      .value(QLatin1String("antalRoster")),
                                  QStringLiteral("rosterOvrigaPartier")));
        district.others = others;
        file.others += others;
        if (sum + others != valid)
            damaged(QStringLiteral("rösterna i %1 summerar inte till %2 giltiga röster")
                        .arg(district.name)
                        .arg(valid));
        file.districts.append(district);
    }

    readSeats(seats, file);
    if (!file.constituencies.isEmpty()) {
        QHash<QString, bool> known;
        for (const ResultFile::Constituency& c : file.constituencies)
            known.insert(c.code, true);
        for (const ResultFile::District& d : file.districts)
            if (!known.contains(d.constituency))
                damaged(QStringLiteral("valdistriktet %1 hör till en valkrets som inte finns i "
                                       "mandatfördelningen")
                            .arg(d.name));
    }
    if (file.constituencies.size() == 1) {
        file.constituencies.clear();
        for (ResultFile::District& d : file.districts)
            d.constituency.clear();
    }
    return file;
}
