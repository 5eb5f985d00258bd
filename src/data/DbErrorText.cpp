#include "data/DbErrorText.h"

#include <QSqlError>

#include <sqlite3.h>

int DbErrorText::codeOf(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

QString DbErrorText::cause(int sqliteCode)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("disken är full. Frigör utrymme på disken (eller spara databasen "
                              "på en annan disk) och försök igen.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("databasen används just nu av ett annat program eller fönster. "
                              "Försök igen om en stund.");
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("databasen är skrivskyddad. Kontrollera att du får skriva i filen "
                              "och i mappen där den ligger.");
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
        return QStringLiteral("filen kan inte läsas eller skrivas. Kontrollera att disken eller "
                              "nätverksmappen är tillgänglig och försök igen.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("databasfilen är skadad. Återställ den från en säkerhetskopia.");
    case SQLITE_NOMEM:
        return QStringLiteral("datorn har inte tillräckligt med minne. Stäng andra program och "
                              "försök igen.");
    default:
        break;
    }
    return QStringLiteral("databasen rapporterade ett fel. Försök igen; kvarstår felet, "
                          "kontakta den som ger dig stöd.");
}

QString DbErrorText::describe(const QString& what, const QSqlError& error)
{
    const int code = codeOf(error);
    QString text = what + QStringLiteral(": ") + cause(code);
    if (code >= 0)
        text += QStringLiteral(" (felkod %1)").arg(code);
    return text;
}
