#pragma once

#include <QString>
#include <QtGlobal>

// What must outlive a window: the application's shared state. The windows read the working
// database, the report header (organisation and date) and the shared window state from
// here; the services (message service, clock, engines) are handed to them in AppServices.
class AppGlobals
{
public:
    static AppGlobals& instance();
    ~AppGlobals();

    // The working election database: folder, file name and full path (folder, the
    // platform's separator, file name). Every window that opens the database uses DBSokVag.
    QString DBKat;
    QString DBNmn;
    QString DBSokVag;
    // Joins a folder and a file name with the platform's separator.
    static QString joinPath(const QString& folder, const QString& fileName);
    void setDBSokVagFromParts() { DBSokVag = joinPath(DBKat, DBNmn); }
    // The working database as last found sound by SQLite's check (which reads the whole
    // file, so it runs when a file becomes the working one, not at every activation).
    QString DBVerified;

    // The program's folder: where the template "Valsit.mdb" stands. Set by main; tests
    // point it at a scratch folder.
    QString programKat;
    // The files shipped with the program that it only reads (the product document): the
    // program's folder in a build, share/valsit when installed.
    QString shareKat;
    // The template as shipped, which new election databases are copied from; empty: the
    // build's data/Valsit.mdb next to the executable.
    QString templatePath;

    QString AppNamn = QStringLiteral("Valsit");
    // Window state shared by every window.
    enum class FormState : qint16 { Normal = 0, Minimised = 1, Maximised = 2 };
    FormState FormLage = FormState::Normal;
    // False when the screen was found too small at start.
    bool SkarmOK = true;

    QString OrgNamn;
    QString BestDatum;

private:
    AppGlobals();
};
