#include "cli/CliMessageService.h"

#include <QTextStream>

MessageService::Answer CliMessageService::msgBox(const QString& text, Buttons buttons, Icon,
                                                 const QString&, DefaultButton defaultButton)
{
    m_err << "valsit-calc: " << text << Qt::endl;
    if (buttons == YesNo || buttons == YesNoCancel)
        return defaultButton == FirstButton ? AnswerYes : AnswerNo;
    return AnswerOk;
}

QString CliMessageService::inputBox(const QString&, const QString&, const QString& defaultText,
                                    bool* accepted)
{
    if (accepted)
        *accepted = true;
    return defaultText;
}

QString CliMessageService::fileOpen(const QString&, const QString&, const QStringList&)
{
    return QString();
}
