#pragma once

#include "shell/MessageService.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Records every dialog shown and answers from queues; an empty queue answers with the
// dialog's default button, an empty input or no file.
class FakeMessageService : public MessageService
{
public:
    struct Shown
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
        DefaultButton defaultButton;
        bool busyPointer; // the hourglass was up while the box waited for the user
    };

    Answer msgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
                  DefaultButton defaultButton = FirstButton) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     bool* accepted = nullptr) override;
    QString fileOpen(const QString& title, const QString& directory,
                     const QStringList& filters) override;
    QString fileSave(const QString& title, const QString& directory,
                     const QStringList& filters) override;

    // An input box or a file dialog as it was opened.
    struct Asked
    {
        QString prompt; // input box only
        QString title;
        QString defaultText; // the proposed text, or the file dialog's starting path
        QStringList filters; // file dialog only
    };

    QList<Shown> shown;
    QList<Asked> inputBoxes;
    QList<Asked> fileDialogs;
    QList<Asked> saveDialogs;
    QQueue<Answer> answers;
    QQueue<std::optional<QString>> inputs; // std::nullopt: the user cancels the box
    QQueue<QString> files;
    QQueue<QString> saveFiles; // answers of the file-save dialog
    // The next message box is recorded, then fails with an exception (a fault in the
    // middle of a handler).
    bool failNextMessage = false;
    // Runs while an input box or a file dialog is "open" (a real one lets events through).
    std::function<void()> whileOpen;

    QStringList texts() const;
    void reset();
};
