#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

class QLineEdit;
class QWidget;

// Keystroke filters of the entry windows. A filter takes the key code of a key press
// and gives it back when its character may go into the field, or 0 to discard the key.
// Every key code of 26 or less is discarded, control keys such as Backspace and Enter
// included, so a filtered field takes exactly the characters of its set.
//
// Codes above 255 do not come from the single-byte code page the filters are written for;
// they are discarded too.
class Key2TextBox
{
public:
    // The window whose active control Markera works on.
    void setFormName(QWidget* form) { m_form = form; }
    QWidget* formName() const { return m_form; }

    qint16 txtNoll(qint16 KeyAscii) const;
    qint16 txt0_9(qint16 KeyAscii) const;
    qint16 txt1_9(qint16 KeyAscii) const;
    qint16 txtTal(qint16 KeyAscii) const;
    qint16 txta_zGemen(qint16 KeyAscii) const;
    qint16 txtalphaGemen(qint16 KeyAscii) const;
    qint16 txtA_ZVersal(qint16 KeyAscii) const;
    qint16 txtAlphaVersal(qint16 KeyAscii) const;
    qint16 txtAlpha(qint16 KeyAscii) const;
    qint16 txtAlphaNum(qint16 KeyAscii) const;
    qint16 txtKat(qint16 KeyAscii) const;

    // Selects the whole text of the window's active control when that is a text box, so
    // that typing replaces the field; gives the length selected (0 for any other control).
    qint32 Markera() const;

    // Puts `filter` between the keyboard (and the clipboard) and `box`: a key the filter
    // discards never reaches the field, and pasted or dropped text keeps only the
    // characters the filter lets through.
    using Filter = qint16 (Key2TextBox::*)(qint16) const;
    void hook(QLineEdit* box, Filter filter) const;

private:
    static qint16 FiltreraTecken(qint16 KeyAscii, const QString& allowed);

    QPointer<QWidget> m_form;
};
