#include "council/ResultImport.h"

#include "council/CouncilRules.h"
#include "council/PublishedSeats.h"
#include "council/ValkretsStore.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"

#include <QHash>
#include <QStringList>

void ResultImport::apply(ElectionDatabase& db, const ImportedVotes& votes,
                         const std::optional<CouncilRules>& rules)
{
    DbTransaction t(db.database());
    t.exec(QStringLiteral("DELETE FROM DistrRoster"));
    t.exec(QStringLiteral("DELETE FROM Distrikt"));
    t.exec(QStringLiteral("DELETE FROM Partier"));
    for (const ImportedVotes::Party& p : votes.parties)
        t.exec(QStringLiteral("INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) "
                              "VALUES (?, ?, ?, 0)"),
               {p.code, p.name, p.votes});
    // The constituencies come with the file, coded 1, 2, ... in its order; a file without
    // them leaves the municipality without, so none of an earlier election stays behind.
    QList<ValkretsStore::Valkrets> valkretsar;
    QHash<QString, qint32> valkretsId;
    for (const ImportedVotes::Constituency& c : votes.constituencies) {
        valkretsar.append({qint32(valkretsar.size() + 1), c.name, c.fixedSeats});
        valkretsId.insert(c.code, valkretsar.last().id);
    }
    ValkretsStore::replaceAll(t, valkretsar);
    int id = 0;
    for (const ImportedVotes::District& d : votes.districts) {
        ++id;
        t.exec(
            QStringLiteral("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (?, ?, ?)"),
            {id, d.number, d.name});
        if (valkretsId.contains(d.constituency))
            t.exec(QStringLiteral("UPDATE Distrikt SET ValkretsID = ? WHERE DistrID = ?"),
                   {valkretsId.value(d.constituency), id});
        for (int i = 0; i < d.votes.size(); ++i)
            t.exec(QStringLiteral("INSERT INTO DistrRoster (PartiID, DistrID, Roster) "
                                  "VALUES (?, ?, ?)"),
                   {votes.parties.at(i).code, id, d.votes.at(i)});
    }
    PublishedSeats published;
    published.countedDistricts = votes.countedDistricts;
    published.allDistricts = votes.allDistricts;
    for (const ImportedVotes::Party& p : votes.parties)
        if (p.publishedSeats >= 0)
            published.total.insert(p.code, p.publishedSeats);
    for (const ImportedVotes::Constituency& c : votes.constituencies)
        published.constituencies.append({c.seats, c.adjustmentSeats});
    published.store(t);
    // The seats to share are the election's, and the council seats just cleared were
    // computed from no input the file now holds.
    ElectionSettings::updateIn(t, [&](ElectionSettings& s) {
        if (votes.seats >= 5 && votes.seats <= 350)
            s.councilSeats = votes.seats;
        s.councilSeatsFingerprint.clear();
        s.councilSeatsStoredAt.clear();
        if (rules)
            rules->storeIn(s, !votes.constituencies.isEmpty());
    });
    t.commit();
}

QString ResultImport::summary(const ResultFile& file, const ImportedVotes& votes)
{
    QStringList lines;
    lines << QStringLiteral("%1 kommun (%2), val %3, %4 rösträkning.")
                 .arg(file.municipalityName, file.municipalityCode,
                      file.electionDate.toString(QStringLiteral("yyyy-MM-dd")),
                      file.finalCount ? QStringLiteral("slutlig") : QStringLiteral("preliminär"));
    lines << QStringLiteral("Mandat att fördela: %1.").arg(votes.seats);
    QStringList parties;
    QStringList published;
    for (const ImportedVotes::Party& p : votes.parties) {
        parties << QStringLiteral("%1 %2").arg(p.code).arg(p.votes);
        if (p.publishedSeats > 0)
            published << QStringLiteral("%1 %2").arg(p.code).arg(p.publishedSeats);
    }
    lines << QStringLiteral("Partier och röster: ") + parties.join(QStringLiteral(", ")) +
                 QLatin1Char('.');
    // A code the program made must be recognisable before the user says yes.
    QStringList made;
    for (const ResultFile::Party& p : file.parties)
        if (p.codeFromName)
            made << QStringLiteral("%1 = %2").arg(p.code, p.name);
    if (!made.isEmpty())
        lines << QStringLiteral("Partier utan förkortning i filen: ") +
                     made.join(QStringLiteral(", ")) + QLatin1Char('.');
    int collection = 0;
    for (const ResultFile::District& d : file.districts)
        collection += d.collection ? 1 : 0;
    lines << QStringLiteral("Valdistrikt: %1 av %2 räknade, därav %3 uppsamlingsdistrikt.")
                 .arg(file.countedDistricts)
                 .arg(file.allDistricts)
                 .arg(collection);
    if (!file.constituencies.isEmpty()) {
        QStringList constituencies;
        for (const ResultFile::Constituency& c : file.constituencies)
            constituencies << QStringLiteral("%1 (%2 fasta mandat)").arg(c.name).arg(c.fixedSeats);
        lines << QStringLiteral("Valkretsar: ") + constituencies.join(QStringLiteral(", ")) +
                     QLatin1Char('.');
    }
    if (file.others > 0)
        lines << QStringLiteral("Övriga giltiga röster (%1) räknas med i spärren men får inga "
                                "mandat.")
                     .arg(file.others);
    if (!published.isEmpty())
        lines << QStringLiteral("Valmyndighetens mandat: ") + published.join(QStringLiteral(", ")) +
                     QLatin1Char('.');
    else
        lines << QStringLiteral("Valmyndigheten har ännu ingen mandatfördelning för valet.");
    lines << QStringLiteral("Regler efter valets datum: %1.").arg(rulesText(file));
    switch (file.signature) {
    case ResultFile::Signature::Verified:
        lines << QStringLiteral("Signerad av Valmyndigheten.");
        break;
    case ResultFile::Signature::UnknownKey:
        lines << QStringLiteral("Signaturen kunde inte kontrolleras: den är gjord med en nyckel "
                                "som programmet inte känner till.");
        break;
    case ResultFile::Signature::None:
        lines << QStringLiteral("Filen har ingen signatur från Valmyndigheten.");
        break;
    }
    return lines.join(QLatin1Char('\n'));
}

CouncilRules ResultImport::rules(const ResultFile& file)
{
    return CouncilRules::ofElection(file.electionDate, !file.constituencies.isEmpty());
}

QString ResultImport::rulesText(const ResultFile& file)
{
    const bool valkretsar = !file.constituencies.isEmpty();
    return CouncilRules::namedText(rules(file).named(valkretsar), valkretsar);
}

QString ResultImport::question(const ResultFile& file)
{
    const QString replaced = QStringLiteral(
        "Partierna, distrikten och distriktsrösterna i databasen ersätts av dessa. ");
    if (file.complete())
        return replaced + QStringLiteral("Vill du hämta valresultatet?");
    return replaced +
           QStringLiteral("%1 av %2 valdistrikt är räknade. Vill du ändå hämta rösterna?")
               .arg(file.countedDistricts)
               .arg(file.allDistricts);
}
