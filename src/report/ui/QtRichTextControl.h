#pragma once

#include "report/RichTextControl.h"

#include <QObject>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextEdit;

// The rich-text control of the result windows on a QTextEdit. The report is only ever
// appended to, at the end, through one cursor kept there.
//
// A long run appends hundreds of thousands of lines without returning to the event
// loop. Laying the document out again after every line would make that quadratic, so
// appends are gathered in one edit block that opens with the first append and closes
// when the event loop runs again (or when the text is read or cleared); the layout
// then follows once for the whole run.
class QtRichTextControl : public QObject, public RichTextControl
{
    Q_OBJECT
public:
    explicit QtRichTextControl(QTextEdit* edit);
    ~QtRichTextControl() override;

    // Length of the document's text, a line break counting as one character.
    int textLength() const override;
    void clear() override;
    void insertAtEnd(const QString& text) override;
    void setSelectionStyle(const RichTextStyle& style) override;

    QTextEdit* edit() const { return m_edit; }
    // Ends a batch of appends now, so the document lays itself out.
    void flush();

    // Millimetres to the document's tab unit (pixels at the edit's logical DPI).
    double mmToTabUnits(double mm) const;

private:
    void openBatch();

    QTextEdit* m_edit;
    QTextCursor m_cursor;
    QTextCharFormat m_charFormat;
    bool m_batchOpen = false;
};
