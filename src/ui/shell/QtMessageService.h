#pragma once

#include "shell/MessageService.h"

// The message service on real dialogs: QMessageBox, QInputDialog and QFileDialog, each
// modal over the active window. Line breaks written as CR LF show as one line break.
class QtMessageService : public MessageService
{
public:
    Answer msgBox(const QString& text, Buttons buttons, Icon icon, const QString& title,
                  DefaultButton defaultButton = FirstButton) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     bool* accepted = nullptr) override;
    QString fileOpen(const QString& title, const QString& directory,
                     const QStringList& filters) override;
    QString fileSave(const QString& title, const QString& directory,
                     const QStringList& filters) override;
};
