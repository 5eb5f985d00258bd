#include "ui/editing/KeyPressHook.h"

#include "ui/editing/KeyPressValidator.h"
#include "ui/editing/RefusedKey.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

KeyPressHook::KeyPressHook(QLineEdit* box, Handler handler)
    : QObject(box), m_box(box), m_handler(std::move(handler))
{
    box->installEventFilter(this);
    box->setValidator(
        new KeyPressValidator(box, [this](const QString& text) { return filterText(text); }));
}

KeyPressHook* KeyPressHook::attach(QLineEdit* box, Handler handler)
{
    if (KeyPressHook* existing = of(box)) {
        existing->m_handler = std::move(handler);
        return existing;
    }
    return new KeyPressHook(box, std::move(handler));
}

KeyPressHook* KeyPressHook::of(const QLineEdit* box)
{
    return box ? box->findChild<KeyPressHook*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

int KeyPressHook::keyAsciiOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Tab moves the focus between the window's controls; it is not typed.
        return -1;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return -1;
    return keyAsciiOf(text.at(0));
}

qint16 KeyPressHook::keyAsciiOf(QChar ch)
{
    // A character outside the single-byte code page arrives as "?", as it would there.
    return ch.unicode() <= 0xFF ? qint16(ch.unicode()) : qint16('?');
}

QString KeyPressHook::filterText(const QString& text) const
{
    QString kept;
    for (const QChar ch : text) {
        const qint16 code = keyAsciiOf(ch);
        const qint16 result = filter(code);
        if (result == 0)
            continue;
        // A handler may also change the key, as a key press handler may.
        kept.append(result == code ? ch : QChar(ushort(result)));
    }
    return kept;
}

bool KeyPressHook::acceptsAll(const QString& text) const
{
    return filterText(text) == text;
}

bool KeyPressHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyAsciiOf(*key);
        if (code < 0)
            return false;
        const qint16 result = filter(qint16(code));
        if (result == 0) {
            key->accept();
            // A character the user meant to type, not a control key: say why it is gone.
            if (code > 26 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                RefusedKey::tell(m_box, RefusedKey::reason(QChar(ushort(code)),
                                                           filter('5') != 0 && filter('a') == 0));
            return true; // discarded: the box never sees it
        }
        if (result != code && result > 26) {
            // The handler turned the key into another character: type that one instead.
            m_box->insert(QString(QChar(ushort(result))));
            return true;
        }
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // A drop that brings characters the field refuses is turned away whole, so the
        // user sees at once that it did not go in.
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        if (data && data->hasText() && !acceptsAll(data->text())) {
            drop->ignore();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}
