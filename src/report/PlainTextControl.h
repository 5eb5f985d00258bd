#pragma once

#include "report/RichTextControl.h"

#include <QString>
#include <QStringList>
#include <vector>

// A rich-text control that keeps plain text (lines end in CR LF, TABs kept) and
// records every style call with the line it applies to. Used by valsit-calc, the
// benchmarks and the tests.
class PlainTextControl : public RichTextControl
{
public:
    struct StyleCall
    {
        int line; // index of the first line written in this style
        QString fontName;
        int size;
        bool bold;
        std::vector<int> tabStopsMm;
    };

    int textLength() const override { return int(m_text.size()); }
    void clear() override;
    void insertAtEnd(const QString& text) override;
    void setSelectionStyle(const RichTextStyle& style) override;

    const QString& text() const { return m_text; }
    // The text split into lines, without the line ends.
    QStringList lines() const;
    int lineCount() const { return m_lines; }
    const std::vector<StyleCall>& styleCalls() const { return m_styles; }
    // Keep the text only (for long runs where the styles are not read).
    void setRecordStyles(bool on) { m_recordStyles = on; }

private:
    QString m_text;
    int m_lines = 0;
    std::vector<StyleCall> m_styles;
    bool m_recordStyles = true;
};
