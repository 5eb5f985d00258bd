#pragma once

#include "shell/TextBoxAccess.h"

class QLineEdit;
class QWidget;

// The focused control of the application, when it is a plain QLineEdit. The line edits
// inside combo boxes and spin boxes are parts of those controls, not text boxes.
class QtTextBoxAccess : public TextBoxAccess
{
public:
    bool focusedIsTextBox() const override;
    QString selectedText() const override;
    // A read-only box (a locked field of a record that is not being changed) is left as
    // it is: text put into it would reach the record without an edit having begun.
    void replaceSelectedText(const QString& text) override;

    // `widget` as a plain text box, or null.
    static QLineEdit* plainTextBox(QWidget* widget);

private:
    static QLineEdit* focused();
};
