#pragma once

#include "shell/ClipboardAccess.h"

#include <QString>

// A clipboard in memory that counts how often it was emptied.
class FakeClipboardAccess : public ClipboardAccess
{
public:
    void clear() override
    {
        content.clear();
        ++clears;
    }
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }

    QString content;
    int clears = 0;
};
