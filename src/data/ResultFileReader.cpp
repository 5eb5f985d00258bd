#include "data/ResultFileReader.h"

#include "data/ResultFileError.h"
#include "data/ResultJsonReader.h"
#include "data/ResultXmlReader.h"
#include "data/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ResultFileError(QStringLiteral("Filen %1 kan inte läsas: %2")
                                  .arg(QFileInfo(path).fileName(), file.errorString()));
    return file.readAll();
}

const QString VotesPart = QStringLiteral("rostfordelning");
const QString SeatsPart = QStringLiteral("mandatfordelning");

ResultFile readZip(const QString& path)
{
    const ZipArchive zip(path);
    QString votes, seats;
    for (const QString& name : zip.names()) {
        if (!name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
            continue;
        if (name.contains(VotesPart))
            votes = name;
        else if (name.contains(SeatsPart))
            seats = name;
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
    return ResultJsonReader::read(zip.read(votes), zip.read(seats));
}

// One of the two JSON files: the other is the file beside it with the other name.
ResultFile readJsonPair(const QString& path)
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
    return ResultJsonReader::read(contents(votesPath), contents(seatsPath));
}

} // namespace

ResultFile ResultFileReader::read(const QString& path)
{
    const QByteArray data = contents(path);
    const QByteArray start = data.left(64).trimmed();
    if (start.startsWith('<'))
        return ResultXmlReader::read(data);
    if (start.startsWith("PK\x03\x04"))
        return readZip(path);
    if (start.startsWith('{') || start.startsWith("\xef\xbb\xbf{"))
        return readJsonPair(path);
    throw ResultFileError(
        QStringLiteral("%1 är ingen resultatfil från Valmyndigheten (XML till och med 2018, "
                       "zip- eller JSON-fil från 2022).")
            .arg(QFileInfo(path).fileName()));
}
