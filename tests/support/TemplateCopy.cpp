#include "TemplateCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
