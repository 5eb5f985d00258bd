#include "ui/shell/QtDialogTexts.h"

#include <QHash>

namespace {

struct Text
{
    const char* context;
    const char* source;
    const char* swedish;
};

// Context and English text as Qt 6.4 asks for them, then the Swedish text.
const Text texts[] = {
    // The standard buttons come from the platform theme.
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Save", "Spara"},
    {"QPlatformTheme", "Save All", "Spara alla"},
    {"QPlatformTheme", "Open", "Öppna"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "Yes to &All", "Ja till &alla"},
    {"QPlatformTheme", "&No", "&Nej"},
    {"QPlatformTheme", "N&o to All", "N&ej till alla"},
    {"QPlatformTheme", "Abort", "Avbryt"},
    {"QPlatformTheme", "Retry", "Försök igen"},
    {"QPlatformTheme", "Ignore", "Ignorera"},
    {"QPlatformTheme", "Close", "Stäng"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "Discard", "Förkasta"},
    {"QPlatformTheme", "Help", "Hjälp"},
    {"QPlatformTheme", "Apply", "Verkställ"},
    {"QPlatformTheme", "Reset", "Återställ"},
    {"QPlatformTheme", "Restore Defaults", "Återställ standardvärden"},
    // The print dialog.
    {"QPrintDialog", "&Print", "&Skriv ut"},
    {"QPrintDialog", "&Options >>", "&Alternativ >>"},
    {"QPrintDialog", "&Options <<", "&Alternativ <<"},
    {"QPrintDialog", "Print to File (PDF)", "Skriv till fil (PDF)"},
    {"QPrintDialog", "Local file", "Lokal fil"},
    {"QPrintDialog", "Write PDF file", "Skriv PDF-fil"},
    {"QPrintDialog", "All Pages", "Alla sidor"},
    {"QPrintDialog", "Odd Pages", "Udda sidor"},
    {"QPrintDialog", "Even Pages", "Jämna sidor"},
    {"QPrintDialog", "Print To File ...", "Skriv till fil ..."},
    {"QPrintDialog", "File exists", "Filen finns"},
    {"QPrintDialog", "<qt>Do you want to overwrite it?</qt>", "<qt>Vill du skriva över den?</qt>"},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
     "%1 är en mapp.\nVälj ett annat filnamn."},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
     "Det går inte att skriva filen %1.\nVälj ett annat filnamn."},
    {"QPrintDialog", "The 'From' value cannot be greater than the 'To' value.",
     "Värdet 'Från' kan inte vara större än värdet 'Till'."},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Vänster till höger, uppifrån och ned"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Uppifrån och ned, vänster till höger"},
    {"QPrintWidget", "&Name:", "&Namn:"},
    {"QPrintWidget", "P&roperties", "&Egenskaper"},
    {"QPrintWidget", "Location:", "Plats:"},
    {"QPrintWidget", "Preview", "Förhandsgranska"},
    {"QPrintWidget", "Type:", "Typ:"},
    {"QPrintWidget", "Output &file:", "Utdata&fil:"},
    {"QPrintSettingsOutput", "Pages", "Sidor"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Ange sidor eller intervall åtskilda med komman. Ett intervall är två tal med "
     "bindestreck emellan. Till exempel skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9."},
    {"QPrintSettingsOutput", "Current Page", "Aktuell sida"},
    {"QPrintSettingsOutput", "Page Set:", "Sidurval:"},
    {"QPrintSettingsOutput", "Output Settings", "Utskrift"},
    {"QPrintSettingsOutput", "Copies:", "Kopior:"},
    {"QPrintSettingsOutput", "Reverse", "Omvänd ordning"},
    {"QPrintSettingsOutput", "Color Mode", "Färg"},
    {"QPrintSettingsOutput", "Color", "Färg"},
    {"QPrintSettingsOutput", "Grayscale", "Gråskala"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dubbelsidig utskrift"},
    {"QPrintSettingsOutput", "Off", "Av"},
    {"QPrintSettingsOutput", "Long side binding", "Bindning längs långsidan"},
    {"QPrintSettingsOutput", "Short side binding", "Bindning längs kortsidan"},
    {"QPrintSettingsOutput", "Options", "Alternativ"},
    {"QPrintPropertiesDialog", "Printer Properties", "Skrivaregenskaper"},
    {"QPrintPropertiesDialog", "Job Options", "Jobbalternativ"},
    {"QPrintPropertiesWidget", "Page", "Sida"},
    {"QPrintPropertiesWidget", "Advanced", "Avancerat"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Några alternativ strider mot varandra. Rätta dem."},
    {"QPageSetupWidget", "Paper", "Papper"},
    {"QPageSetupWidget", "Width:", "Bredd:"},
    {"QPageSetupWidget", "Height:", "Höjd:"},
    {"QPageSetupWidget", "Orientation", "Orientering"},
    {"QPageSetupWidget", "Reverse landscape", "Omvänt liggande"},
    {"QPageSetupWidget", "Reverse portrait", "Omvänt stående"},
    {"QPageSetupWidget", "Margins", "Marginaler"},
    {"QPageSetupWidget", "top margin", "övre marginal"},
    {"QPageSetupWidget", "left margin", "vänster marginal"},
    {"QPageSetupWidget", "right margin", "höger marginal"},
    {"QPageSetupWidget", "bottom margin", "nedre marginal"},
    {"QPageSetupWidget", "Page Layout", "Sidlayout"},
    {"QPageSetupWidget", "Page order:", "Sidordning:"},
    {"QPageSetupWidget", "Pages per sheet:", "Sidor per ark:"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimeter (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Tum (in)"},
    {"QPageSetupWidget", "Points (pt)", "Punkter (pt)"},
    {"QPageSetupWidget", "Custom", "Anpassad"},
    {"QCupsJobWidget", "Job", "Jobb"},
    {"QCupsJobWidget", "Job Control", "Jobbhantering"},
    {"QCupsJobWidget", "Scheduled printing:", "Schemalagd utskrift:"},
    {"QCupsJobWidget", "Billing information:", "Debiteringsuppgifter:"},
    {"QCupsJobWidget", "Job priority:", "Jobbprioritet:"},
    {"QCupsJobWidget", "Banner Pages", "Försättsblad"},
    {"QCupsJobWidget", "End:", "Slut:"},
    {"QCupsJobWidget", "Start:", "Början:"},
    {"QCupsJobWidget", "Print Immediately", "Skriv ut genast"},
    {"QCupsJobWidget", "Hold Indefinitely", "Vänta tills vidare"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Dag (06:00 till 17:59)"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Natt (18:00 till 05:59)"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Andra skiftet (16:00 till 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tredje skiftet (00:00 till 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Helg (lördag till söndag)"},
    {"QCupsJobWidget", "Specific Time", "Viss tid"},
    {"QCupsJobWidget", "None", "Inget"},
    {"QCupsJobWidget", "Standard", "Standard"},
    // The file dialogs.
    {"QFileDialog", "Look in:", "Sök i:"},
    {"QFileDialog", "Go back", "Gå tillbaka"},
    {"QFileDialog", "Go forward", "Gå framåt"},
    {"QFileDialog", "Go to the parent directory", "Gå till mappen ovanför"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "Change to list view mode", "Visa som lista"},
    {"QFileDialog", "Change to detail view mode", "Visa med detaljer"},
    {"QFileDialog", "Sidebar", "Sidopanel"},
    {"QFileDialog", "List of places and bookmarks", "Platser och bokmärken"},
    {"QFileDialog", "Files", "Filer"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "Show ", "Visa "},
    {"QFileDialog", "Directory:", "Mapp:"},
    {"QFileDialog", "Directories", "Mappar"},
    {"QFileDialog", "New Folder", "Ny mapp"},
    {"QFileSystemModel", "Computer", "Dator"},
    {"QAbstractFileIconProvider", "Drive", "Enhet"},
    {"QAbstractFileIconProvider", "Folder", "Mapp"},
    {"QAbstractFileIconProvider", "File", "Fil"},
    {"QAbstractFileIconProvider", "File Folder", "Mapp"},
};

QString key(const char* context, const char* source)
{
    return QString::fromUtf8(context) + QLatin1Char('\x1f') + QString::fromUtf8(source);
}

} // namespace

QString QtDialogTexts::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const
{
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    static const QHash<QString, QString> swedish = [] {
        QHash<QString, QString> table;
        for (const Text& t : texts)
            table.insert(key(t.context, t.source), QString::fromUtf8(t.swedish));
        return table;
    }();
    if (!context || !sourceText)
        return QString();
    return swedish.value(key(context, sourceText));
}
