#include "data/ZipArchive.h"

#include "data/ResultFileError.h"
#include "data/ResultLimits.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

[[noreturn]] void broken(const QString& path)
{
    throw ResultFileError(QStringLiteral("Zip-filen %1 är skadad eller ofullständig.")
                              .arg(QFileInfo(path).fileName()));
}

} // namespace

ZipArchive::ZipArchive(const QString& path) : m_path(path)
{
    int error = 0;
    m_zip = zip_open(fileName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!m_zip)
        broken(path);
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(m_zip, zip_uint64_t(i), 0))
            m_names.append(QString::fromUtf8(name));
}

QByteArray ZipArchive::fileName(const QString& path)
{
#ifdef Q_OS_WIN
    // Not the ANSI code page: a folder such as "Val 2026 Älvkarleby" would not be found.
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

ZipArchive::~ZipArchive()
{
    if (m_zip)
        zip_discard(m_zip);
}

QByteArray ZipArchive::read(const QString& name) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    const QByteArray encoded = name.toUtf8();
    if (zip_stat(m_zip, encoded.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        broken(m_path);
    if (stat.size > zip_uint64_t(ResultLimits::MaxFileBytes))
        throw ResultFileError(
            QStringLiteral("%1 i zip-filen är för stor för en resultatfil.").arg(name));
    zip_file_t* file = zip_fopen(m_zip, encoded.constData(), 0);
    if (!file)
        broken(m_path);
    QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (got != zip_int64_t(stat.size))
        broken(m_path);
    return data;
}
