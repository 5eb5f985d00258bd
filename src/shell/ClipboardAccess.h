#pragma once

#include <QString>

// The system clipboard, plain text only.
class ClipboardAccess
{
public:
    virtual ~ClipboardAccess() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
};
