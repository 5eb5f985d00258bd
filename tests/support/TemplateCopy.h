#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A scratch folder holding a fresh copy of the template election database, as the build
// made it (build/data/Valsit.mdb). Tests change the copy, never the template.
class TemplateCopy
{
public:
    // Copies the template into the scratch folder under `fileName`.
    explicit TemplateCopy(const QString& fileName = QStringLiteral("Valsit.mdb"));

    bool isValid() const { return m_valid; }
    QString folder() const { return m_dir.path(); }
    QString path() const { return m_path; }
    // Another copy of the template in the same folder.
    QString addCopy(const QString& fileName) const;
    // A path inside the scratch folder (the file need not exist).
    QString filePath(const QString& fileName) const { return m_dir.filePath(fileName); }

    static QString templatePath();
    // Gives the districts of the file an index that no longer matches their table, as a
    // copy made without its journal after a crash may leave it. False when it could not.
    static bool breakIndex(const QString& path);
    // A file's bytes, empty when it cannot be read.
    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_valid = false;
};
