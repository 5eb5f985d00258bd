#include "TemplateCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

TemplateCopy::TemplateCopy(const QString& fileName)
{
    m_path = addCopy(fileName);
    m_valid = m_dir.isValid() && !m_path.isEmpty();
}

QString TemplateCopy::addCopy(const QString& fileName) const
{
    const QString target = m_dir.filePath(fileName);
    if (!QFile::copy(templatePath(), target))
        return QString();
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    return target;
}

QString TemplateCopy::templatePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data/Valsit.mdb"));
}

bool TemplateCopy::breakIndex(const QString& path)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "breakIndex");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        // The index, built on the names, is declared on the numbers from now on.
        ok = db.open() &&
             q.exec("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (901, 9, 'Ön'), "
                    "(902, 1, 'Åsen'), (903, 5, 'Berg')") &&
             q.exec("PRAGMA writable_schema = ON") &&
             q.exec("UPDATE sqlite_master SET sql = 'CREATE INDEX DistriktNamn ON Distrikt "
                    "(DistrNr)' WHERE name = 'DistriktNamn'");
        db.close();
    }
    QSqlDatabase::removeDatabase("breakIndex");
    return ok;
}
