#include "cli/CalcApp.h"

#include "cli/CalcError.h"
#include "cli/CalcOptions.h"
#include "cli/CliMessageService.h"
#include "cli/CommitteeCalc.h"
#include "cli/CouncilCalc.h"
#include "cli/DatabaseCalc.h"
#include "cli/ValkretsCalc.h"
#include "shell/EngineError.h"
#include "shell/SettingsStore.h"

#include <QTextStream>

int CalcApp::run(const QStringList& arguments)
{
    if (arguments.size() == 1 && (arguments.first() == QLatin1String("--help") ||
                                  arguments.first() == QLatin1String("-h"))) {
        m_out << CalcOptions::usage() << DatabaseCalc::usage();
        return 0;
    }
    CliMessageService messages(m_err);
    try {
        if (DatabaseCalc::handles(arguments)) {
            DatabaseCalc(messages, m_out).run(arguments);
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
            ValkretsCalc calc(options, messages);
            calc.run(m_out);
        } else if (options.command == CalcOptions::Command::Council) {
            CouncilCalc calc(options, messages);
            calc.run(m_out);
        } else {
            CommitteeCalc calc(options, messages);
            calc.run(m_out);
        }
        m_out.flush();
        return 0;
    } catch (const CalcError& e) {
        m_err << "valsit-calc: " << e.message() << Qt::endl;
    } catch (const EngineError& e) {
        m_err << "valsit-calc: " << e.message() << Qt::endl;
    }
    return 2;
}
