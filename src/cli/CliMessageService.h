#pragma once

#include "shell/MessageService.h"

class QTextStream;

// The engines' messages on the command line: written to standard error, answered with
// the default button. valsit-calc checks its input first, so none is expected.
class CliMessageService : public MessageService
{
public:
    explicit CliMessageService(QTextStream& err) : m_err(err) {}

    Answer msgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
                  DefaultButton defaultButton = FirstButton) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     bool* accepted = nullptr) override;
    QString fileOpen(const QString& title, const QString& directory,
                     const QStringList& filters) override;

private:
    QTextStream& m_err;
};
