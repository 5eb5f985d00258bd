#pragma once

#include <QString>

// The control with the keyboard focus in the active window, as the clipboard commands
// see it: they work only when it is a plain, single-line text box.
class TextBoxAccess
{
public:
    virtual ~TextBoxAccess() = default;
    // True when the focused control is a plain text box (not a rich-text control, a grid,
    // a combo box or a button).
    virtual bool focusedIsTextBox() const = 0;
    // The selected text of the focused text box ("" without a selection).
    virtual QString selectedText() const = 0;
    // Replaces the selection of the focused text box (inserts at the caret when nothing
    // is selected). The box treats the text as any other change of its content.
    virtual void replaceSelectedText(const QString& text) = 0;
};
