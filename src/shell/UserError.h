#pragma once

#include <QString>
#include <stdexcept>

// An error whose text is for the user, in Swedish: what the engines, the result files and
// valsit-calc raise when the input cannot be used. Whoever started the work catches it and
// shows message() as it stands.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
