#include "report/ui/QtRichTextControl.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QTimer>

QtRichTextControl::QtRichTextControl(QTextEdit* edit) : QObject(edit), m_edit(edit)
{
    // A report is not edited: an undo history would only hold a copy of every line.
    m_edit->document()->setUndoRedoEnabled(false);
    m_cursor = QTextCursor(m_edit->document());
    m_cursor.movePosition(QTextCursor::End);
    m_charFormat = m_cursor.charFormat();
}

QtRichTextControl::~QtRichTextControl()
{
    flush();
}

int QtRichTextControl::textLength() const
{
    return m_edit->document()->characterCount() - 1;
}

void QtRichTextControl::clear()
{
    flush();
    m_edit->clear();
    m_edit->document()->setUndoRedoEnabled(false);
    m_cursor = QTextCursor(m_edit->document());
    m_charFormat = QTextCharFormat();
}

void QtRichTextControl::openBatch()
{
    if (m_batchOpen)
        return;
    m_batchOpen = true;
    m_cursor.beginEditBlock();
    QTimer::singleShot(0, this, &QtRichTextControl::flush);
}

void QtRichTextControl::flush()
{
    if (!m_batchOpen)
        return;
    m_batchOpen = false;
    m_cursor.endEditBlock();
}

void QtRichTextControl::insertAtEnd(const QString& text)
{
    openBatch();
    m_cursor.movePosition(QTextCursor::End);
    // CR LF makes one paragraph break.
    m_cursor.insertText(text, m_charFormat);
}

double QtRichTextControl::mmToTabUnits(double mm) const
{
    return mm * m_edit->logicalDpiX() / 25.4;
}

void QtRichTextControl::setSelectionStyle(const RichTextStyle& style)
{
    openBatch();
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
