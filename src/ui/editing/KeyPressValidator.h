#pragma once

#include <QString>
#include <QValidator>

#include <functional>

class QLineEdit;

// Sees every change of a hooked text box that is not a key press (a paste, the box's own
// menu, a middle-click, undo) and keeps of the inserted characters only those the box's
// key-press handler lets through (`filterText`, the hook's). Text the program sets itself is
// left as it is.
class KeyPressValidator : public QValidator
{
    Q_OBJECT
public:
    using FilterText = std::function<QString(const QString&)>;
    KeyPressValidator(QLineEdit* box, FilterText filterText);

    State validate(QString& input, int& pos) const override;

private:
    const QLineEdit* m_box;
    FilterText m_filterText;
    QString m_previous; // the box's text before the change being validated
};
