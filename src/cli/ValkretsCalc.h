#pragma once

#include "cli/CalcOptions.h"
#include "council/PublishedSeats.h"
#include "council/ValkretsBer.h"

#include <QJsonObject>

class QTextStream;

// valsit-calc council --constituencies: the council calculation of a municipality with
// constituencies, from one file of votes per constituency and party.
class ValkretsCalc
{
public:
    explicit ValkretsCalc(const CalcOptions& options);

    // Reads and checks the file (header constituency,fixed_seats,code,name,votes; a party
    // missing in a constituency has no votes there), or the result file of --import.
    // Throws CalcError.
    void load();
    // The --import file is one of a municipality with constituencies (false for none, or
    // one that cannot be read: its own run says why).
    static bool hasConstituencies(const QString& importFile);
    const ValkretsBer::Input& input() const { return m_input; }
    // Loads, calculates and writes the result.
    void run(QTextStream& out);
    // Which rules an imported election got by its day, when none were given; else empty.
    const QString& rulesNote() const { return m_rulesNote; }

    static QJsonObject json(const ValkretsResult& result);

private:
    void loadCsv();
    void loadImport();

    const CalcOptions& m_options;
    ValkretsBer::Input m_input;
    PublishedSeats m_published; // from an imported file, when its seats are to be compared
    QString m_countNote;
    QString m_rulesNote; // an imported count not yet complete says so
};
