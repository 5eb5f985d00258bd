#include "data/HmtaNyttID.h"

#include "shell/AppInfo.h"
#include "shell/MessageService.h"

#include <QVector>

namespace {
const int maxLength = 10;

void tell(MessageService& messages, const QString& text)
{
    messages.msgBox(text, MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
}
} // namespace

QString HmtaNyttID(MessageService& messages, const QString& highest, int length,
                   const QString& kind)
{
    QString alphabet = QStringLiteral("0123456789ABCDEFGHJKLMNOPQRSTVWXYZ");
    if (kind == QLatin1String("N")) {
        alphabet = QStringLiteral("0123456789");
    } else if (kind != QLatin1String("A")) {
        tell(messages,
             QStringLiteral("Parameter 3 till HmtaNyttID skall vara 'A' eller 'N' är:") + kind);
    }
    if (length > maxLength) {
        tell(messages,
             QStringLiteral("Parameter 2 till HmtaNyttID får inte vara större än '10' är:") +
                 QString::number(length));
        length = maxLength;
    }
    if (length < 1)
        length = 1;

    // A table without ids starts from a blank: that is no id yet, not a faulty one.
    QString id = highest.trimmed();
    if (id.size() < length)
        id = QString(length - id.size(), QLatin1Char('0')) + id;

    QVector<int> positions(length);
    bool faulty = false;
    for (int i = 0; i < length; ++i) {
        positions[i] = int(alphabet.indexOf(id.at(i))) + 1; // 0 when not in the alphabet
        faulty = faulty || positions[i] == 0;
    }
    if (faulty) {
        tell(messages, QStringLiteral("Nuvarande ID har felaktiga tecken. Godkända tecken är: ") +
                           alphabet + QStringLiteral(" Nuvarande ID är: ") + id);
    }

    // Count up the last position; a position past the alphabet (or one that held a
    // faulty character) starts again at the first character and carries to its left.
    bool carryOut = false;
    positions[length - 1] += 1;
    for (int i = length - 1; i >= 0; --i) {
        if (positions[i] > alphabet.size() || positions[i] == 0) {
            positions[i] = 1;
            if (i > 0)
                positions[i - 1] += 1;
            else
                carryOut = true;
        }
    }

    QString next;
    for (int p : positions)
        next.append(alphabet.at(p - 1));
    next = next.trimmed();
    if (carryOut)
        next.prepend(alphabet.at(0));

    if (next.size() > maxLength) {
        tell(messages, QStringLiteral("Längden av ID får inte vara större än '10' är:") +
                           QString::number(next.size()));
        next = next.left(maxLength);
    }
    return next;
}
