#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files inside a zip archive, read whole (a result zip holds a few small JSON files;
// an entry larger than ResultLimits::MaxFileBytes is refused rather than unpacked). Throws
// ResultFileError.
class ZipArchive
{
public:
    explicit ZipArchive(const QString& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    QStringList names() const { return m_names; }
    QByteArray read(const QString& name) const;

    // The path as libzip takes it: in the file system's encoding, on Windows in UTF-8.
    static QByteArray fileName(const QString& path);

private:
    QString m_path;
    struct zip* m_zip = nullptr;
    QStringList m_names;
};
