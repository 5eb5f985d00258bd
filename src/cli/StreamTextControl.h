#pragma once

#include "report/RichTextControl.h"

class QTextStream;

// valsit-calc's screen report: every line goes to the output as it is written, with the
// report's CR LF written as the line end of the platform's text stream, so a run of two
// million combinations never holds its report in memory. Styles are not shown.
class StreamTextControl : public RichTextControl
{
public:
    explicit StreamTextControl(QTextStream& out) : m_out(out) {}

    int textLength() const override { return m_length; }
    void clear() override {}
    void insertAtEnd(const QString& text) override;
    void setSelectionStyle(const RichTextStyle&) override {}

private:
    QTextStream& m_out;
    int m_length = 0;
    QString m_buffer;
};
