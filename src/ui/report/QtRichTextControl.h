#pragma once

#include "report/RichTextControl.h"

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

class QTextDocument;

// The rich-text control of the result windows on a QTextEdit. The report is only ever
// appended to, at the end, through one cursor kept there.
//
// A long run appends a hundred thousand lines and more without returning to the event
// loop. A document shown in an editor is laid out as it changes, which makes such a run
// crawl. So a run writes into a document of its own, a copy of what the editor showed,
// and that document is handed to the editor when the event loop runs again (or when
// the text is needed): the editor then shows the top of the report at once and lays
// out the rest in the background, page by page.
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
    // Hands what was written so far to the editor now.
    void flush();
    // While held, what is written stays in the run's own document even when the event
    // loop runs: a long run that lets the window repaint and take a stop click would
    // otherwise hand over, and copy back, an ever larger document many times a second.
    // Flush once the run is over.
    void hold(bool on) { m_holding = on; }

    // Millimetres to the document's tab unit (pixels at the edit's logical DPI).
    double mmToTabUnits(double mm) const;

private:
    // The document being written: the run's own while a run is under way.
    QTextDocument* target();

    QPointer<QTextEdit> m_edit;
    QTextDocument* m_staging = nullptr;
    QTextCursor m_cursor;
    QTextCharFormat m_charFormat;
    bool m_holding = false;
};
