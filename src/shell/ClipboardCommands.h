#pragma once

class ClipboardAccess;
class MessageService;
class TextBoxAccess;

// Copy, cut and paste of the edit menus, between the focused text box and the system
// clipboard. Any other focused control is refused with a short message.
class ClipboardCommands
{
public:
    // `textBoxes` and `clipboard` may be null where no window is up (a batch run):
    // then there is no text box to work on and every command is refused.
    ClipboardCommands(MessageService& messages, TextBoxAccess* textBoxes,
                      ClipboardAccess* clipboard);

    void copy();
    void cut();
    void paste();

private:
    bool haveTextBox() const;
    void refuse(const char* text);

    MessageService& m_messages;
    TextBoxAccess* m_textBoxes;
    ClipboardAccess* m_clipboard;
};
