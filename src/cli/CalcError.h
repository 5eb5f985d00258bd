#pragma once

#include <QString>
#include <stdexcept>

// Bad input to valsit-calc: one line for the user, exit status 2.
class CalcError : public std::runtime_error
{
public:
    explicit CalcError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
