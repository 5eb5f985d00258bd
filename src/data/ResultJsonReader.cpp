#include "data/ResultJsonReader.h"

#include "data/PartyCode.h"
#include "data/ResultFileError.h"
#include "data/ResultLimits.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <type_traits>

namespace {

const QString OthersCode = QStringLiteral("ÖVR");

[[noreturn]] void damaged(const QString& detail)
{
    throw ResultFileError(QStringLiteral("Filen är skadad eller ofullständig: ") + detail +
                          QLatin1Char('.'));
}

QJsonObject document(QByteArray data, const QString& what)
{
    if (data.startsWith("\xef\xbb\xbf"))
        data.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        damaged(QStringLiteral("%1 går inte att läsa som JSON (tecken %2)")
                    .arg(what)
                    .arg(error.offset));
    // Rehearsals and simulations look like a result in every other way.
    if (doc.object().value(QLatin1String("test")).toBool())
        throw ResultFileError(
            QStringLiteral("Filen är en testfil från Valmyndigheten, inte ett valresultat."));
    return doc.object();
}

// A count written as a number or as a string of digits; -1 when null or missing.
qint64 count(const QJsonValue& value, const QString& field)
{
    if (value.isNull() || value.isUndefined())
        return -1;
    if (value.isDouble()) {
        const double d = value.toDouble();
        // Beyond 2^53 a double no longer holds every integer: no count is that large.
        if (d >= 0 && d < 9.0e15 && d == double(qint64(d)))
            return ResultLimits::votes(qint64(d), field);
    } else if (value.isString()) {
        bool ok = false;
        const qint64 n = value.toString().trimmed().toLongLong(&ok);
        if (ok && n >= 0)
            return ResultLimits::votes(n, field);
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

int seatCount(const QJsonObject& object, const char* field)
{
    const qint64 n = count(object.value(QLatin1String(field)), QLatin1String(field));
    return n < 0 ? -1 : ResultLimits::seats(n, QLatin1String(field));
}

QString text(const QJsonObject& object, const char* field)
{
    const QJsonValue v = object.value(QLatin1String(field));
    return v.isDouble() ? QString::number(qint64(v.toDouble())) : v.toString().trimmed();
}

QJsonArray partyList(const QJsonObject& object)
{
    return object.value(QLatin1String("mandatfordelning"))
        .toObject()
        .value(QLatin1String("partiLista"))
        .toArray();
}

// Reads both files into one ResultFile. Parties are keyed on `partikod` (a final count
// names every party, and a small local one may have no abbreviation), or on the
// abbreviation where a file has no codes; codes of the program's own are given at the end.
class Reader
{
public:
    ResultFile read(const QJsonObject& votes, const QJsonObject& seats)
    {
        readHeader(votes);
        const QJsonArray districts = votes.value(QLatin1String("valdistrikt")).toArray();
        if (districts.isEmpty())
            damaged(QStringLiteral("den har inga valdistrikt"));
        m_file.allDistricts = int(districts.size());
        QSet<QString> codes;
        for (const QJsonValue& v : districts) {
            const QJsonObject d = v.toObject();
            const QString code = text(d, "valdistriktskod");
            if (codes.contains(code))
                damaged(QStringLiteral("valdistriktet %1 finns två gånger").arg(code));
            codes.insert(code);
            // A district not yet counted on election night has no votes yet.
            if (d.value(QLatin1String("rostfordelning")).isObject())
                readDistrict(d);
        }
        m_file.countedDistricts = int(m_file.districts.size());
        readSeats(seats);
        ResultLimits::votes(m_file.validVotes(), QStringLiteral("giltiga röster i kommunen"));
        assignCodes();
        return m_file;
    }

private:
    void readHeader(const QJsonObject& votes)
    {
        const QString type = text(votes, "valtyp");
        if (type != QLatin1String("KF"))
            throw ResultFileError(
                QStringLiteral("Filen gäller inte val till kommunfullmäktige (valtyp \"%1\"). "
                               "Välj filerna för kommunfullmäktige (namnet slutar på _KF).")
                    .arg(type));
        m_file.electionDate = QDate::fromString(text(votes, "valdatum").left(10), Qt::ISODate);
        if (!m_file.electionDate.isValid()) {
            // "Val_20220911" names the day; "Val_2026" only the year, and then valdatum does.
            static const QRegularExpression day(QStringLiteral("(\\d{8})"));
            const QRegularExpressionMatch m = day.match(text(votes, "valtillfalle"));
            if (m.hasMatch())
                m_file.electionDate = QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
        }
        if (!m_file.electionDate.isValid())
            damaged(QStringLiteral("valdagen saknas"));
        const QString count = text(votes, "rakningstillfalle").toLower();
        if (count.startsWith(QLatin1String("slutlig")))
            m_file.finalCount = true;
        else if (count.startsWith(QLatin1String("prelimin")))
            m_file.finalCount = false;
        else
            damaged(QStringLiteral("rakningstillfalle \"%1\" är varken slutlig eller preliminär")
                        .arg(count));
    }

    // The party's key; a party first met is registered.
    QString partyKey(const QJsonObject& p, const QString& where)
    {
        const QString code = text(p, "partikod");
        const QString abbreviation = text(p, "partiforkortning");
        const QString key = code.isEmpty() ? abbreviation : code;
        if (key.isEmpty())
            damaged(
                QStringLiteral("ett parti i %1 saknar både partikod och förkortning").arg(where));
        if (!m_partyIndex.contains(key)) {
            m_partyIndex.insert(key, int(m_file.parties.size()));
            m_file.parties.append({abbreviation, text(p, "partibeteckning"), 0, -1, 0});
            m_keys.append(key);
        } else if (m_file.parties.at(m_partyIndex.value(key)).code.isEmpty()) {
            m_file.parties[m_partyIndex.value(key)].code = abbreviation;
        }
        if (!abbreviation.isEmpty())
            m_byAbbreviation.insert(abbreviation, key);
        return key;
    }

    // The key of a party in the seats file: by code, else by abbreviation; empty for a
    // party that has no votes.
    QString knownKey(const QJsonObject& p) const
    {
        const QString code = text(p, "partikod");
        if (!code.isEmpty() && m_partyIndex.contains(code))
            return code;
        return m_byAbbreviation.value(text(p, "partiforkortning"));
    }

    void readDistrict(const QJsonObject& d)
    {
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
            const QString key = partyKey(p, district.name);
            if (district.votes.contains(key))
                damaged(QStringLiteral("partiet %1 finns två gånger i %2").arg(key, district.name));
            const qint64 n = requiredCount(p, "antalRoster");
            district.votes.insert(key, n);
            sum += n;
            m_file.parties[m_partyIndex.value(key)].votes += n;
        }
        const qint64 others =
            qMax<qint64>(0, count(counts.value(QLatin1String("rosterOvrigaPartier"))
                                      .toObject()
                                      .value(QLatin1String("antalRoster")),
                                  QStringLiteral("rosterOvrigaPartier")));
        district.others = others;
        m_file.others += others;
        if (sum + others != valid)
            damaged(QStringLiteral("rösterna i %1 summerar inte till %2 giltiga röster")
                        .arg(district.name)
                        .arg(valid));
        m_file.districts.append(district);
    }

    // A level's published seats by party key; false where they are not decided yet (null).
    bool readPartySeats(const QJsonObject& level, QMap<QString, int>& seats,
                        QMap<QString, int>& adjustment, const QString& where)
    {
        if (!level.value(QLatin1String("mandatfordelning")).isObject())
            return false;
        for (const QJsonValue& v : partyList(level)) {
            const QJsonObject p = v.toObject();
            const int n = seatCount(p, "antalMandat");
            const QString key = knownKey(p);
            if (n < 0 || key.isEmpty())
                continue;
            if (seats.contains(key))
                damaged(QStringLiteral("partiet %1 finns två gånger i mandatfördelningen för %2")
                            .arg(key, where));
            seats.insert(key, n);
            adjustment.insert(key, qMax(0, seatCount(p, "antalUtjamningsmandat")));
        }
        return true;
    }

    void readSeats(const QJsonObject& seats)
    {
        const QJsonObject area = seats.value(QLatin1String("valomrade")).toObject();
        if (area.isEmpty())
            damaged(QStringLiteral("mandatfördelningen saknar valområdet"));
        m_file.municipalityName = text(area, "namn");
        m_file.municipalityCode = text(area, "kod");
        m_file.seats = seatCount(area, "totaltAntalMandat");
        if (m_file.seats < 0)
            damaged(QStringLiteral("totaltAntalMandat saknas"));
        const QJsonValue threshold = area.value(QLatin1String("valomradessparrProcent"));
        if (threshold.isDouble())
            m_file.thresholdPercent = threshold.toDouble();
        else if (threshold.isString())
            m_file.thresholdPercent =
                threshold.toString().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();

        QMap<QString, int> total, totalAdjustment;
        if (readPartySeats(area, total, totalAdjustment, m_file.municipalityName)) {
            for (int i = 0; i < m_file.parties.size(); ++i) {
                m_file.parties[i].seats = total.value(m_keys.at(i), 0);
                m_file.parties[i].adjustmentSeats = totalAdjustment.value(m_keys.at(i), 0);
            }
        }

        int fixedSum = 0;
        QSet<QString> codes;
        for (const QJsonValue& v : area.value(QLatin1String("valkretsLista")).toArray()) {
            const QJsonObject k = v.toObject();
            ResultFile::Constituency c;
            c.code = text(k, "kod");
            c.name = text(k, "namnValkrets");
            if (codes.contains(c.code))
                damaged(QStringLiteral("valkretsen %1 finns två gånger").arg(c.name));
            codes.insert(c.code);
            c.fixedSeats = seatCount(k, "totaltAntalFastaMandat");
            if (c.fixedSeats < 0)
                damaged(QStringLiteral("totaltAntalFastaMandat saknas för %1").arg(c.name));
            fixedSum += c.fixedSeats;
            readPartySeats(k, c.seats, c.adjustmentSeats, c.name);
            m_file.constituencies.append(c);
        }
        const int fixed = seatCount(area, "totaltAntalFastaMandat");
        if (!m_file.constituencies.isEmpty() && fixed >= 0 && fixed != fixedSum)
            damaged(QStringLiteral("valkretsarnas fasta mandat (%1) summerar inte till %2")
                        .arg(fixedSum)
                        .arg(fixed));

        // Every district names its constituency (ending in 00 where there are none): only
        // the list of constituencies says whether the municipality is divided.
        for (ResultFile::District& d : m_file.districts) {
            if (m_file.constituencies.size() < 2)
                d.constituency.clear();
            else if (!codes.contains(d.constituency))
                damaged(QStringLiteral("valdistriktet %1 hör till en valkrets som inte finns i "
                                       "mandatfördelningen")
                            .arg(d.name));
        }
        if (m_file.constituencies.size() == 1)
            m_file.constituencies.clear();
    }

    // The program's party codes: the abbreviation, or one made from the name. Votes and
    // seats keyed on the file's keys are keyed on these codes from here on.
    void assignCodes()
    {
        QSet<QString> taken{OthersCode};
        QHash<QString, QString> owner;
        for (int i = 0; i < m_file.parties.size(); ++i) {
            const QString code = m_file.parties.at(i).code.toUpper();
            if (code.isEmpty())
                continue;
            if (owner.contains(code))
                damaged(QStringLiteral("två partier har förkortningen %1").arg(code));
            owner.insert(code, m_keys.at(i));
            taken.insert(code);
        }
        QHash<QString, QString> codeOf;
        for (int i = 0; i < m_file.parties.size(); ++i) {
            ResultFile::Party& p = m_file.parties[i];
            if (p.code.isEmpty()) {
                p.code = PartyCode::fromName(p.name, m_keys.at(i).right(4), taken);
                p.codeFromName = true;
            }
            if (p.name.isEmpty())
                p.name = p.code;
            codeOf.insert(m_keys.at(i), p.code);
        }
        const auto rekeyed = [&codeOf](const auto& byKey) {
            std::decay_t<decltype(byKey)> out;
            for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
                out.insert(codeOf.value(it.key()), it.value());
            return out;
        };
        for (ResultFile::District& d : m_file.districts)
            d.votes = rekeyed(d.votes);
        for (ResultFile::Constituency& c : m_file.constituencies) {
            c.seats = rekeyed(c.seats);
            c.adjustmentSeats = rekeyed(c.adjustmentSeats);
        }
    }

    ResultFile m_file;
    QHash<QString, int> m_partyIndex;
    QStringList m_keys; // in the order of m_file.parties
    QHash<QString, QString> m_byAbbreviation;
};

} // namespace

ResultFile ResultJsonReader::read(const QByteArray& votesData, const QByteArray& seatsData)
{
    const QJsonObject votes = document(votesData, QStringLiteral("Rösterna per valdistrikt"));
    const QJsonObject seats = document(seatsData, QStringLiteral("Mandatfördelningen"));
    return Reader().read(votes, seats);
}
