// The district votes store on a copy of the template: a district's votes are stored
// whole or not at all, and the district sums differ from, and replace, only the totals
// of parties that have district votes.
#include "CouncilSession.h"
#include "Rows.h"

#include "council/DistrRosterStore.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"

#include <QtTest>

namespace {
// District rows "party,district,votes;...", the totals after the sums replaced them, and the
// changes found ("party:total>sum"), in the order listed.
struct SumCase
{
    const char *name, *rows, *totals, *changes;
};
const SumCase sumCases[] = {
    {"no district votes at all", "", "M=300 S=500 V=100", ""},
    {"only some parties", "S,1,40;S,2,2;M,2,0", "M=0 S=42 V=100", "S:500>42 M:300>0"},
    {"zeros only", "S,1,0;M,1,0;V,1,0;S,2,0", "M=300 S=500 V=100", ""},
    {"code in other case", "s,1,7", "M=300 S=7 V=100", "S:500>7"},
    {"sum equal to the total", "S,1,499;S,2,1;M,1,5", "M=5 S=500 V=100", "M:300>5"},
};
} // namespace

class TestDistrRosterStore : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

private Q_SLOTS:
    void initTestCase() { s.initTestCase(); }
    void init()
    {
        QVERIFY(s.init());
        s.setParties({"S:Socialdemokraterna:500", "M:Moderaterna:300", "V:Vänsterpartiet:100"});
        s.addDistrict(1, 1, "Norr");
        s.addDistrict(2, 2, "Söder");
    }
    void cleanup() { s.cleanup(); }

    void storeIsAllOrNothing()
    {
        ElectionDatabase election(s.db->path());
        DistrRosterStore store(election);
        store.store(1, {{"S", 10}, {"M", 20}});
        QVERIFY_THROWS_EXCEPTION(DbError, store.store(1, {{"S", 11}, {"??", 5}, {"V", 3}}));
        QCOMPARE(s.column("SELECT PartiID || '=' || Roster FROM DistrRoster ORDER BY PartiID"),
                 QStringList({"M=20", "S=10"}));
        // Stored again: replaced, not doubled.
        store.store(1, {{"S", 12}, {"M", 0}});
        QCOMPARE(s.column("SELECT PartiID || '=' || Roster FROM DistrRoster ORDER BY PartiID"),
                 QStringList({"M=0", "S=12"}));
    }

    void sums_data() { addRows(sumCases); }
    void sums()
    {
        const SumCase& c = row(sumCases);
        for (const QString& line : QString(c.rows).split(';', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(',');
            s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES (?, ?, ?)",
                   {f[0], f[1].toInt(), f[2].toInt()});
        }
        ElectionDatabase election(s.db->path());
        DistrRosterStore store(election);
        const QList<DistrRosterStore::TotalChange> found =
            store.totalChanges({"S", "M", "V", "", " "});
        QStringList listed;
        for (const DistrRosterStore::TotalChange& t : found)
            listed << QString("%1:%2>%3").arg(t.partiID).arg(t.total).arg(t.sum);
        QCOMPARE(listed.join(' '), QString(c.changes));
        QCOMPARE(s.column("SELECT Roster FROM Partier WHERE PartiID = 'S'"), QStringList{"500"});
        store.replaceTotals(found);
        QCOMPARE(
            s.column("SELECT PartiID || '=' || Roster FROM Partier ORDER BY PartiID").join(' '),
            QString(c.totals));
    }

    // Rows of zeros do not keep a party or a district from being deleted; votes do, and
    // the refused delete leaves every row as it was.
    void zeroRowsGoWithTheirPartyOrDistrict()
    {
        s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES ('V', 1, 0), "
               "('V', 2, NULL), ('M', 1, 0), ('M', 2, 5)");
        ElectionDatabase db(s.db->path());
        const QString party = "DELETE FROM Partier WHERE PartiID = ?";
        db.write("Partier", ElectionDatabase::Delete, party, {"V"});
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 db.write("Partier", ElectionDatabase::Delete, party, {"M"}));
        QCOMPARE(s.column("SELECT PartiID || DistrID FROM DistrRoster ORDER BY 1"),
                 QStringList({"M1", "M2"}));
        db.write("Distrikt", ElectionDatabase::Delete, "DELETE FROM Distrikt WHERE DistrID = ?",
                 {1});
        QCOMPARE(s.column("SELECT PartiID || DistrID FROM DistrRoster ORDER BY 1"),
                 QStringList({"M2"}));
        QCOMPARE(s.column("SELECT PartiID FROM Partier ORDER BY 1"), QStringList({"M", "S"}));
    }

    void districtsByNameAndVotes()
    {
        int id = 3;
        for (const char* name : {"Alby", "Ängby", "Åby", "örby", "alfa", "Zeta"})
            s.addDistrict(id++, 0, name);
        s.exec("INSERT INTO Distrikt (DistrID, DistrNr) VALUES (9, 9)");
        ElectionDatabase election(s.db->path());
        DistrRosterStore store(election);
        QStringList names;
        for (const DistrRosterStore::District& d : store.districtsByName())
            names << QString("%1:%2").arg(d.id).arg(d.name);
        // A Swedish index: case ignored, Å Ä Ö after Z.
        QCOMPARE(names, QStringList({"9: ", "3:Alby", "7:alfa", "1:Norr", "2:Söder", "8:Zeta",
                                     "5:Åby", "4:Ängby", "6:örby"}));
        s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES ('V', 2, NULL), ('M', 2, "
               "9)");
        const QList<DistrRosterStore::Votes> votes = store.votesOf(2);
        QCOMPARE(votes.size(), 2);
        QCOMPARE(votes[0].partiID + "=" + QString::number(votes[0].roster), QString("M=9"));
        QCOMPARE(votes[1].partiID + "=" + QString::number(votes[1].roster), QString("V=0"));
    }
};

QTEST_MAIN(TestDistrRosterStore)
#include "tst_DistrRosterStore.moc"
