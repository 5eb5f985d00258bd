#include "data/ResultFileReader.h"

#include "data/ResultFileError.h"
#include "data/ResultJsonReader.h"
#include "data/ResultLimits.h"
#include "data/ResultSignature.h"
#include "data/ResultXmlReader.h"
#include "data/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString VotesPart = QStringLiteral("rostfordelning");
const QString SeatsPart = QStringLiteral("mandatfordelning");
const QString SignatureEnd = QStringLiteral("_sign.sha256");

// Looks before reading: a FIFO would block for ever and a device never end, and a file
// far larger than any result file is not one.
QByteArray contents(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists())
        throw ResultFileError(QStringLiteral("Filen %1 finns inte.").arg(name));
    if (!info.isFile())
        throw ResultFileError(
            QStringLiteral("%1 är ingen vanlig fil och kan inte vara en resultatfil.").arg(name));
    if (info.size() > ResultLimits::MaxFileBytes)
        throw ResultFileError(
            QStringLiteral("Filen %1 är för stor för en resultatfil (%2 MB; högst %3 MB).")
                .arg(name)
                .arg(info.size() / (1024 * 1024))
                .arg(ResultLimits::MaxFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ResultFileError(
            QStringLiteral("Filen %1 kan inte läsas: %2").arg(name, file.errorString()));
    QByteArray data = file.read(ResultLimits::MaxFileBytes + 1);
    if (data.size() > ResultLimits::MaxFileBytes)
        throw ResultFileError(QStringLiteral("Filen %1 är för stor för en resultatfil.").arg(name));
    return data;
}

// Names that say what a file is not: a rehearsal, or the national summary.
void checkName(const QString& name)
{
    if (name.startsWith(QLatin1String("Genrep_"), Qt::CaseInsensitive))
        throw ResultFileError(
            QStringLiteral("Filen är en testfil från Valmyndigheten, inte ett valresultat."));
    static const QRegularExpression national(QStringLiteral("_OS_KF(\\.|_)"));
    if (national.match(name).hasMatch())
        throw ResultFileError(
            QStringLiteral("%1 är Valmyndighetens sammanställning för hela landet, inte en "
                           "kommuns resultat. Välj kommunens zip-fil (…_<kommunkod>_KF.zip).")
                .arg(name));
}

// Both JSON files' signatures as one: a changed file is refused; the whole is signed only
// when both are.
struct Signatures
{
    QList<QByteArray> keys;
    bool missing = false;
    bool unknown = false;

    void check(const QByteArray& data, const QByteArray* signature)
    {
        if (!signature) {
            missing = true;
            return;
        }
        switch (ResultSignature::check(data, *signature, keys)) {
        case ResultSignature::Check::Mismatch:
            throw ResultFileError(
                QStringLiteral("Signaturen stämmer inte med filen: filen kan vara ändrad."));
        case ResultSignature::Check::UnknownKey:
            unknown = true;
            break;
        case ResultSignature::Check::Verified:
            break;
        }
    }
    ResultFile::Signature result() const
    {
        return missing   ? ResultFile::Signature::None
               : unknown ? ResultFile::Signature::UnknownKey
                         : ResultFile::Signature::Verified;
    }
};

QString baseName(const QString& member)
{
    return member.section(QLatin1Char('/'), -1);
}

ResultFile readZip(const QString& path, const QList<QByteArray>& keys)
{
    const ZipArchive zip(path);
    QString votes, seats;
    QHash<QString, QString> signatureOf; // JSON member -> its signature member
    QSet<QString> seen;
    for (const QString& name : zip.names()) {
        const QString base = baseName(name);
        if (seen.contains(base))
            throw ResultFileError(
                QStringLiteral("Zip-filen %1 innehåller %2 två gånger. Filen kan inte användas.")
                    .arg(QFileInfo(path).fileName(), base));
        seen.insert(base);
        if (base.endsWith(SignatureEnd, Qt::CaseInsensitive)) {
            signatureOf.insert(
                base.left(base.size() - SignatureEnd.size()) + QStringLiteral(".json"), name);
            continue;
        }
        if (!base.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
            continue;
        checkName(base);
        if (!base.contains(VotesPart) && !base.contains(SeatsPart))
            continue;
        QString& part = base.contains(VotesPart) ? votes : seats;
        if (!part.isEmpty())
            throw ResultFileError(
                QStringLiteral("Zip-filen %1 innehåller både %2 och %3. Välj zip-filen för en "
                               "enda kommun och rösträkning.")
                    .arg(QFileInfo(path).fileName(), baseName(part), base));
        part = name;
    }
    if (votes.isEmpty() || seats.isEmpty())
        throw ResultFileError(
            QStringLiteral("Zip-filen %1 saknar %2. Välj Valmyndighetens zip-fil för "
                           "kommunfullmäktige (namnet slutar på _KF.zip).")
                .arg(
                    QFileInfo(path).fileName(),
                    votes.isEmpty()
                        ? QStringLiteral("rösterna per valdistrikt (…_%1_…_KF.json)").arg(VotesPart)
                        : QStringLiteral("mandatfördelningen (…_%1_…_KF.json)").arg(SeatsPart)));
    const QByteArray votesData = zip.read(votes);
    const QByteArray seatsData = zip.read(seats);
    Signatures signatures{keys};
    for (const auto& [member, data] :
         {std::pair{votes, &votesData}, std::pair{seats, &seatsData}}) {
        const QString signature = signatureOf.value(baseName(member));
        const QByteArray bytes = signature.isEmpty() ? QByteArray() : zip.read(signature);
        signatures.check(*data, signature.isEmpty() ? nullptr : &bytes);
    }
    ResultFile file = ResultJsonReader::read(votesData, seatsData);
    file.signature = signatures.result();
    return file;
}

// One of the two JSON files: the other is the file beside it with the other name, and
// each may have its signature beside it.
ResultFile readJsonPair(const QString& path, const QList<QByteArray>& keys)
{
    const QFileInfo info(path);
    QString votesPath, seatsPath;
    if (info.fileName().contains(VotesPart)) {
        votesPath = path;
        seatsPath = info.dir().filePath(QString(info.fileName()).replace(VotesPart, SeatsPart));
    } else if (info.fileName().contains(SeatsPart)) {
        seatsPath = path;
        votesPath = info.dir().filePath(QString(info.fileName()).replace(SeatsPart, VotesPart));
    } else {
        throw ResultFileError(
            QStringLiteral("%1: välj Valmyndighetens zip-fil eller en av dess två JSON-filer "
                           "(…_%2_… och …_%3_…, bredvid varandra).")
                .arg(info.fileName(), VotesPart, SeatsPart));
    }
    const QByteArray votes = contents(votesPath);
    const QByteArray seats = contents(seatsPath);
    Signatures signatures{keys};
    for (const auto& [jsonPath, data] :
         {std::pair{votesPath, &votes}, std::pair{seatsPath, &seats}}) {
        QString signaturePath = jsonPath;
        signaturePath.replace(QRegularExpression(QStringLiteral("\\.json$"),
                                                 QRegularExpression::CaseInsensitiveOption),
                              SignatureEnd);
        const bool signed_ = signaturePath != jsonPath && QFileInfo(signaturePath).isFile();
        const QByteArray bytes = signed_ ? contents(signaturePath) : QByteArray();
        signatures.check(*data, signed_ ? &bytes : nullptr);
    }
    ResultFile file = ResultJsonReader::read(votes, seats);
    file.signature = signatures.result();
    return file;
}

} // namespace

ResultFile ResultFileReader::read(const QString& path)
{
    return read(path, ResultSignature::shippedKeys());
}

ResultFile ResultFileReader::read(const QString& path, const QList<QByteArray>& keys)
{
    const QByteArray data = contents(path);
    checkName(QFileInfo(path).fileName());
    const QByteArray start = data.left(64).trimmed();
    if (start.startsWith('<'))
        return ResultXmlReader::read(data);
    if (start.startsWith("PK\x03\x04"))
        return readZip(path, keys);
    if (start.startsWith('{') || start.startsWith("\xef\xbb\xbf{"))
        return readJsonPair(path, keys);
    throw ResultFileError(
        QStringLiteral("%1 är ingen resultatfil från Valmyndigheten (XML till och med 2018, "
                       "zip- eller JSON-fil från 2022).")
            .arg(QFileInfo(path).fileName()));
}
