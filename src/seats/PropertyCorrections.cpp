#include "seats/PropertyCorrections.h"

#include <stdexcept>

void PropertyCorrections::message(const QString& text)
{
    if (m_listener)
        m_listener(text);
}

int PropertyCorrections::count(int value, int min, int max, const char* label)
{
    if (value >= min && value <= max)
        return value;
    message(QStringLiteral("'%1' måste vara mellan %2 och %3")
                .arg(QString::fromUtf8(label))
                .arg(min)
                .arg(max));
    return min;
}

int PropertyCorrections::letSlot(int x, int lowest, int lowTo, int highest, const char* name)
{
    if (x < lowest) {
        message(QString::fromUtf8(name) + QStringLiteral(" kan bara lagras med positiva värden"));
        x = lowTo;
    }
    if (x > highest) {
        message(QString::fromUtf8(name) + QStringLiteral(" kan bara lagras med värde upp till ") +
                QString::number(highest));
        x = highest;
    }
    return x;
}

int PropertyCorrections::getSlot(int x, int highest, const char* name)
{
    if (x > highest) {
        message(QString::fromUtf8(name) + QStringLiteral(" kan bara hämtas med värde upp till ") +
                QString::number(highest));
        x = highest;
    }
    if (x < 0)
        throw std::out_of_range("Index utanför tillåtet intervall");
    return x;
}
