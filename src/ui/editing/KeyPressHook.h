#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;

// Runs a window's key-press handler for a text box the way the entry windows expect:
// the handler gets the key code and gives back the code to use, 0 discarding the key.
// Whatever else brings text into the box (a paste from the clipboard or the box's own
// menu, a drop) goes through the same handler character by character, so a field that
// takes only digits cannot be given letters by pasting them.
class KeyPressHook : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<qint16(qint16)>;

    // Installs the handler on `box`; the hook belongs to the box. A second call replaces
    // the handler.
    static KeyPressHook* attach(QLineEdit* box, Handler handler);
    static KeyPressHook* of(const QLineEdit* box);

    // The key code of a key press as the handlers know it (Backspace 8, Enter 13,
    // Ctrl+A..Z 1..26, a character its code in the single-byte code page), or -1 for a
    // key that types nothing (arrows, Delete, function keys, Tab).
    static int keyAsciiOf(const QKeyEvent& event);
    // The key code of a character that arrives as text (a paste).
    static qint16 keyAsciiOf(QChar ch);

    qint16 filter(qint16 keyAscii) const { return m_handler ? m_handler(keyAscii) : keyAscii; }
    // The characters of `text` that the handler lets through, in order.
    QString filterText(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPressHook(QLineEdit* box, Handler handler);
    bool acceptsAll(const QString& text) const;

    QLineEdit* m_box;
    Handler m_handler;
};
