#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// valsit-calc on an election file, for scripts and checks, the same roads as the windows:
//   import RESULTATFIL --database FIL.mdb [--replace]
//   council --database FIL.mdb [--format text|json] [--pdf FIL.pdf] [--org NAMN] [--store-seats]
//   committee --database FIL.mdb [--format text|json] [--pdf FIL.pdf] [--org NAMN]
// A file that is damaged or no election database is refused before anything is read
// from it or written to it (CalcError naming the file; exit status 2).
class DatabaseCalc
{
public:
    explicit DatabaseCalc(QTextStream& out);

    // True for a command line this class runs (the command import, or --database).
    static bool handles(const QStringList& arguments);
    static QString usage();
    // Throws CalcError, EngineError.
    void run(const QStringList& arguments);

private:
    void importResult(const QString& resultFile, const QString& database, bool replace);
    void council(const QString& database, bool json, const QString& pdfFile, const QString& org,
                 bool storeSeats);
    void committee(const QString& database, bool json, const QString& pdfFile, const QString& org);

    QTextStream& m_out;
};
