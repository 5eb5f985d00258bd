#include "ui/editing/Key2TextBox.h"

#include "ui/editing/KeyPressHook.h"
#include "ui/editing/QtTextBoxAccess.h"

#include <QLineEdit>
#include <QWidget>

namespace {
// The character sets, composed in this order by the filters below.
const QString digits = QStringLiteral("0") + QStringLiteral("123456789");
const QString digitsNoZero = QStringLiteral("123456789");
const QString signs = QStringLiteral("+-.,");
const QString lower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString swedishLower = QStringLiteral("åäö");
const QString upper = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString swedishUpper = QStringLiteral("ÅÄÖ");
const QString pathChars = QStringLiteral(":\\_");
} // namespace

qint16 Key2TextBox::FiltreraTecken(qint16 KeyAscii, const QString& allowed)
{
    qint16 result = 0;
    // Codes up to 26 are control keys (Backspace, Tab, Enter, Ctrl+letter): never let
    // through. Above 255 there is no single-byte character to compare with.
    if (KeyAscii > 26 && KeyAscii <= 255) {
        if (allowed.contains(QChar(ushort(KeyAscii))))
            result = KeyAscii;
    }
    return result;
}

qint16 Key2TextBox::txtNoll(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, QStringLiteral("0"));
}

qint16 Key2TextBox::txt0_9(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, digits);
}

qint16 Key2TextBox::txt1_9(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, digitsNoZero);
}

qint16 Key2TextBox::txtTal(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, digits + signs);
}

qint16 Key2TextBox::txta_zGemen(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, lower);
}

qint16 Key2TextBox::txtalphaGemen(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, lower + swedishLower);
}

qint16 Key2TextBox::txtA_ZVersal(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, upper);
}

qint16 Key2TextBox::txtAlphaVersal(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, upper + swedishUpper);
}

qint16 Key2TextBox::txtAlpha(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, lower + swedishLower + upper + swedishUpper);
}

qint16 Key2TextBox::txtAlphaNum(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, digits + lower + swedishLower + upper + swedishUpper);
}

qint16 Key2TextBox::txtKat(qint16 KeyAscii) const
{
    return FiltreraTecken(KeyAscii, digits + lower + upper + pathChars);
}

qint32 Key2TextBox::Markera() const
{
    if (!m_form)
        return 0;
    QLineEdit* box = QtTextBoxAccess::plainTextBox(m_form->focusWidget());
    if (!box)
        return 0;
    const int length = int(box->text().size());
    box->setSelection(0, length);
    return length;
}

void Key2TextBox::hook(QLineEdit* box, Filter filter) const
{
    // Filters read no state of the instance, so a copy outlives the window's helper.
    const Key2TextBox self;
    KeyPressHook::attach(box, [self, filter](qint16 key) { return (self.*filter)(key); });
}
