#include "data/ResultXmlReader.h"

#include "data/ResultFileError.h"
#include "data/ResultLimits.h"
#include "data/ResultTotals.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

enum class Level { Outside, Municipality, Constituency, District };

QString attr(const QXmlStreamReader& xml, const char* name)
{
    return xml.attributes().value(QString::fromUtf8(name)).toString();
}

[[noreturn]] void damaged(const QString& detail)
{
    throw ResultFileError(QStringLiteral("Filen är skadad eller ofullständig: ") + detail +
                          QLatin1Char('.'));
}

QString onLine(const QXmlStreamReader& xml, const char* name)
{
    return QStringLiteral("%1 på rad %2").arg(QString::fromUtf8(name)).arg(xml.lineNumber());
}

qint64 unlimited(const QXmlStreamReader& xml, const char* name)
{
    bool ok = false;
    const qint64 value = attr(xml, name).toLongLong(&ok);
    if (!ok || value < 0)
        damaged(QStringLiteral("rad %1 har inget giltigt tal i %2")
                    .arg(xml.lineNumber())
                    .arg(QString::fromUtf8(name)));
    return value;
}

// A count: votes, or districts; none can be larger than a municipality's votes.
qint64 number(const QXmlStreamReader& xml, const char* name)
{
    return ResultLimits::votes(unlimited(xml, name), onLine(xml, name));
}

int seatNumber(const QXmlStreamReader& xml, const char* name)
{
    return ResultLimits::seats(unlimited(xml, name), onLine(xml, name));
}

// Seats that may be missing (they are only given where they are decided): -1 then.
int optionalSeats(const QXmlStreamReader& xml, const char* name)
{
    if (!xml.attributes().hasAttribute(QString::fromUtf8(name)))
        return -1;
    return seatNumber(xml, name);
}

// The parser's complaint in the program's own words; Qt's texts are English.
QString parseError(const QXmlStreamReader& xml)
{
    switch (xml.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        return QStringLiteral("filen tar slut mitt i, på rad %1").arg(xml.lineNumber());
    case QXmlStreamReader::CustomError:
        return QStringLiteral("rad %1 kan inte läsas").arg(xml.lineNumber());
    default:
        return QStringLiteral("rad %1 är inte giltig XML").arg(xml.lineNumber());
    }
}

class Reader
{
public:
    explicit Reader(const QByteArray& data) : m_xml(data) {}

    ResultFile read()
    {
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                start();
            else if (token == QXmlStreamReader::EndElement)
                end();
        }
        if (m_xml.hasError())
            damaged(parseError(m_xml));
        finish();
        return m_file;
    }

private:
    void start()
    {
        const QString name = m_xml.name().toString();
        const QString parent = m_path.isEmpty() ? QString() : m_path.last();
        m_path.append(name);
        if (name == QLatin1String("VAL") && m_path.size() == 1) {
            startElection();
        } else if (name == QLatin1String("PARTI") && parent == QLatin1String("VAL")) {
            m_dictionary.insert(attr(m_xml, "FÖRKORTNING"), attr(m_xml, "BETECKNING"));
        } else if (name == QLatin1String("KOMMUN") && parent == QLatin1String("VAL")) {
            startMunicipality();
        } else if (name == QLatin1String("KRETS_KOMMUN") && m_level == Level::Municipality) {
            startConstituency();
        } else if ((name == QLatin1String("VALDISTRIKT") ||
                    name == QLatin1String("ONSDAGSDISTRIKT")) &&
                   (m_level == Level::Constituency || m_level == Level::Municipality)) {
            startDistrict(name == QLatin1String("ONSDAGSDISTRIKT"));
        } else if (name == QStringLiteral("ÖVRIGA_GILTIGA") && isLevelElement(parent)) {
            m_inOthers = true;
            m_othersStated = number(m_xml, "RÖSTER");
            m_othersCounted = 0;
        } else if (name == QLatin1String("GILTIGA") &&
                   (isLevelElement(parent) || parent == QStringLiteral("ÖVRIGA_GILTIGA"))) {
            partyVotes(parent == QStringLiteral("ÖVRIGA_GILTIGA"));
        } else if ((name == QLatin1String("HANDSKRIVNA") ||
                    name == QStringLiteral("ÖVRIGA_FGVAL")) &&
                   parent == QStringLiteral("ÖVRIGA_GILTIGA")) {
            const qint64 votes = number(m_xml, "RÖSTER");
            m_othersCounted += votes;
            current().others += votes;
        }
    }

    void end()
    {
        const QString name = m_path.takeLast();
        if (name == QStringLiteral("ÖVRIGA_GILTIGA") && m_inOthers) {
            m_inOthers = false;
            if (m_othersCounted != m_othersStated)
                damaged(QStringLiteral("de övriga giltiga rösterna på rad %1 summerar inte")
                            .arg(m_xml.lineNumber()));
        } else if ((name == QLatin1String("VALDISTRIKT") ||
                    name == QLatin1String("ONSDAGSDISTRIKT")) &&
                   m_level == Level::District) {
            endDistrict();
        } else if (name == QLatin1String("KRETS_KOMMUN") && m_level == Level::Constituency) {
            endConstituency();
        } else if (name == QLatin1String("KOMMUN") && m_level == Level::Municipality) {
            m_level = Level::Outside;
        }
    }

    bool isLevelElement(const QString& name) const
    {
        return name == QLatin1String("KOMMUN") || name == QLatin1String("KRETS_KOMMUN") ||
               name == QLatin1String("VALDISTRIKT") || name == QLatin1String("ONSDAGSDISTRIKT");
    }

    void startElection()
    {
        m_seenElection = true;
        const QString type = attr(m_xml, "VALTYP");
        if (type != QStringLiteral("Kommunfullmäktigval"))
            throw ResultFileError(
                QStringLiteral("Filen gäller inte val till kommunfullmäktige utan \"%1\". "
                               "Välj resultatfilen för kommunfullmäktige (namnet slutar på K).")
                    .arg(type.isEmpty() ? QStringLiteral("okänt val") : type));
        m_file.electionDate = QDate::fromString(attr(m_xml, "VALDAG"), QStringLiteral("yyyyMMdd"));
        m_file.finalCount = attr(m_xml, "RAPPORTERING").contains(QLatin1String("SLUTLIG"));
    }

    void startMunicipality()
    {
        m_level = Level::Municipality;
        m_file.municipalityCode = attr(m_xml, "KOD");
        m_file.municipalityName = attr(m_xml, "NAMN");
        m_file.seats = seatNumber(m_xml, "MANDAT_VALOMRÅDE");
        m_file.countedDistricts = int(number(m_xml, "KLARA_VALDISTRIKT"));
        m_file.allDistricts = int(number(m_xml, "ALLA_VALDISTRIKT"));
    }

    void startConstituency()
    {
        m_level = Level::Constituency;
        ResultFile::Constituency c;
        c.code = attr(m_xml, "KOD");
        c.name = attr(m_xml, "NAMN");
        c.fixedSeats = seatNumber(m_xml, "MANDAT_VALKRETS");
        once(m_constituencyCodes, c.code, QStringLiteral("valkretsen %1").arg(c.name));
        m_file.constituencies.append(c);
        m_constituencyStated = ResultTotals();
        m_constituencySum = ResultTotals();
        m_constituencyParties.clear();
    }

    void startDistrict(bool collection)
    {
        m_outerLevel = m_level;
        m_level = Level::District;
        ResultFile::District d;
        d.code = attr(m_xml, "KOD");
        d.name = attr(m_xml, "NAMN");
        d.collection = collection;
        once(m_districtCodes, d.code, QStringLiteral("valdistriktet %1").arg(d.name));
        if (m_outerLevel == Level::Constituency)
            d.constituency = m_file.constituencies.last().code;
        m_file.districts.append(d);
        m_district = ResultTotals();
        m_districtParties.clear();
    }

    // A party, district or constituency listed twice would be counted twice, or hide one
    // of its figures: the file is refused.
    void once(QSet<QString>& seen, const QString& key, const QString& what)
    {
        if (seen.contains(key))
            damaged(
                QStringLiteral("%1 finns två gånger (rad %2)").arg(what).arg(m_xml.lineNumber()));
        seen.insert(key);
    }

    void endDistrict()
    {
        m_level = m_outerLevel;
        ResultFile::District& d = m_file.districts.last();
        d.votes = m_district.votes;
        d.others = m_district.others;
        m_constituencySum.add(m_district);
        m_municipalitySumOfDistricts.add(m_district);
    }

    void endConstituency()
    {
        m_level = Level::Municipality;
        const QString difference = m_constituencySum.firstDifference(m_constituencyStated);
        if (!difference.isEmpty())
            damaged(QStringLiteral("valdistriktens röster för %1 summerar inte till valkretsen %2")
                        .arg(difference, m_file.constituencies.last().name));
        m_municipalitySumOfConstituencies.add(m_constituencyStated);
    }

    ResultTotals& current()
    {
        switch (m_level) {
        case Level::District:
            return m_district;
        case Level::Constituency:
            return m_constituencyStated;
        default:
            return m_municipalityStated;
        }
    }

    void partyVotes(bool nested)
    {
        const QString code = attr(m_xml, "PARTI");
        if (!m_dictionary.contains(code))
            throw ResultFileError(
                QStringLiteral("Partiet \"%1\" på rad %2 finns inte i filens partiförteckning. "
                               "Filen kan inte användas.")
                    .arg(code)
                    .arg(m_xml.lineNumber()));
        const qint64 votes = number(m_xml, "RÖSTER");
        once(m_level == Level::District       ? m_districtParties
             : m_level == Level::Constituency ? m_constituencyParties
                                              : m_municipalityParties,
             code, QStringLiteral("partiet %1").arg(code));
        if (nested)
            m_othersCounted += votes;
        current().votes[code] += votes;
        if (m_level == Level::Municipality) {
            ResultFile::Party p;
            p.code = code;
            p.name = m_dictionary.value(code);
            p.votes = votes;
            p.seats = optionalSeats(m_xml, "MANDAT");
            p.adjustmentSeats = qMax(0, optionalSeats(m_xml, "VARAV_UTJÄMNING"));
            m_file.parties.append(p);
        } else if (m_level == Level::Constituency) {
            ResultFile::Constituency& c = m_file.constituencies.last();
            const int seats = optionalSeats(m_xml, "MANDAT");
            if (seats >= 0) {
                c.seats.insert(code, seats);
                c.adjustmentSeats.insert(code, qMax(0, optionalSeats(m_xml, "VARAV_UTJÄMNING")));
            }
        }
    }

    void finish()
    {
        if (!m_seenElection || m_file.municipalityCode.isEmpty())
            throw ResultFileError(QStringLiteral(
                "Filen är ingen resultatfil för kommunfullmäktige från Valmyndigheten."));
        if (m_file.districts.isEmpty())
            damaged(QStringLiteral("den har inga valdistrikt"));
        m_file.others = m_municipalityStated.others;
        const ResultTotals& parts = m_file.constituencies.isEmpty()
                                        ? m_municipalitySumOfDistricts
                                        : m_municipalitySumOfConstituencies;
        const QString difference = parts.firstDifference(m_municipalityStated);
        if (!difference.isEmpty())
            damaged(QStringLiteral("rösterna för %1 summerar inte till kommunen").arg(difference));
        ResultLimits::votes(m_file.validVotes(), QStringLiteral("giltiga röster i kommunen"));
        // Without the counters (a file cut down by hand) the districts listed are the count.
        if (m_file.allDistricts == 0)
            m_file.countedDistricts = m_file.allDistricts = int(m_file.districts.size());
        // Published seats: a small party without a count of its own has none.
        if (m_file.hasPublishedSeats())
            for (ResultFile::Party& p : m_file.parties)
                p.seats = qMax(0, p.seats);
        // One constituency is the whole municipality: a council without constituencies.
        if (m_file.constituencies.size() == 1) {
            m_file.constituencies.clear();
            for (ResultFile::District& d : m_file.districts)
                d.constituency.clear();
        }
    }

    QXmlStreamReader m_xml;
    ResultFile m_file;
    QStringList m_path;
    QHash<QString, QString> m_dictionary;
    QSet<QString> m_districtCodes;
    QSet<QString> m_constituencyCodes;
    QSet<QString> m_municipalityParties;
    QSet<QString> m_constituencyParties;
    QSet<QString> m_districtParties;
    Level m_level = Level::Outside;
    Level m_outerLevel = Level::Outside;
    bool m_seenElection = false;
    bool m_inOthers = false;
    qint64 m_othersStated = 0;
    qint64 m_othersCounted = 0;
    ResultTotals m_municipalityStated;
    ResultTotals m_constituencyStated;
    ResultTotals m_constituencySum;
    ResultTotals m_district;
    ResultTotals m_municipalitySumOfDistricts;
    ResultTotals m_municipalitySumOfConstituencies;
};

} // namespace

ResultFile ResultXmlReader::read(const QByteArray& data)
{
    return Reader(data).read();
}
