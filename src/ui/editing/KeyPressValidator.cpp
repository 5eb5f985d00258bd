#include "ui/editing/KeyPressValidator.h"

#include <QLineEdit>

KeyPressValidator::KeyPressValidator(QLineEdit* box, FilterText filterText)
    : QValidator(box), m_box(box), m_filterText(std::move(filterText)), m_previous(box->text())
{
    // textChanged follows every accepted change, the program's own setText included.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_previous = text; });
}

QValidator::State KeyPressValidator::validate(QString& input, int& pos) const
{
    // Only the characters that the change inserted are judged: text already in the
    // field (read from the database, say) must stay editable whatever it holds.
    const qsizetype oldLen = m_previous.size();
    const qsizetype newLen = input.size();
    qsizetype prefix = 0;
    while (prefix < oldLen && prefix < newLen && m_previous.at(prefix) == input.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < oldLen - prefix && suffix < newLen - prefix &&
           m_previous.at(oldLen - 1 - suffix) == input.at(newLen - 1 - suffix))
        ++suffix;
    const QString inserted = input.mid(prefix, newLen - prefix - suffix);
    // setText() empties the box's undo history before it validates, an edit of the user
    // (typing, a paste, a drop) has just added to it: so text the program puts in the
    // box is shown as it is.
    if (inserted.isEmpty() || !m_box->isUndoAvailable())
        return Acceptable;
    const QString kept = m_filterText(inserted);
    if (kept == inserted)
        return Acceptable;
    input = input.left(prefix) + kept + input.right(suffix);
    // The caret stays after what was kept of the insertion.
    if (pos >= prefix) {
        const qsizetype dropped = inserted.size() - kept.size();
        pos = int(qMax(prefix, qsizetype(pos) - dropped));
    }
    pos = qMin(pos, int(input.size()));
    return Acceptable;
}
