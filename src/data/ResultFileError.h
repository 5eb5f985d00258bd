#pragma once

#include <QString>

#include <stdexcept>

// A result file that cannot be used: the message says why, in Swedish, for the user.
class ResultFileError : public std::runtime_error
{
public:
    explicit ResultFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
