#include "CouncilSession.h"

#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"
#include "shell/AppGlobals.h"
#include "ui/council/CouncilWindows.h"
#include "ui/shell/WindowRegistry.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

const char* const connectionName = "councilSessionSql";

CouncilSession* currentSession = nullptr;

QSqlDatabase sql(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                          ? QSqlDatabase::database(connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    if (db.databaseName() != path) {
        db.close();
        db.setDatabaseName(path);
    }
    if (!db.isOpen())
        db.open();
    return db;
}

} // namespace

CouncilSession::CouncilSession() = default;

CouncilSession::~CouncilSession()
{
    if (QSqlDatabase::contains(connectionName)) {
        QSqlDatabase::database(connectionName, false).close();
        QSqlDatabase::removeDatabase(connectionName);
    }
}

CouncilSession& CouncilSession::current()
{
    return *currentSession;
}

void CouncilSession::initTestCase()
{
    currentSession = this;
    sandbox = std::make_unique<SettingsSandbox>();
    registerCouncilWindows(services);
    WindowRegistry::instance().registerWindow(QStringLiteral("frmA_Start"), [] {
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("frmA_Start"));
        w->resize(200, 100);
        return w;
    });
    services.printerChoice = [this](QWidget*) -> std::unique_ptr<PrinterChoice> {
        return std::make_unique<FakePrinterChoice>(printScript);
    };
}

bool CouncilSession::init()
{
    SettingsSandbox::clear();
    messages.reset();
    db = std::make_unique<TemplateCopy>();
    if (!db->isValid())
        return false;
    AppGlobals& g = AppGlobals::instance();
    g.DBKat = db->folder();
    g.DBNmn = QStringLiteral("Valsit.mdb");
    g.setDBSokVagFromParts();
    g.FormLage = AppGlobals::FormState::Normal;
    g.SkarmOK = true;
    g.OrgNamn = QStringLiteral("Testkommun");
    g.BestDatum = QStringLiteral("2026-09-13");
    services.renewSetups();
    services.council->setAntValsit(41);
    printScript = FakePrinterChoice::Script();
    printScript.pdfPath = db->filePath(QStringLiteral("utskrift.pdf"));
    WindowRegistry::instance().shown.clear();
    return true;
}

void CouncilSession::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->inherits("QMenu") && w->isWindow() && w->testAttribute(Qt::WA_DeleteOnClose)) {
            WindowRegistry::unload(w);
        }
    }
    settle();
    if (QSqlDatabase::contains(connectionName))
        QSqlDatabase::database(connectionName, false).close();
    services.council.reset();
    services.committee.reset();
    db.reset();
}

void CouncilSession::exec(const QString& statement, const QVariantList& values)
{
    QSqlQuery q(sql(db->path()));
    q.prepare(statement);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        qWarning("SQL failed: %s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
}

QVariant CouncilSession::value(const QString& statement, const QVariantList& values)
{
    QSqlQuery q(sql(db->path()));
    q.prepare(statement);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next())
        return QVariant();
    return q.value(0);
}

QStringList CouncilSession::column(const QString& statement)
{
    QSqlQuery q(sql(db->path()));
    QStringList result;
    if (!q.exec(statement))
        return result;
    while (q.next())
        result.append(q.value(0).isNull() ? QStringLiteral("<null>") : q.value(0).toString());
    return result;
}

void CouncilSession::setParties(const QStringList& parties)
{
    exec(QStringLiteral("DELETE FROM DistrRoster"));
    exec(QStringLiteral("DELETE FROM Partier"));
    for (const QString& p : parties) {
        const QStringList f = p.split(QLatin1Char(':'));
        exec(QStringLiteral("INSERT INTO Partier (PartiID, PartiNamn, Roster, PartiValRes) "
                            "VALUES (?, ?, ?, 0)"),
             {f.value(0), f.value(1),
              f.value(2).isEmpty() ? QVariant() : QVariant(f.value(2).toInt())});
    }
}

void CouncilSession::addDistrict(int id, int nr, const QString& name)
{
    exec(QStringLiteral("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (?, ?, ?)"),
         {id, nr, name});
}

QWidget* CouncilSession::show(const QString& name)
{
    QWidget* w = WindowRegistry::instance().show(name);
    return waitActive(w) ? w : nullptr;
}

bool CouncilSession::waitActive(QWidget* w)
{
    if (w && !QTest::qWaitForWindowActive(w, 2000))
        w->activateWindow();
    return w && QTest::qWaitForWindowActive(w);
}

QWidget* CouncilSession::openWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible() && !WindowRegistry::isUnloadingFromCode(w))
            return w;
    }
    return nullptr;
}

void CouncilSession::settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
