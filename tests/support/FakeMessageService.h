#pragma once

#include "shell/MessageService.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

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
    };

    Answer msgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
                  DefaultButton defaultButton = FirstButton) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString fileOpen(const QString& title, const QString& directory,
                     const QStringList& filters) override;

    QList<Shown> shown;
    QStringList prompts;
    QQueue<Answer> answers;
    QQueue<QString> inputs;
    QQueue<QString> files;

    QStringList texts() const;
    void reset();
};
