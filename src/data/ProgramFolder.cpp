#include "data/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Writable by this user, both the file and its folder (a new database goes beside it).
// Root passes this for any file, which is why an installed layout is recognised first.
bool writableHere(const QString& folder, const QString& file)
{
    return QFileInfo(file).isWritable() && QFileInfo(folder).isWritable();
}

} // namespace

QString ProgramFolder::installedShareDir(const QString& programDir)
{
    return QDir::cleanPath(programDir + QStringLiteral("/../share/valsit"));
}

QString ProgramFolder::pristineTemplate(const QString& programDir)
{
    const QString name = templateName();
    const QString installed = installedShareDir(programDir) + QLatin1Char('/') + name;
    if (QFileInfo(installed).isFile())
        return installed;
    return QDir::cleanPath(programDir + QStringLiteral("/data/") + name);
}

QString ProgramFolder::defaultUserDir()
{
    // Election files are the user's documents: kept where the user looks for them, backs
    // them up and sends them on, not in a hidden folder.
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QStringLiteral("/Valsit"));
}

ProgramFolder::Folders ProgramFolder::resolve(const QString& programDir, const QString& userDir)
{
    const QString name = templateName();
    const QString share = installedShareDir(programDir);
    const bool installed = QFileInfo(share + QLatin1Char('/') + name).isFile();
    const QString shipped = installed ? share : programDir;
    const QString besideProgram = programDir + QLatin1Char('/') + name;

    Folders folders{QDir::toNativeSeparators(programDir), QDir::toNativeSeparators(shipped), {}};
    if (!installed &&
        (!QFileInfo(besideProgram).isFile() || writableHere(programDir, besideProgram)))
        return folders; // a build folder, or a broken installation the chooser reports

    const QString source = installed ? share + QLatin1Char('/') + name : besideProgram;
    const QString target = userDir + QLatin1Char('/') + name;
    if (!QFileInfo(target).isFile()) {
        if (!QDir().mkpath(userDir)) {
            folders.problem = QStringLiteral("Mappen ") + QDir::toNativeSeparators(userDir) +
                              QStringLiteral(" för valdatabaserna kunde inte skapas.");
            return folders;
        }
        // Copied under a temporary name and renamed, so an interrupted first start never
        // leaves half a template that later starts would take for a whole one.
        const QString partial = target + QStringLiteral(".tmp");
        QFile::remove(partial);
        if (!QFile::copy(source, partial) || !QFile::rename(partial, target)) {
            QFile::remove(partial);
            folders.problem = QStringLiteral("Databasmallen kunde inte kopieras till ") +
                              QDir::toNativeSeparators(userDir) + QStringLiteral(".");
            return folders;
        }
        // The shipped template is read-only; the user's copy is his to write.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    folders.working = QDir::toNativeSeparators(userDir);
    return folders;
}
