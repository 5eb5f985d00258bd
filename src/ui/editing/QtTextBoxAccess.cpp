#include "ui/editing/QtTextBoxAccess.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

QLineEdit* QtTextBoxAccess::plainTextBox(QWidget* widget)
{
    auto* box = qobject_cast<QLineEdit*>(widget);
    if (!box)
        return nullptr;
    QWidget* parent = box->parentWidget();
    if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent))
        return nullptr;
    return box;
}

QLineEdit* QtTextBoxAccess::focused()
{
    return plainTextBox(QApplication::focusWidget());
}

bool QtTextBoxAccess::focusedIsTextBox() const
{
    return focused() != nullptr;
}

QString QtTextBoxAccess::selectedText() const
{
    QLineEdit* box = focused();
    return box ? box->selectedText() : QString();
}

void QtTextBoxAccess::replaceSelectedText(const QString& text)
{
    QLineEdit* box = focused();
    if (!box || box->isReadOnly())
        return;
    // insert() replaces the selection and passes the box's validator, so a hooked box
    // filters pasted text as it filters typing.
    box->insert(text);
}
