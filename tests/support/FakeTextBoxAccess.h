#pragma once

#include "shell/TextBoxAccess.h"

#include <QString>

// A focused control for the clipboard commands: a text box with a text and a selection,
// or (isTextBox false) any other control.
class FakeTextBoxAccess : public TextBoxAccess
{
public:
    bool focusedIsTextBox() const override { return isTextBox; }
    QString selectedText() const override { return text.mid(selStart, selLength); }
    void replaceSelectedText(const QString& replacement) override;

    bool isTextBox = true;
    QString text;
    int selStart = 0;
    int selLength = 0;
};
