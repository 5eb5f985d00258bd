#include "FakeMessageService.h"

#include <QGuiApplication>

#include <stdexcept>

MessageService::Answer FakeMessageService::msgBox(const QString& text, Buttons buttons, Icon icon,
                                                  const QString& title, DefaultButton defaultButton)
{
    // Only a QGuiApplication has an override cursor: asked of a plain QCoreApplication,
    // QGuiApplication reads another class's data (on Windows it crashes).
    const bool busy = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
                      QGuiApplication::overrideCursor() != nullptr;
    shown.append({text, buttons, icon, title, defaultButton, busy});
    if (failNextMessage) {
        failNextMessage = false;
        throw std::runtime_error("Testfel");
    }
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case Ok:
        return AnswerOk;
    case OkCancel:
        return defaultButton == FirstButton ? AnswerOk : AnswerCancel;
    case YesNo:
        return defaultButton == FirstButton ? AnswerYes : AnswerNo;
    case YesNoCancel:
    case SaveUndoCancel:
        return defaultButton == FirstButton    ? AnswerYes
               : defaultButton == SecondButton ? AnswerNo
                                               : AnswerCancel;
    }
    return AnswerOk;
}

QString FakeMessageService::inputBox(const QString& prompt, const QString& title,
                                     const QString& defaultText, bool* accepted)
{
    inputBoxes.append({prompt, title, defaultText, {}});
    if (whileOpen)
        whileOpen();
    const std::optional<QString> answer =
        inputs.isEmpty() ? std::optional<QString>(defaultText) : inputs.dequeue();
    if (accepted)
        *accepted = answer.has_value();
    return answer.value_or(QString());
}

QString FakeMessageService::fileOpen(const QString& title, const QString& directory,
                                     const QStringList& filters)
{
    fileDialogs.append({QString(), title, directory, filters});
    if (whileOpen)
        whileOpen();
    return files.isEmpty() ? QString() : files.dequeue();
}

QString FakeMessageService::fileSave(const QString& title, const QString& directory,
                                     const QStringList& filters)
{
    saveDialogs.append({QString(), title, directory, filters});
    return saveFiles.isEmpty() ? QString() : saveFiles.dequeue();
}

QStringList FakeMessageService::texts() const
{
    QStringList result;
    for (const Shown& s : shown)
        result.append(s.text);
    return result;
}

void FakeMessageService::reset()
{
    shown.clear();
    inputBoxes.clear();
    fileDialogs.clear();
    answers.clear();
    inputs.clear();
    files.clear();
    saveDialogs.clear();
    saveFiles.clear();
    failNextMessage = false;
}
