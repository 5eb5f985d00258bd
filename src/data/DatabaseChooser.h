#pragma once

#include "data/ProgramFolder.h"

#include <QString>

class AppGlobals;
class MessageService;
class SettingsStore;

// Which election database the program works on: read from the settings at load, chosen
// by the user (ValjDatabas, with its fallbacks to the previous database and then the
// template), and new ones copied from the template (SkapaNyDB). Works on the globals
// DBKat, DBNmn and DBSokVag; the main window shows the result in its menus.
class DatabaseChooser
{
public:
    DatabaseChooser(AppGlobals& globals, MessageService& messages, SettingsStore& settings);

    // Sets the working database from ValsitKat/ValsitNmn ("0": the program's folder and
    // "Valsit.mdb").
    void loadFromSettings();

    // Lets the user choose a database file. True when DBKat/DBNmn/DBSokVag name a usable
    // file afterwards (there, an election database, and passing SQLite's check), false
    // when even the template is not (the program must end). A damaged or foreign file is
    // refused with a message and the previous database stays. A cancelled dialog changes
    // nothing while the working database is usable. The heading and seats come with the
    // file (ElectionSettings).
    bool ValjDatabas();

    // Asks for a name and copies the template shipped with the program to it, in the
    // working database's folder, with the heading "för <name>". True when the copy was
    // made: it is then the working database (saved to the settings as the chosen one is).
    // A cancelled name box creates and changes nothing.
    bool SkapaNyDB();

    // The pristine template new databases are copied from (AppGlobals::templatePath, or
    // the build's data/Valsit.mdb).
    QString templatePath() const;

    // Splits a path at the separator before the first ".mdb" (any case) into folder and
    // file name; both are "0" when the path has no ".mdb" or no separator before it.
    static void splitPath(const QString& path, QString* folder, QString* fileName);

    static QString templateName() { return ProgramFolder::templateName(); }
    // The setting that keeps the folder of the last database chosen.
    static QString lastFolderKey() { return QStringLiteral("SenasteMapp"); }

private:
    void message(const QString& text);
    QString missingText() const;
    QString dialogStart() const;

    AppGlobals& m_globals;
    MessageService& m_messages;
    SettingsStore& m_settings;
};
