// Where the working template lives: beside the program in a build, in the user's own
// folder when installed, copied there once and never back over the user's votes.
#include "TemplateCopy.h"

#include "data/ProgramFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// Runs one statement on an election file the way any write of the program reaches it.
int exec(const QString& path, const QString& sql)
{
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                rows = q.isSelect() ? (q.next() ? q.value(0).toInt() : 0) : q.numRowsAffected();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return rows;
}

} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildFolderWorksBesideTheProgram()
    {
        TemplateCopy build;
        QTemporaryDir user;
        const ProgramFolder::Folders f =
            ProgramFolder::resolve(build.folder(), user.path() + "/Valsit");
        QCOMPARE(f.working, QDir::toNativeSeparators(build.folder()));
        QCOMPARE(f.shipped, f.working);
        QVERIFY(f.problem.isEmpty());
        QVERIFY(!QFileInfo::exists(user.path() + "/Valsit"));

        // No template at all: the program's folder stays, and the database choice reports it.
        QTemporaryDir empty;
        QCOMPARE(ProgramFolder::resolve(empty.path(), user.path() + "/Valsit").working,
                 QDir::toNativeSeparators(empty.path()));
        QVERIFY(!QFileInfo::exists(user.path() + "/Valsit"));
    }

    void installedCopiesTheTemplateOnceIntoTheUsersFolder()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/valsit"));
        const QString shipped = prefix.path() + "/share/valsit/Valsit.mdb";
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), shipped));
        QFile::setPermissions(shipped, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        const QByteArray before = fileHash(shipped);
        QTemporaryDir home;
        const QString userDir = home.path() + "/Dokument/Valsit";

        const ProgramFolder::Folders f = ProgramFolder::resolve(prefix.path() + "/bin", userDir);
        QVERIFY2(f.problem.isEmpty(), qPrintable(f.problem));
        QCOMPARE(f.working, QDir::toNativeSeparators(userDir));
        QCOMPARE(QDir(f.shipped).canonicalPath(),
                 QDir(prefix.path() + "/share/valsit").canonicalPath());
        const QString working = userDir + "/Valsit.mdb";
        QCOMPARE(exec(working, "INSERT INTO Partier (PartiID, PartiNamn, Roster) VALUES ('ÅP', "
                               "'Åbypartiet', 6066)"),
                 1);

        // The next start keeps the user's votes, and the shipped template was never written.
        QCOMPARE(ProgramFolder::resolve(prefix.path() + "/bin", userDir).working, f.working);
        QCOMPARE(exec(working, "SELECT Roster FROM Partier WHERE PartiID = 'ÅP'"), 6066);
        QCOMPARE(fileHash(shipped), before);
        QVERIFY(!QFileInfo::exists(working + ".tmp"));
    }

    void failuresAreReportedAndLeaveNoHalfTemplate()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/valsit"));
        QVERIFY(
            QFile::copy(TemplateCopy::templatePath(), prefix.path() + "/share/valsit/Valsit.mdb"));
        QTemporaryDir home;

        // A file where the folder should be: nothing can be made there.
        QFile blocker(home.path() + "/Valsit");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ProgramFolder::Folders f =
            ProgramFolder::resolve(prefix.path() + "/bin", blocker.fileName());
        QVERIFY(f.problem.startsWith("Mappen "));
        QCOMPARE(f.working, QDir::toNativeSeparators(prefix.path() + "/bin"));

        // A copy that cannot be written leaves no template behind that a later start would trust.
        const QString userDir = home.path() + "/Dokument/Valsit";
        QVERIFY(QDir().mkpath(userDir + "/Valsit.mdb.tmp"));
        const ProgramFolder::Folders g = ProgramFolder::resolve(prefix.path() + "/bin", userDir);
        QVERIFY(g.problem.startsWith("Databasmallen kunde inte kopieras"));
        QVERIFY(!QFileInfo::exists(userDir + "/Valsit.mdb"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_ProgramFolder.moc"
