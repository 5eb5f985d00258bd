#include "data/ResultFileReader.h"

#include "data/ResultFileError.h"
#include "data/ResultXmlReader.h"

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

} // namespace

ResultFile ResultFileReader::read(const QString& path)
{
    const QByteArray data = contents(path);
    const QByteArray start = data.left(64).trimmed();
    if (start.startsWith('<'))
        return ResultXmlReader::read(data);
    throw ResultFileError(
        QStringLiteral("%1 är ingen resultatfil från Valmyndigheten (XML till och med 2018, "
                       "zip- eller JSON-fil från 2022).")
            .arg(QFileInfo(path).fileName()));
}
