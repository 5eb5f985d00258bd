// The read-only list model over a data control's record set, watched throughout by Qt's
// model tester: it must follow every re-read, addition and deletion of the record set.
#include "TemplateCopy.h"

#include "data/DataControl.h"
#include "data/ElectionDatabase.h"
#include "data/RecordTableModel.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QtTest>

class tst_RecordTableModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void followsTheRecordSet();
};

namespace {
QStringList column(const QAbstractItemModel& model, int c)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.index(r, c).data().toString();
    return values;
}
} // namespace

void tst_RecordTableModel::followsTheRecordSet()
{
    TemplateCopy db;
    QVERIFY(db.isValid());
    {
        ElectionDatabase file(db.path());
        QSqlQuery q(file.database());
        QVERIFY(q.exec("INSERT INTO Distrikt VALUES (1, 20, 'Norra')"));
        QVERIFY(q.exec("INSERT INTO Distrikt VALUES (2, 10, NULL)"));
    }
    auto* data = new DataControl;
    data->setDatabaseName(db.path());
    data->setRecordSource(
        DataSource::table("Distrikt", {"DistrID", "DistrNr", "DistrNamn"}, "DistrNr"));
    // A field the source lacks gives an empty column, not a failure.
    RecordTableModel model(data, {"DistrNamn", "DistrNr", "Saknas"});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setAlignments({Qt::AlignLeft, Qt::AlignCenter});
    QCOMPARE(model.rowCount(), 0); // not opened yet

    data->Refresh();
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("DistrNr"));
    QCOMPARE(column(model, 0), QStringList({"", "Norra"}));
    QCOMPARE(column(model, 2), QStringList({"", ""}));
    QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(model.findRow(1, "20"), 1);
    QCOMPARE(model.findRow(1, "30"), -1);

    Recordset& rs = data->Recordset();
    rs.AddNew();
    rs.Fields("DistrID").setValue(3);
    rs.Fields("DistrNr").setValue(5);
    rs.Fields("DistrNamn").setValue("Södra");
    QCOMPARE(model.rowCount(), 2); // nothing shows before it is stored
    rs.Update();
    QCOMPARE(column(model, 0), QStringList({"", "Norra", "Södra"})); // added last

    rs.MoveFirst();
    rs.Delete();
    QCOMPARE(column(model, 0), QStringList({"Norra", "Södra"}));

    data->Refresh(); // re-read in the source's order
    QCOMPARE(column(model, 1), QStringList({"5", "20"}));

    delete data;
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(tst_RecordTableModel)
#include "tst_RecordTableModel.moc"
