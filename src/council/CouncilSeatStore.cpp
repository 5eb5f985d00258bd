#include "council/CouncilSeatStore.h"

#include "council/CouncilFingerprint.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "shell/EngineError.h"

void CouncilSeatStore::store(ElectionDatabase& db, const CouncilFromFile::Outcome& outcome,
                             const QDateTime& when)
{
    DbTransaction t(db.database());
    if (CouncilFingerprint::of(t) != outcome.fingerprint)
        throw EngineError(QStringLiteral("Rösterna, mandaten eller reglerna i databasen har "
                                         "ändrats sedan mandaten räknades fram. Ingenting har "
                                         "lagrats; räkna fram mandaten på nytt."));
    for (const CouncilFromFile::PartySeats& p : outcome.parties)
        t.exec(QStringLiteral("UPDATE Partier SET PartiValRes = ? WHERE PartiID = ?"),
               {p.seats, p.code});
    ElectionSettings::updateIn(t, [&](ElectionSettings& s) {
        s.councilSeatsFingerprint = outcome.fingerprint;
        s.councilSeatsStoredAt = when.toString(Qt::ISODate);
    });
    t.commit();
}

QString CouncilSeatStore::storedText(const CouncilFromFile::Outcome& outcome)
{
    return QStringLiteral("Mandaten för %1 har lagrats som antal valsit i fullmäktige.")
        .arg(CouncilFromFile::seatsText(outcome));
}

bool CouncilSeatStore::matchesInput(ElectionDatabase& db, QString* storedAt)
{
    DbTransaction t(db.database());
    const ElectionSettings settings = ElectionSettings::readIn(t);
    const bool matches = settings.councilSeatsFingerprint.isEmpty() ||
                         settings.councilSeatsFingerprint == CouncilFingerprint::of(t);
    t.commit();
    if (storedAt)
        *storedAt = settings.councilSeatsStoredAt;
    return matches;
}
