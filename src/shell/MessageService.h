#pragma once

#include <QString>
#include <QStringList>

// Every dialog the program shows goes through this service, so the engines and the
// windows can be driven by tests. The Qt implementation lives in the UI library.
class MessageService
{
public:
    // SaveUndoCancel: "Spara", "Ångra", "Avbryt", answered as Yes, No, Cancel.
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel, SaveUndoCancel };
    enum Icon { NoIcon, Information, Exclamation, Question, Critical };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };
    enum DefaultButton { FirstButton, SecondButton, ThirdButton };

    virtual ~MessageService() = default;

    virtual Answer msgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
                          DefaultButton defaultButton = FirstButton) = 0;

    // Returns the text typed, or an empty string when the user cancelled. `accepted`, when
    // given, tells a cancel from an empty answer: a cancel must change nothing.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText, bool* accepted = nullptr) = 0;

    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString fileOpen(const QString& title, const QString& directory,
                             const QStringList& filters) = 0;

    // The file-save dialog: the path chosen (an existing file only after the user agreed
    // to replace it), or an empty text when cancelled. Services without dialogs save
    // nothing.
    virtual QString fileSave(const QString& title, const QString& directory,
                             const QStringList& filters)
    {
        Q_UNUSED(title)
        Q_UNUSED(directory)
        Q_UNUSED(filters)
        return QString();
    }
};
