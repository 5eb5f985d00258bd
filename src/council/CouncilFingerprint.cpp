#include "council/CouncilFingerprint.h"

#include "council/CouncilEntry.h"
#include "council/CouncilRules.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

bool hasTable(DbTransaction& t, const QString& table)
{
    QSqlQuery q = t.exec(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), {table});
    const bool found = q.next();
    q.finish();
    return found;
}

bool hasColumn(DbTransaction& t, const QString& table, const QString& column)
{
    QSqlQuery q =
        t.exec(QStringLiteral("SELECT 1 FROM pragma_table_info('%1') WHERE name = ?").arg(table),
               {column});
    const bool found = q.next();
    q.finish();
    return found;
}

// Every row of the query as one line of its values, under a title line.
void addRows(QByteArray& text, DbTransaction& t, const char* title, const QString& sql,
             const QVariantList& values = {})
{
    text += title;
    text += '\n';
    QSqlQuery q = t.exec(sql, values);
    const int columns = q.record().count();
    while (q.next()) {
        for (int i = 0; i < columns; ++i) {
            if (i > 0)
                text += '\t';
            text += q.value(i).isNull() ? QByteArray("-") : q.value(i).toString().toUtf8();
        }
        text += '\n';
    }
    q.finish();
}

} // namespace

QString CouncilFingerprint::of(DbTransaction& t)
{
    const ElectionSettings settings = ElectionSettings::readIn(t);
    const bool constituencyTable = hasTable(t, QStringLiteral("Valkretsar"));
    bool valkretsar = false;
    if (constituencyTable) {
        QSqlQuery q = t.exec(QStringLiteral("SELECT 1 FROM Valkretsar LIMIT 1"));
        valkretsar = q.next();
        q.finish();
    }
    const CouncilRules rules = CouncilRules::of(settings, valkretsar);

    QByteArray text = "valsit council input 1\n";
    text += "seats\t" + QByteArray::number(settings.councilSeats) + '\n';
    text += "rules\t" + QByteArray::number(qRound(rules.forstaDivisor * 10)) + '\t' +
            QByteArray::number(qRound(rules.sparr * 100)) + '\n';
    // The order of the parties decides ties, so it is the order the calculation uses.
    addRows(text, t, "parties",
            QStringLiteral("SELECT PartiID, Roster FROM (%1) WHERE Roster > 0")
                .arg(CouncilEntry::partyQuery().sql()));
    addRows(text, t, "districts",
            hasColumn(t, QStringLiteral("Distrikt"), QStringLiteral("ValkretsID"))
                ? QStringLiteral("SELECT DistrID, ValkretsID FROM Distrikt ORDER BY DistrID")
                : QStringLiteral("SELECT DistrID FROM Distrikt ORDER BY DistrID"));
    addRows(text, t, "district votes",
            QStringLiteral("SELECT DistrID, upper(PartiID), Roster FROM DistrRoster "
                           "ORDER BY DistrID, upper(PartiID)"));
    if (constituencyTable)
        addRows(
            text, t, "constituencies",
            QStringLiteral("SELECT ValkretsID, FastaMandat FROM Valkretsar ORDER BY ValkretsID"));
    if (hasTable(t, QStringLiteral("Lottning")))
        addRows(text, t, "lots",
                QStringLiteral("SELECT Plats, upper(PartiID), Fingeravtryck FROM Lottning "
                               "WHERE Slag = ? ORDER BY Plats, LottID"),
                {QStringLiteral("Fullmäktige")});
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
}

QString CouncilFingerprint::of(ElectionDatabase& db)
{
    DbTransaction t(db.database());
    const QString fingerprint = of(t);
    t.commit();
    return fingerprint;
}
