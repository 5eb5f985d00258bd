#include "ui/report/QtRichTextControl.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QTimer>

QtRichTextControl::QtRichTextControl(QTextEdit* edit) : m_edit(edit) {}

QtRichTextControl::~QtRichTextControl()
{
    flush();
}

QTextDocument* QtRichTextControl::target()
{
    if (m_staging)
        return m_staging;
    if (!m_edit)
        return nullptr;
    // A copy of what the editor shows, with its settings, so appending continues it.
    QTextDocument* shown = m_edit->document();
    m_staging = shown->isEmpty() ? new QTextDocument(this) : shown->clone(this);
    m_staging->setDefaultFont(shown->defaultFont());
    m_staging->setDefaultTextOption(shown->defaultTextOption());
    m_staging->setDocumentMargin(shown->documentMargin());
    m_staging->setIndentWidth(shown->indentWidth());
    m_staging->setUndoRedoEnabled(false);
    m_cursor = QTextCursor(m_staging);
    m_cursor.movePosition(QTextCursor::End);
    if (shown->isEmpty())
        m_charFormat = QTextCharFormat();
    QTimer::singleShot(0, this, [this] {
        if (!m_holding)
            flush();
    });
    return m_staging;
}

void QtRichTextControl::flush()
{
    if (!m_staging)
        return;
    QTextDocument* written = m_staging;
    m_staging = nullptr;
    m_cursor = QTextCursor();
    if (!m_edit) {
        delete written;
        return;
    }
    // The editor deletes its own first document when it lets go of it; one of ours we
    // delete ourselves (asked before the editor may have deleted it).
    QTextDocument* previous = m_edit->document();
    const bool ours = previous->parent() == this;
    m_edit->setDocument(written);
    m_edit->moveCursor(QTextCursor::Start);
    if (ours)
        delete previous;
}

int QtRichTextControl::textLength() const
{
    const QTextDocument* doc = m_staging ? m_staging : m_edit ? m_edit->document() : nullptr;
    return doc ? doc->characterCount() - 1 : 0;
}

void QtRichTextControl::clear()
{
    delete m_staging;
    m_staging = nullptr;
    m_cursor = QTextCursor();
    m_charFormat = QTextCharFormat();
    if (m_edit)
        m_edit->clear();
}

void QtRichTextControl::insertAtEnd(const QString& text)
{
    if (!target())
        return;
    m_cursor.movePosition(QTextCursor::End);
    // CR LF makes one paragraph break.
    m_cursor.insertText(text, m_charFormat);
}

double QtRichTextControl::mmToTabUnits(double mm) const
{
    const int dpi = m_edit ? m_edit->logicalDpiX() : 96;
    return mm * dpi / 25.4;
}

void QtRichTextControl::setSelectionStyle(const RichTextStyle& style)
{
    if (!target())
        return;
    m_cursor.movePosition(QTextCursor::End);

    QTextCharFormat chars;
    chars.setFontFamilies({style.fontName});
    chars.setFontPointSize(style.size);
    chars.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(false);
    chars.setFontStrikeOut(false);
    chars.setFontUnderline(false);
    chars.setVerticalAlignment(QTextCharFormat::AlignNormal);
    m_charFormat = chars;
    m_cursor.setCharFormat(chars);

    // The paragraph being written (the last one) and every one appended after it.
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    block.setIndent(0);
    block.setTextIndent(0);
    block.setLeftMargin(0);
    QList<QTextOption::Tab> tabs;
    tabs.reserve(style.tabCount);
    for (int i = 0; i < style.tabCount && i < RichTextStyle::MaxTabs; ++i)
        tabs.append(QTextOption::Tab(mmToTabUnits(style.tabStopsMm[i]), QTextOption::LeftTab));
    block.setTabPositions(tabs);
    m_cursor.setBlockFormat(block);
}
