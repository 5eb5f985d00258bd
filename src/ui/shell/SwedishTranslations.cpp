#include "ui/shell/SwedishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "data/ProgramFolder.h"
#include "ui/shell/QtDialogTexts.h"

bool SwedishTranslations::install(QCoreApplication& app)
{
    const QLocale sv(QLocale::Swedish, QLocale::Sweden);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* qt = new QTranslator(&app);
    // Newer Qt ships the Swedish texts as qtbase_sv, Debian 12 as one qt_sv catalogue.
    // An install outside Debian's Qt brings its own copy in share/valsit/translations, a
    // build in translations/ beside the programs.
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString own =
        ProgramFolder::installedShareDir(programDir) + QStringLiteral("/translations");
    bool found = false;
    for (const QString& where : {folder, own, programDir + QStringLiteral("/translations")})
        found = found || qt->load(sv, QStringLiteral("qtbase"), QStringLiteral("_"), where) ||
                qt->load(sv, QStringLiteral("qt"), QStringLiteral("_"), where);
    if (found)
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Installed last, so it is asked first; it answers only for the texts the catalogue
    // lacks.
    QCoreApplication::installTranslator(new QtDialogTexts(&app));
    return found;
}
