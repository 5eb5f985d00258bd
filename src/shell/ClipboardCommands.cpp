#include "shell/ClipboardCommands.h"

#include "shell/AppInfo.h"
#include "shell/ClipboardAccess.h"
#include "shell/MessageService.h"
#include "shell/TextBoxAccess.h"

ClipboardCommands::ClipboardCommands(MessageService& messages, TextBoxAccess* textBoxes,
                                     ClipboardAccess* clipboard)
    : m_messages(messages), m_textBoxes(textBoxes), m_clipboard(clipboard)
{
}

bool ClipboardCommands::haveTextBox() const
{
    return m_textBoxes && m_clipboard && m_textBoxes->focusedIsTextBox();
}

void ClipboardCommands::refuse(const char* text)
{
    m_messages.msgBox(QString::fromUtf8(text), MessageService::Ok, MessageService::NoIcon,
                      AppInfo::appNamn());
}

void ClipboardCommands::copy()
{
    if (!haveTextBox()) {
        refuse("Du kan bara kopiera mellan Text-boxar");
        return;
    }
    // Emptied first, so that copying an empty selection leaves an empty clipboard.
    m_clipboard->clear();
    const QString selected = m_textBoxes->selectedText();
    if (!selected.isEmpty())
        m_clipboard->setText(selected);
}

void ClipboardCommands::cut()
{
    if (!haveTextBox()) {
        refuse("Du kan bara kopiera mellan Text-boxar");
        return;
    }
    copy();
    m_textBoxes->replaceSelectedText(QString());
}

void ClipboardCommands::paste()
{
    if (!haveTextBox()) {
        refuse("Du kan bara klistra in i Text-boxar");
        return;
    }
    m_textBoxes->replaceSelectedText(m_clipboard->text());
}
