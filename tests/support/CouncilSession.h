#pragma once

#include "FakeMessageService.h"
#include "FakePrinterChoice.h"
#include "FixedClock.h"
#include "SettingsSandbox.h"
#include "TemplateCopy.h"

#include "ui/shell/AppServices.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class QWidget;

// What the council window tests share: isolated settings, a fresh copy of the template
// database as the working database, the setups as the main window creates them, the
// council windows registered (the main window as a stand-in unless a test registers
// the real one), dialogs answered by the fake message service and printouts going to a
// PDF file. Call initTestCase() once and init()/cleanup() around every test.
class CouncilSession
{
public:
    CouncilSession();
    ~CouncilSession();

    // The session whose initTestCase() ran last: for the tests' free helpers.
    static CouncilSession& current();

    void initTestCase();
    bool init();
    void cleanup();

    FakeMessageService messages;
    FixedClock clock;
    // The windows' services: the fakes above, the print dialog scripted by printScript.
    AppServices services{messages, clock};
    FakePrinterChoice::Script printScript;
    std::unique_ptr<SettingsSandbox> sandbox;
    std::unique_ptr<TemplateCopy> db;

    // SQL straight on the working database (outside the windows).
    void exec(const QString& sql, const QVariantList& values = {});
    QVariant value(const QString& sql, const QVariantList& values = {});
    QStringList column(const QString& sql);
    // Replaces the parties by these "ID:Name:Votes" entries (votes may be empty: Null).
    void setParties(const QStringList& parties);
    void addDistrict(int id, int nr, const QString& name);

    // Shows a window by name and waits until it is active; nullptr when it did not come.
    QWidget* show(const QString& name);
    // The council window of that name that is open now, if any.
    static QWidget* openWindow(const QString& name);
    // Waits until the window is active. Under Wine (no window manager) a window opened as
    // another closes may not get the activation: it is asked for once, as a click would.
    static bool waitActive(QWidget* w);
    // Runs pending deletes and events until the hand-over is complete.
    static void settle();
};
