#pragma once

class QCoreApplication;

// Qt's own dialogs (print, file, the buttons of every dialog box) in Swedish: Qt's
// Swedish catalogue from the Debian package qt6-translations-l10n, and the texts that
// this catalogue lacks (QtDialogTexts).
class SwedishTranslations
{
public:
    // Installs the translators on the application, which owns them. False when Qt's
    // catalogue was not found (the button texts are Swedish all the same).
    static bool install(QCoreApplication& app);
};
