#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;

// Drives real windows as a user does: typing (å, ä and ö included, which QTest::keyClicks
// cannot send), clicks on named buttons, and reading back lists, menus and the report.
namespace WindowDriver {

// Types each character as a key press, after the field was emptied and selected (the key
// filters let no Backspace through; a vote cell shows "0" when emptied).
void typeInto(QLineEdit* box, const QString& text);
// Types into any widget without emptying it first.
void typeText(QWidget* w, const QString& text);

template <typename T = QWidget> T* child(QWidget* w, const QString& name)
{
    return w ? w->findChild<T*>(name) : nullptr;
}
// Clicks the named button, which must be there and enabled.
void click(QWidget* w, const QString& name);
// The caption of a menu or menu item (a blank caption: switched off).
QString menuTitle(QWidget* w, const char* name);
// Triggers the named menu item.
void trigger(QWidget* w, const char* name);
// The texts of one column of a record list, and the 1-based row selected (-1: none).
QStringList gridColumn(QWidget* w, const char* grid, int column);
int markedRow(QWidget* w, const char* grid);
// The report shown in a result window.
QString reportText(QWidget* w);

} // namespace WindowDriver
