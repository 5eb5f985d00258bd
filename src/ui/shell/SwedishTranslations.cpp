#include "ui/shell/SwedishTranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "data/ProgramFolder.h"

namespace {

// The standard buttons of Qt's dialogs take their texts from the platform theme, which
// Debian's Swedish catalogue does not cover: "Cancel" would stay English in the print
// dialog.
class ButtonTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QPlatformTheme") != 0 || !sourceText)
            return QString();
        static const QHash<QString, QString> swedish = {
            {QStringLiteral("OK"), QStringLiteral("OK")},
            {QStringLiteral("Save"), QStringLiteral("Spara")},
            {QStringLiteral("Save All"), QStringLiteral("Spara alla")},
            {QStringLiteral("Open"), QStringLiteral("Öppna")},
            {QStringLiteral("&Yes"), QStringLiteral("&Ja")},
            {QStringLiteral("Yes to &All"), QStringLiteral("Ja till &alla")},
            {QStringLiteral("&No"), QStringLiteral("&Nej")},
            {QStringLiteral("N&o to All"), QStringLiteral("N&ej till alla")},
            {QStringLiteral("Abort"), QStringLiteral("Avbryt")},
            {QStringLiteral("Retry"), QStringLiteral("Försök igen")},
            {QStringLiteral("Ignore"), QStringLiteral("Ignorera")},
            {QStringLiteral("Close"), QStringLiteral("Stäng")},
            {QStringLiteral("Cancel"), QStringLiteral("Avbryt")},
            {QStringLiteral("Discard"), QStringLiteral("Förkasta")},
            {QStringLiteral("Help"), QStringLiteral("Hjälp")},
            {QStringLiteral("Apply"), QStringLiteral("Verkställ")},
            {QStringLiteral("Reset"), QStringLiteral("Återställ")},
            {QStringLiteral("Restore Defaults"), QStringLiteral("Återställ standardvärden")}};
        return swedish.value(QString::fromUtf8(sourceText));
    }
};

} // namespace

bool SwedishTranslations::install(QCoreApplication& app)
{
    const QLocale sv(QLocale::Swedish, QLocale::Sweden);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* qt = new QTranslator(&app);
    // Newer Qt ships the Swedish texts as qtbase_sv, Debian 12 as one qt_sv catalogue.
    // An install outside Debian's Qt brings its own copy in share/valsit/translations.
    const QString own = ProgramFolder::installedShareDir(QCoreApplication::applicationDirPath()) +
                        QStringLiteral("/translations");
    bool found = false;
    for (const QString& where : {folder, own})
        found = found || qt->load(sv, QStringLiteral("qtbase"), QStringLiteral("_"), where) ||
                qt->load(sv, QStringLiteral("qt"), QStringLiteral("_"), where);
    if (found)
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Installed last, so it is asked first; it answers only for the button texts.
    QCoreApplication::installTranslator(new ButtonTexts(&app));
    return found;
}
