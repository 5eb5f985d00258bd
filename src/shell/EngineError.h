#pragma once

#include <QString>
#include <stdexcept>

// An error raised inside an engine that reaches the window (or tool) that called it.
// The text is for the user, in Swedish.
class EngineError : public std::runtime_error
{
public:
    explicit EngineError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
