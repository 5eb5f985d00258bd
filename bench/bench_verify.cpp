// The check of an election file when it becomes the working one, on the largest file a
// municipality could make: 100 000 districts with the votes of eight parties each
// (800 000 rows of district votes). Makes the file from the template given, then times
// SQLite's quick_check and integrity_check on it (three runs each) and the whole check
// the program makes (ElectionDatabase::verify).
//
// Usage: bench_verify TEMPLATE.mdb WORKFILE.mdb [DISTRICTS]

#include "data/ElectionDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

namespace {

void fill(const QString& path, int districts)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery parties(QStringLiteral("SELECT PartiID FROM Partier"), db);
    QStringList codes;
    while (parties.next())
        codes.append(parties.value(0).toString());
    QSqlQuery district(db);
    district.prepare(
        QStringLiteral("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (?, ?, ?)"));
    QSqlQuery votes(db);
    votes.prepare(
        QStringLiteral("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES (?, ?, ?)"));
    for (int d = 1; d <= districts; ++d) {
        district.addBindValue(d);
        district.addBindValue(d);
        district.addBindValue(QStringLiteral("Valdistrikt %1").arg(d));
        district.exec();
        for (int p = 0; p < codes.size(); ++p) {
            votes.addBindValue(codes.at(p));
            votes.addBindValue(d);
            votes.addBindValue((d * 7 + p * 13) % 900);
            votes.exec();
        }
    }
    db.commit();
    db.close();
}

double timed(const QString& path, const char* pragma)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("time"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.open();
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q(db);
    q.exec(QString::fromLatin1(pragma));
    q.next();
    const double ms = timer.nsecsElapsed() / 1e6;
    q.finish();
    db.close();
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        out << "bench_verify TEMPLATE.mdb WORKFILE.mdb [DISTRICTS]\n";
        return 2;
    }
    const QString work = args.at(2);
    const int districts = args.size() > 3 ? args.at(3).toInt() : 100000;
    QFile::remove(work);
    QFile::copy(args.at(1), work);
    QFile::setPermissions(work, QFile::permissions(work) | QFile::WriteOwner);
    fill(work, districts);
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    out << districts << " districts, file " << QFileInfo(work).size() / 1024 << " KiB\n";
    for (const char* pragma : {"PRAGMA quick_check", "PRAGMA integrity_check"}) {
        out << pragma << ":";
        for (int i = 0; i < 3; ++i) {
            out << ' ' << QString::number(timed(work, pragma), 'f', 1) << " ms";
            QSqlDatabase::removeDatabase(QStringLiteral("time"));
        }
        out << '\n';
    }
    QElapsedTimer timer;
    timer.start();
    const ElectionDatabase::FileKind kind = ElectionDatabase::verify(work);
    out << "ElectionDatabase::verify: " << QString::number(timer.nsecsElapsed() / 1e6, 'f', 1)
        << " ms, " << (kind == ElectionDatabase::ElectionFile ? "sound" : "refused") << '\n';
    return 0;
}
