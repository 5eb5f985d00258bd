#include "shell/SwedishOrder.h"

#include <QCollator>
#include <QLocale>

int SwedishOrder::compare(QStringView a, QStringView b)
{
    // Qt collates with ICU, whatever locales the machine has generated.
    static const QCollator swedish = [] {
        QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return swedish.compare(a, b);
}
