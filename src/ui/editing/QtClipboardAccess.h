#pragma once

#include "shell/ClipboardAccess.h"

// The system clipboard through QGuiApplication::clipboard(), plain text only.
class QtClipboardAccess : public ClipboardAccess
{
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};
