#include "data/DatabaseChooser.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "data/ProgramFolder.h"
#include "shell/AppGlobals.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString crlf = QStringLiteral("\r\n");

bool fileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

// A file that is there, is an election database and passes SQLite's own check.
bool usable(const QString& path)
{
    return ElectionDatabase::verify(path) == ElectionDatabase::ElectionFile;
}

} // namespace

DatabaseChooser::DatabaseChooser(AppGlobals& globals, MessageService& messages,
                                 SettingsStore& settings)
    : m_globals(globals), m_messages(messages), m_settings(settings)
{
}

void DatabaseChooser::message(const QString& text)
{
    m_messages.msgBox(text, MessageService::Ok, MessageService::NoIcon, m_globals.AppNamn);
}

QString DatabaseChooser::missingText() const
{
    return QStringLiteral("Databasen '") + m_globals.DBNmn +
           QStringLiteral("' finns inte i sökvägen ") + m_globals.DBKat;
}

void DatabaseChooser::loadFromSettings()
{
    m_globals.DBKat = m_settings.value(QStringLiteral("ValsitKat"));
    m_globals.DBNmn = m_settings.value(QStringLiteral("ValsitNmn"));
    if (m_globals.DBKat == QLatin1String("0"))
        m_globals.DBKat = m_globals.programKat;
    if (m_globals.DBNmn == QLatin1String("0"))
        m_globals.DBNmn = templateName();
    m_globals.setDBSokVagFromParts();
}

void DatabaseChooser::splitPath(const QString& path, QString* folder, QString* fileName)
{
    *folder = QStringLiteral("0");
    *fileName = QStringLiteral("0");
    const int at = path.toUpper().indexOf(QLatin1String(".MDB"));
    if (at < 0)
        return;
    // Qt hands out paths with "/" on every platform; the platform's own separator counts too.
    int cut = -1;
    for (int i = at; i >= 0; --i) {
        if (path[i] == QLatin1Char('/') || path[i] == QDir::separator()) {
            cut = i;
            break;
        }
    }
    if (cut < 0)
        return;
    *folder = path.left(cut);
    *fileName = path.mid(cut + 1);
}

QString DatabaseChooser::dialogStart() const
{
    // The template next to the program is no place to look for elections: the dialog
    // opens in the folder last used, else in the user's documents.
    const QString current = m_globals.DBSokVag;
    if (QFileInfo(current).absolutePath() != QFileInfo(m_globals.programKat).absoluteFilePath())
        return current;
    const QString last = m_settings.value(lastFolderKey());
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : current;
}

bool DatabaseChooser::ValjDatabas()
{
    const QString previousKat = m_globals.DBKat;
    const QString previousNmn = m_globals.DBNmn;
    m_globals.DBKat = QStringLiteral("0");
    m_globals.DBNmn = QStringLiteral("0");

    const QString chosen = m_messages.fileOpen(QStringLiteral("Hämta databas"), dialogStart(),
                                               {QStringLiteral("Valsit-databas (*.mdb)")});
    // A cancel changes nothing while the working database is there; only a missing one
    // goes on to the fallbacks below.
    const QString previousPath = AppGlobals::joinPath(previousKat, previousNmn);
    if (chosen.isEmpty() && usable(previousPath)) {
        m_globals.DBKat = previousKat;
        m_globals.DBNmn = previousNmn;
        m_globals.setDBSokVagFromParts();
        return true;
    }
    if (!chosen.isEmpty())
        m_globals.DBSokVag = chosen;
    splitPath(m_globals.DBSokVag, &m_globals.DBKat, &m_globals.DBNmn);

    const QString chosenPath = AppGlobals::joinPath(m_globals.DBKat, m_globals.DBNmn);
    const bool split = m_globals.DBKat != QLatin1String("0");
    if (split && fileExists(chosenPath)) {
        // The heading, seats and rules come with the file (ElectionSettings): choosing it
        // writes none of them.
        const ElectionDatabase::FileKind kind = ElectionDatabase::verify(chosenPath);
        if (kind == ElectionDatabase::ElectionFile) {
            m_globals.DBSokVag = chosenPath;
            m_settings.setValue(QStringLiteral("ValsitKat"), m_globals.DBKat);
            m_settings.setValue(QStringLiteral("ValsitNmn"), m_globals.DBNmn);
            m_settings.setValue(lastFolderKey(), m_globals.DBKat);
            return true;
        }
        // A file that is there but is no election database (an old Jet file, a text file,
        // an empty file) or is damaged is never opened for writing: the working database
        // stays.
        message(QStringLiteral("Filen '") + m_globals.DBNmn + QStringLiteral("' i sökvägen ") +
                m_globals.DBKat + QStringLiteral(" kan inte användas som valdatabas.") + crlf +
                ElectionDatabase::refusalText(kind, chosenPath) + crlf +
                QStringLiteral("Programmet fortsätter med databasen '") + previousNmn +
                QStringLiteral("' i sökvägen ") + previousKat);
    } else {
        // A path that names no .mdb file is named as it was chosen, not by the split's "0".
        const QFileInfo file(m_globals.DBSokVag);
        message((split ? missingText()
                       : QStringLiteral("Databasen '") + file.fileName() +
                             QStringLiteral("' finns inte i sökvägen ") + file.absolutePath()) +
                crlf + QStringLiteral(" Programmet återgår till föregående använd databas") + crlf +
                QStringLiteral("Databasen '") + previousNmn + QStringLiteral("' i sökvägen ") +
                previousKat);
    }

    m_globals.DBKat = previousKat;
    m_globals.DBNmn = previousNmn;
    m_globals.setDBSokVagFromParts();

    if (!usable(m_globals.DBSokVag)) {
        const ElectionDatabase::FileKind kind = ElectionDatabase::verify(m_globals.DBSokVag);
        message((kind == ElectionDatabase::Missing
                     ? missingText()
                     : ElectionDatabase::refusalText(kind, m_globals.DBSokVag)) +
                crlf + QStringLiteral(" Programmet återgår till databasmallen") + crlf +
                QStringLiteral("'Valsit.mdb' i sökvägen ") + m_globals.programKat);
        m_globals.DBKat = m_globals.programKat;
        m_globals.DBNmn = templateName();
        m_globals.setDBSokVagFromParts();
    }

    if (usable(m_globals.DBSokVag))
        return true;
    message(missingText() + crlf +
            QStringLiteral("Installationen är förstörd och måste göras om. Programmet avslutas. "));
    return false;
}

bool DatabaseChooser::SkapaNyDB()
{
    bool accepted = false;
    QString answer = m_messages.inputBox(
        QStringLiteral("Ange namn på den nya databasen. T ex Uppsala"),
        QStringLiteral("Namn på ny databas"), QStringLiteral("Test"), &accepted);
    if (!accepted)
        return false; // cancelled: no file, no change
    if (answer.size() < 2)
        answer = QStringLiteral("Test");

    // The name becomes a file in the database folder: a separator would put it elsewhere.
    if (answer.contains(QLatin1Char('/')) || answer.contains(QLatin1Char('\\')) ||
        answer.contains(QDir::separator())) {
        message(QStringLiteral("Namnet '") + answer +
                QStringLiteral(
                    "' får inte innehålla tecknen / eller \\. Ange bara ett namn, t ex Uppsala"));
        return false;
    }

    // Always the template shipped with the program, never a working election (which may
    // be called Valsit.mdb too and hold an earlier election's votes and lots).
    const QString source = templatePath();
    if (!fileExists(source)) {
        const QFileInfo shipped(source);
        message(QStringLiteral("Databasmallen '") + shipped.fileName() +
                QStringLiteral("' finns inte i sökvägen ") +
                QDir::toNativeSeparators(shipped.absolutePath()) +
                QStringLiteral(". Installera programmet på nytt."));
        return false;
    }
    const QString newName = answer + QStringLiteral(".mdb");
    const QString target = AppGlobals::joinPath(m_globals.DBKat, newName);
    if (QFileInfo::exists(target)) {
        message(QStringLiteral("Databasen '") + newName +
                QStringLiteral("' finns redan i sökvägen ") + m_globals.DBKat +
                QStringLiteral(" "));
        return false;
    }
    const ElectionDatabase::FileKind kind = ElectionDatabase::verify(source);
    if (kind != ElectionDatabase::ElectionFile) {
        message(QStringLiteral("Databasen '") + newName + QStringLiteral("' kan inte skapas: ") +
                ElectionDatabase::refusalText(kind, source));
        return false;
    }
    if (!QFile::copy(source, target)) {
        message(QStringLiteral("Databasen '") + newName +
                QStringLiteral("' kunde inte skapas i sökvägen ") + m_globals.DBKat +
                QStringLiteral(". Kontrollera att mappen går att skriva i och att disken inte "
                               "är full."));
        return false;
    }
    // A template installed read-only must not give a read-only election database.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    const QString caption = QStringLiteral("för ") + answer;
    try {
        ElectionSettings::update(target, [&](ElectionSettings& s) { s.heading = caption; });
    } catch (const DbError& e) {
        QFile::remove(target);
        message(QStringLiteral("Databasen '") + newName + QStringLiteral("' kunde inte skapas. ") +
                e.Description());
        return false;
    }

    m_globals.DBNmn = newName;
    m_globals.DBSokVag = target;
    // The new database stays the working one, in the next window and after a restart:
    // otherwise the heading would name it while the figures typed went to another.
    m_settings.setValue(QStringLiteral("ValsitKat"), m_globals.DBKat);
    m_settings.setValue(QStringLiteral("ValsitNmn"), m_globals.DBNmn);
    return true;
}

QString DatabaseChooser::templatePath() const
{
    if (!m_globals.templatePath.isEmpty())
        return m_globals.templatePath;
    return ProgramFolder::pristineTemplate(QCoreApplication::applicationDirPath());
}
