#include "cli/CalcApp.h"

#include "cli/CalcError.h"
#include "cli/CalcHelp.h"
#include "cli/CalcOptions.h"
#include "cli/CommitteeCalc.h"
#include "cli/CouncilCalc.h"
#include "cli/DatabaseCalc.h"
#include "cli/ValkretsCalc.h"
#include "shell/EngineError.h"
#include "shell/SettingsStore.h"

#include <QTextStream>

int CalcApp::run(const QStringList& arguments)
{
    const QString help = CalcHelp::answer(arguments);
    if (!help.isEmpty()) {
        m_out << help;
        // The tool's own help also names the commands on election files.
        if (arguments.size() == 1 && arguments.first() != QLatin1String("--version"))
            m_out << QStringLiteral("\nPå en valfil (.mdb):\n") << DatabaseCalc::usage();
        m_out.flush();
        return 0;
    }
    QString rulesNote;
    try {
        if (DatabaseCalc::handles(arguments)) {
            DatabaseCalc(m_out).run(arguments);
            m_out.flush();
            return 0;
        }
        CalcOptions options = CalcOptions::parse(arguments);
        // Without --org the report names the organisation the program is set up for.
        if (options.org.trimmed().isEmpty())
            options.org = SettingsStore().value(QStringLiteral("OrgNamn"));
        if (!options.constituenciesFile.isEmpty() ||
            ValkretsCalc::hasConstituencies(options.importFile)) {
            if (!options.lots.isEmpty())
                throw CalcError(QStringLiteral("--lot gäller inte en kommun med valkretsar"));
            ValkretsCalc calc(options);
            calc.run(m_out);
            rulesNote = calc.rulesNote();
        } else if (options.command == CalcOptions::Command::Council) {
            CouncilCalc calc(options);
            calc.run(m_out);
            rulesNote = calc.rulesNote();
        } else {
            CommitteeCalc calc(options);
            calc.run(m_out);
        }
        // A report lost on a full disk is a failure, not a result.
        m_out.flush();
        if (m_out.status() != QTextStream::Ok)
            throw CalcError(QStringLiteral("resultatet kunde inte skrivas till standardutdata"));
        // Said once the result is out, so a failure stays the one line on standard error.
        if (!rulesNote.isEmpty())
            m_err << "valsit-calc: " << rulesNote << Qt::endl;
        return 0;
    } catch (const CalcError& e) {
        m_err << "valsit-calc: " << e.message() << Qt::endl;
    } catch (const EngineError& e) {
        m_err << "valsit-calc: " << e.message() << Qt::endl;
    }
    return 2;
}
