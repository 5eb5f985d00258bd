#pragma once

#include <QString>
#include <QValidator>

class KeyPressHook;
class QLineEdit;

// Sees every change of a hooked text box that is not a key press (a paste, the box's own
// menu, a middle-click, undo) and keeps of the inserted characters only those the box's
// key-press handler lets through. Text the program sets itself is left as it is.
class KeyPressValidator : public QValidator
{
    Q_OBJECT
public:
    KeyPressValidator(QLineEdit* box, const KeyPressHook* hook);

    State validate(QString& input, int& pos) const override;

private:
    const QLineEdit* m_box;
    const KeyPressHook* m_hook;
    QString m_previous; // the box's text before the change being validated
};
