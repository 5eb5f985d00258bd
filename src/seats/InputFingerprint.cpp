#include "seats/InputFingerprint.h"

InputFingerprint::InputFingerprint(const char* kind) : m_out(&m_bytes, QIODevice::WriteOnly)
{
    // A fixed stream version: a later Qt must not change the bytes a fingerprint covers.
    m_out.setVersion(QDataStream::Qt_6_0);
    m_out << QByteArray(kind);
}

InputFingerprint& InputFingerprint::operator<<(const QString& text)
{
    m_out << text;
    return *this;
}

InputFingerprint& InputFingerprint::operator<<(qint64 number)
{
    m_out << number;
    return *this;
}

InputFingerprint& InputFingerprint::operator<<(bool on)
{
    m_out << on;
    return *this;
}

InputFingerprint& InputFingerprint::operator<<(const ReportChoices& choices)
{
    return *this << qint64(choices.comparison) << choices.showLots;
}

InputFingerprint& InputFingerprint::operator<<(const QVector<SeatLot>& lots)
{
    *this << qint64(lots.size());
    for (const SeatLot& lot : lots) {
        *this << qint64(lot.seat) << lot.code << qint64(lot.fingerprint) << lot.byProgram
              << lot.drawnBy << lot.drawnAt.toString(Qt::ISODateWithMs) << lot.note;
    }
    return *this;
}

QByteArray InputFingerprint::hex() const
{
    return QCryptographicHash::hash(m_bytes, QCryptographicHash::Sha256).toHex();
}
