#include "TemplateCopy.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "seats/LotStore.h"

#include <QSqlQuery>
#include <QtTest>

// The lots kept with an election: an older file gets the table with its first lot, a
// lot reads back as stored, and a failed recording leaves the file as it was.
class tst_LotStore : public QObject
{
    Q_OBJECT

private:
    static bool hasTable(const QString& path)
    {
        ElectionDatabase db(path);
        QSqlQuery q(db.database());
        q.exec("SELECT 1 FROM sqlite_master WHERE name = 'Lottning'");
        return q.next();
    }
    static SeatLot lot(int seat, const QString& code)
    {
        SeatLot l;
        l.seat = seat;
        l.code = code;
        l.fingerprint = 0xF00DCAFE12345678ULL;
        l.drawnBy = "Eva Ek";
        l.drawnAt = QDateTime(QDate(2026, 9, 14), QTime(21, 30));
        l.note = "i valnämnden";
        return l;
    }

private Q_SLOTS:
    void firstLotMakesTheTable()
    {
        TemplateCopy copy;
        QVERIFY(copy.isValid());
        QVERIFY(LotStore(copy.path()).lots(LotStore::Kind::Committee).isEmpty());
        QVERIFY(!hasTable(copy.path())); // reading does not write

        LotStore(copy.path()).record(LotStore::Kind::Committee, {lot(4, "C"), lot(5, "M")});
        LotStore(copy.path()).record(LotStore::Kind::Council, {lot(7, "S")});
        // A new lot for seat 5 and a void one at seat 4 replaced: only the new one stays.
        SeatLot drawn = lot(5, "V");
        drawn.byProgram = true;
        LotStore(copy.path()).record(LotStore::Kind::Committee, {drawn}, {4});
        const QVector<SeatLot> back = LotStore(copy.path()).lots(LotStore::Kind::Committee);
        QCOMPARE(back.size(), 1);
        QCOMPARE(QStringList({QString::number(back[0].seat), back[0].code,
                              QString::number(back[0].fingerprint, 16),
                              QString::number(back[0].byProgram), back[0].drawnBy,
                              back[0].drawnAt.toString(Qt::ISODate), back[0].note}),
                 QStringList({"5", "V", "f00dcafe12345678", "1", "Eva Ek", "2026-09-14T21:30:00",
                              "i valnämnden"}));
        QCOMPARE(LotStore(copy.path()).lots(LotStore::Kind::Council).size(), 1);
    }

    void failedRecordingChangesNothing()
    {
        TemplateCopy copy;
        LotStore(copy.path()).record(LotStore::Kind::Council, {lot(7, "S")});
        {
            // A trigger that refuses the second row: the first must not stay either.
            ElectionDatabase db(copy.path());
            QSqlQuery q(db.database());
            QVERIFY(q.exec("CREATE TRIGGER stopp BEFORE INSERT ON Lottning WHEN NEW.Plats = 9 "
                           "BEGIN SELECT RAISE(ABORT, 'nej'); END"));
        }
        QVERIFY_THROWS_EXCEPTION(
            DbError,
            LotStore(copy.path()).record(LotStore::Kind::Council, {lot(8, "M"), lot(9, "V")}, {7}));
        const QVector<SeatLot> back = LotStore(copy.path()).lots(LotStore::Kind::Council);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back[0].seat, 7);
    }
};

QTEST_GUILESS_MAIN(tst_LotStore)
#include "tst_LotStore.moc"
